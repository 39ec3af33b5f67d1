#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i6 *6"FTPApp 
0 #PanelButtonVwCfg @0 @0 @0 i10 i10 i80 i24 c1 c0 @0 c0 @0 i0 i0 c1 @0 @0 @0 @0 c2 i0 
0 #CharString i9 *9"Aperture: 
0 #CharString i18 *18"P_APERTURE_ID_SIZE 
0 #CharString i90 *90"APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE 
0 #NumPC @0 @0 @0 @5 i0 c1 c0 c0 c2 c0 c0 c1 c1 c0 i1 i0 i0 
0 #VelNumVwCfg @0 @7 @6 i320 i200 i200 i120 c1 c0 @4 c0 c16 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d0 d0 @0 d1.5 c1 i100 i0 i250 
0 #CharString i90 *90"APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_OD_SIZE 
0 #CharString i67 *67"APP/D_REF_TST_MAT/D_PH_TST_MAT/A_AUTO_APERTURE_MENU/A_AUTO_APERTURE 
0 #CharString i43 *43"APP/D_CATSEYE_PH_TST_MAT/P_APERTURE_ID_SIZE 
0 #CharString i96 *96"APP/D_PH_REF_TST_B_MAT/D_PH_TST_MAT_B3/A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_OD_SIZE 
0 #CharString i32 *32"APP/P_RAD_SCALE/P_SLIDE_SEQUENCE 
0 #CharString i31 *31"APP/A_RAD_SCALE/A_PART_DIAMETER 
0 #FcPlotVwCfg @0 @0 @0 i355 i193 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i12 d0.25 i2 c1 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i1 i1 i2 c1 i250 c1 i1 d0 d0 c0 c1 i2 f50 f50 f50 f50 i0 i2 i250 c0 d1.5 
0 #ObPlotVwCfg @0 @0 @0 i325 i316 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i0 i0 i12 d12.5 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 d0 i1 d12.5 d12.5 d12.5 i0 c1 c1 i12 c1 i250 c1 i12 d0 
