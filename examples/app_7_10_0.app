#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s7 s10 s0 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 
0 #CharString i12 *12"TessalineApp 
0 #CharString i72 *72"APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_AUTO_APERTURE_MENU/P_APERTURE_OD_SIZE 
0 #CharString i64 *64"APP/D_CATSEYE_PH_TST_MAT/P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE 
0 #CharString i43 *43"APP/D_REF_TST_MAT/D_PH_TST_MAT_3/P_HI_ZCLIP 
0 #CharString i36 *36"APP/D_CONFOCAL_PH_TST_MAT/A_LO_ZCLIP 
0 #CharString i9 *9"Aperture: 
0 #CharString i18 *18"P_APERTURE_ID_SIZE 
0 #CharString i72 *72"APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE 
0 #NumPC @0 @0 @0 @8 i0 c1 c0 c0 c2 c0 c0 c1 c1 c0 
0 #VelNumVwCfg @0 @10 @9 i320 i200 i200 i120 c1 c0 @7 c0 c16 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d0 d0 @0 d1.5 c1 i100 i0 i250 
0 #CharString i9 *9"Low Clip: 
0 #CharString i10 *10"P_LO_ZCLIP 
0 #CharString i41 *41"APP/D_REF_TST_MAT/D_PH_TST_MAT/P_LO_ZCLIP 
0 #NumPC @0 @0 @0 @13 i0 c1 c0 c0 c2 i1 c1 c1 i12 c0 
0 #UNumVwCfg @0 @15 @14 i68 i233 i200 i120 c1 c0 @12 c0 c5 l65536 i0 i1 i1 i2 c1 i250 c1 i1 c0 d0 d0 @0 i2 i0 i2 
0 #CharString i54 *54"APP/D_PH_REF_TST_B_MAT/D_PH_TST_MAT_B3/A_APERTURE_SIZE 
