#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s0 s2 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #CharString i45 *45"APP/D_REF_TST_MAT/P_MASK_ADJUST/P_BITMAP_FILE 
0 #CharString i52 *52"APP/D_REF_TST_MAT/A_MASK_ADJUST/A_INVESTIGATION_FILE 
0 #BoolPC @0 @0 @0 @7 i0 c1 c0 c0 c2 c0 c0 c1 
0 #CharString i12 *12"Glint Frame: 
0 #CharString i17 *17"P_GLINT_FRAME_SUB 
0 #CharString i31 *31"APP/P_SYS_ERR/P_GLINT_FRAME_SUB 
0 #BoolVwCfg @0 @5 @8 i311 i165 i200 i120 c1 c0 @6 c0 c0 l65536 i2 c0 i1 d12.5 c0 
0 #CharString i31 *31"APP/A_SYS_ERR/A_GLINT_FRAME_SUB 
0 #BoolVwCfg @0 @5 @10 i225 i129 i200 i120 c1 c0 @6 c0 c0 l65536 i1 i2 c1 c0 d1.5 
0 #ActVwCfg @0 @0 @0 i243 i196 i200 i120 c1 c0 @0 c0 c0 l65536 i0 @0 
10 #OrdCltn @14 i10 i3 
10 #IdArray i10 $0 @18 @19 @20 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i20 *20"APP/B_DYNAMIC/B_TEST 
0 #ButtonPC @0 @0 @0 @15 i0 c1 c0 c0 c2 c1 c1 c1 
0 #CharString i12 *12"Dynamic Test 
0 #ActVwCfg @0 @16 @15 i193 i53 i200 i120 c1 c0 @17 c0 c0 l65536 d0.25 @0 
0 #ExecVwCfg @0 @0 @0 i68 i233 i200 i120 c1 c0 @0 c0 c0 l65536 i0 @0 
0 #ScriptVwCfg @0 @0 @0 i247 i105 i200 i120 c1 c0 @0 c0 c0 l65536 i2 @0 
0 #D2PlotVwCfg @0 @0 @0 i335 i93 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c1 i1 c0 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i2 i250 c0 d1.5 i12 d0 i0 i0 i12 d12.5 d0 i1 d12.5 d12.5 d12.5 i0 c1 i12 c1 i250 c1 i12 d0 i0 i0 d0 i0 i0 i1 i0 i0 
0 #CCPlotVwCfg @0 @0 @0 i96 i211 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i0 d0 i1 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i1 c1 d0 c0 d12.5 d1.5 i1 d0.25 c1 i12 i0 i1 d1.5 d0.25 i12 d12.5 c0 i2 d1.5 d0.25 c1 c0 i12 i1 i0 i0 d0 i0 i0 i1 i0 i0 d0.25 i1 
