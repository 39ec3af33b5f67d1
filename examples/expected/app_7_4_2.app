#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #CharString i18 *18"Segmentation Mode: 
0 #CharString i19 *19"P_SEGMENTATION_MODE 
0 #CharString i52 *52"APP/D_REF_TST_MAT/P_SEGMENTATION/P_SEGMENTATION_MODE 
0 #NumPC @0 @0 @0 @4 i0 c1 c0 c0 c2 c0 c0 c1 c1 c0 i1 i0 i0 
0 #NumVwCfg @0 @6 @5 i320 i200 i200 i120 c1 c0 @3 c0 c16 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d0 d0 @0 
0 #CharString i11 *11"Peak Count: 
0 #CharString i15 *15"P_TEST_PEAK_NUM 
0 #CharString i55 *55"APP/D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_PEAK_NUM 
0 #NumPC @0 @0 @0 @9 i0 c1 c0 c0 c2 c1 c1 c1 i100 c0 i1 i0 i0 
0 #HtNumVwCfg @0 @11 @10 i393 i255 i200 i120 c1 c0 @8 c0 c1 l65536 d1.5 i12 d0.25 i2 c1 i0 i1 i1 i2 d0 d0 @0 c1 i250 c1 i1 c0 i2 
0 #CharString i9 *9"Aperture: 
0 #CharString i18 *18"P_APERTURE_ID_SIZE 
0 #CharString i90 *90"APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE 
0 #NumPC @0 @0 @0 @14 i0 c1 c0 c0 c2 i0 c0 c1 i250 c0 i1 i0 i0 
0 #VelNumVwCfg @0 @16 @15 i253 i25 i200 i120 c1 c0 @13 c0 c19 l65536 d0 i0 i0 i12 d12.5 d0 i1 d12.5 d12.5 d0 d0 @0 d12.5 i0 c1 i12 c1 
0 #CharString i14 *14"Part Diameter: 
0 #CharString i15 *15"P_PART_DIAMETER 
0 #CharString i31 *31"APP/P_RAD_SCALE/P_PART_DIAMETER 
0 #NumPC @0 @0 @0 @19 i0 c1 c0 c0 c2 i1 c1 c1 i12 c0 i1 i0 i0 
0 #AreaNumVwCfg @0 @21 @20 i326 i296 i200 i120 c1 c0 @18 c0 c5 l65536 c1 i0 d0 i1 i2 i1 c1 d0 c0 d0 d0 @0 d12.5 d1.5 i1 d0.25 c1 
0 #CharString i8 *8"Overlap: 
0 #CharString i14 *14"P_PROX_OVERLAP 
0 #CharString i55 *55"APP/D_MH_SLIDER_ALL_MAT/P_PROXIMITY_CTRL/P_PROX_OVERLAP 
0 #NumPC @0 @0 @0 @24 i0 c1 c0 c0 c2 i1 c1 c1 i1 c0 i1 i0 i0 
0 #AnNumVwCfg @0 @26 @25 i330 i191 i200 i120 c1 c0 @23 c0 c3 l65536 d12.5 c0 i2 d1.5 d0.25 c1 c0 i12 i1 d0 d0 @0 i0 d0.25 i0 i12 i12 
0 #CharString i5 *5"Gain: 
0 #CharString i6 *6"P_GAIN 
0 #CharString i19 *19"APP/P_CAMERA/P_GAIN 
0 #NumPC @0 @0 @0 @29 i0 c1 c0 c0 c2 i0 c1 c1 i0 c0 i1 i0 i0 
0 #InvAngNumVwCfg @0 @31 @30 i405 i214 i200 i120 c1 c0 @28 c0 c16 l65536 i100 i100 d0.25 d1.5 i100 c0 i100 i1 d0.25 d0 d0 @0 d0.25 i1 d1.5 c0 d12.5 
0 #FcPlotVwCfg @0 @0 @0 i303 i231 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i100 d0 i2 c1 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c0 d1.5 i1 d0.25 c0 c0 i12 d1.5 d0 d0 i0 c1 i250 f50 f50 f50 f50 c0 d0 i0 i1 d0 
0 #ActVwCfg @0 @0 @0 i209 i131 i200 i120 c1 c0 @0 c0 c0 l65536 i0 @0 
0 #ExecVwCfg @0 @0 @0 i190 i111 i200 i120 c1 c0 @0 c0 c0 l65536 c0 @0 
0 #LimitsMgr i250 i12 i12 c0 c0 c1 d12.5 c1 d12.5 c1 d0 d0 d0 i0 i0 c0 c0 c0 d0 d0 d0 i0 i0 c0 c0 c0 
0 #SelPC @0 @0 @0 @0 i0 c1 c0 c0 c2 c1 c0 c1 d0.25 i2 i2 c1 
0 #PanelButtonVwCfg @0 @0 @0 i10 i10 i80 i24 c1 c0 @0 c0 @0 i0 i0 c1 @0 @0 @0 @0 c2 i0 
0 #QDasReportVwCfg @0 @0 @0 i20 i20 i400 i300 c1 c0 @0 c0 @0 @0 l65536 c0 i12 i0 i12 i0 i250 i12 i100 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c1 @42 c0 d12.5 i2 d12.5 c0 @40 @41 @0 
7 #IdArray i7 $0 @43 @44 @45 @46 @47 @48 @49 
9 #IdArray i9 $0 @50 @51 @52 @53 @54 @55 @56 @57 @59 
6 #IdArray i6 $0 @43 @44 @45 @46 @60 @0 
0 #CharString i8 *8"Column 1 
0 #CharString i8 *8"Column 2 
0 #CharString i8 *8"Column 3 
0 #CharString i8 *8"Column 4 
0 #CharString i8 *8"Column 5 
0 #CharString i8 *8"Column 6 
0 #CharString i8 *8"Column 7 
0 #CharString i8 *8"Column 8 
0 #CharString i8 *8"Column 9 
0 #CharString i9 *9"Column 10 
0 #CharString i9 *9"Column 11 
0 #CharString i9 *9"Column 12 
0 #CharString i9 *9"Column 13 
0 #CharString i9 *9"Column 14 
0 #CharString i9 *9"Column 15 
0 #CharString i9 *9"Column 16 
0 #CharString i9 *9"Column 17 
0 #CharString i9 *9"Column 18 
