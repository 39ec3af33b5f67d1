#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 l65536 c1 c0 i0 i0 s6 s6 s2 i2 @2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 
0 #CharString i12 *12"TessalineApp 
0 #CharString i27 *27"APP/P_PATTERN/P_STITCH_COLS 
0 #CharString i30 *30"APP/P_PATTERN/P_STITCH_OVERLAP 
0 #CharString i26 *26"APP/A_PATTERN/A_STITCH_NUM 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i27 *27"APP/P_PATTERN/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @7 i0 c1 c0 c0 c0 c0 c1 c1 
0 #LnNumVwCfg @0 @9 @8 i320 i200 i200 i120 c1 c0 @6 c0 c7 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d1.5 c1 i100 i0 i250 
0 #CharString i43 *43"APP/D_CATSEYE_PH_TST_MAT/P_APERTURE_ID_SIZE 
0 #CharString i36 *36"APP/D_CONFOCAL_PH_TST_MAT/A_LO_ZCLIP 
0 #FcPlotVwCfg @0 @0 @0 i355 i193 i200 i120 c1 c0 @0 c0 c0 l65536 i12 d0.25 i2 c1 i0 i1 i1 i2 c1 i250 c1 i1 c0 i2 i0 i2 i250 c0 d1.5 
0 #SeidVwCfg @0 @0 @0 i325 i316 i200 i120 c1 c0 @0 c0 c0 l65536 i0 i0 i12 d12.5 
0 #AnnotVwCfg @0 @0 @0 i190 i239 i200 i120 c1 c0 @0 c0 c0 l65536 d12.5 
0 #NumPC @0 @0 @0 @0 i0 c1 c0 c0 c1 c1 c1 i0 
0 #CharString i21 *21"APP/P_MISC/P_OPERATOR 
