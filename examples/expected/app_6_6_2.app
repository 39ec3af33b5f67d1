#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i12 *12"TessalineApp 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #CharString i29 *29"APP/P_STITCH/P_STITCH_OVERLAP 
0 #CharString i25 *25"APP/A_STITCH/A_STITCH_NUM 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @7 i0 c1 c0 c0 c2 c0 c0 c1 c1 c0 i1 i0 i0 
0 #LnNumVwCfg @0 @9 @8 i320 i200 i200 i120 c1 c0 @6 c0 c16 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d0 d0 @0 d1.5 c1 i100 i0 i250 
0 #CharString i82 *82"APP/D_CATSEYE_PH_TST_MAT/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE 
0 #CharString i43 *43"APP/D_CONFOCAL_PH_TST_MAT/A_CLIP/A_LO_ZCLIP 
0 #FcPlotVwCfg @0 @0 @0 i355 i193 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i12 d0.25 i2 c1 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i1 i1 i2 c1 i250 c1 i1 d0 d0 c0 c1 i2 f50 f50 f50 f50 i0 i2 i250 c0 d1.5 
0 #SeidVwCfg @0 @0 @0 i325 i316 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i0 i0 i12 d12.5 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i3 
0 #AnnotVwCfg @0 @0 @0 i190 i239 i200 i120 c1 c0 @0 c0 c0 l65536 d12.5 @0 
0 #NumPC @0 @0 @0 @0 i0 c1 c0 c0 c2 c1 c1 c1 i0 c0 i1 i0 i0 
0 #CharString i21 *21"APP/P_MISC/P_OPERATOR 
