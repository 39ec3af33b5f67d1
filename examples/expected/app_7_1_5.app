#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #ScalarLinMapMgr c1 d1.5 c0 d0.25 d2 i0 
0 #ObPlotVwCfg @0 @0 @0 i188 i70 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c1 c1 i2 c0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i1 d12.5 c0 d12.5 i0 i1 c1 i2 c1 c0 d1.5 d1.7976931348623157e+308 i100 d1.7976931348623157e+308 
0 #FcPlotVwCfg @0 @0 @0 i393 i255 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d1.5 i12 d0.25 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c1 i0 i1 i1 i2 c1 i250 c1 d0 d0 i1 c1 c0 f50 f50 f50 f50 i2 i0 d1.7976931348623157e+308 i250 d1.7976931348623157e+308 
0 #D2PlotVwCfg @0 @0 @0 i253 i25 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d0 i0 i0 i12 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 d12.5 d0 i1 d12.5 d12.5 d12.5 i0 c1 c0 c0 d0 c0 d0 c0 c0 d0 c0 d0 c2 c1 c0 c0 c0 c0 c0 i0 d0 i0 i0 i1 i0 i0 i0 i1 
0 #CCPlotVwCfg @0 @0 @0 i399 i37 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i1 d0.25 c1 i12 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i1 d1.5 d0.25 i12 d12.5 c0 i2 c0 c0 d0 c0 d0 c0 c0 d0 c0 d0 c2 c1 c0 c0 c0 c0 c0 i0 d0 i0 i0 i1 i0 i0 i0 i1 c3 i1 
0 #SelPC @0 @0 @0 @0 i0 c1 c0 c0 c2 c0 c0 c1 d1.5 i100 c0 c1 
0 #SurfSelPC @0 @0 @0 @0 i0 c1 c0 c0 c2 c0 c1 c1 d0.25 d0.25 i1 c1 
0 #MnuPc @0 @0 d1.5 c0 d12.5 d12.5 i12 i100 d0 i2 
0 #CharString i10 *10"Taper Cut: 
0 #CharString i21 *21"P_TAPER_CUT_THICKNESS 
0 #CharString i58 *58"APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_CUT_THICKNESS 
0 #NumPC @0 @0 @0 @12 i0 c1 c0 c0 c2 c1 c0 c1 d1.5 c0 i1 i0 i0 
0 #SlNumVwCfg @0 @14 @13 i356 i316 i200 i120 c1 c0 @11 c0 c18 l65536 c0 i12 d1.5 i0 i250 c0 d0 i0 i1 d0 d0 @0 d0 i12 i12 i0 i100 d1.5 c0 i250 
0 #CharString i49 *49"APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_MODE 
0 #CharString i45 *45"APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PAD_TRIM 
0 #CharString i28 *28"APP/D_REF_TST_MAT/D_RMS_TEST 
0 #CharString i47 *47"APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_MR_POLE 
0 #CharString i57 *57"APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_CONNECT_TAPER_LAST 
0 #CharString i34 *34"APP/D_PH_MAT/D_PH_SLC/D_PH_SLC_RMS 
0 #CharString i48 *48"APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RADCRV/D_RADCRV 
0 #CharString i33 *33"APP/D_SURF/D_ZERNIKES/D_ZERN_POLY 
0 #CharString i24 *24"APP/P_ZERN/P_COEFS_16_36 
0 #ZernVwCfg @0 @0 @0 i353 i227 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c0 c0 c1 d12.5 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i3 
