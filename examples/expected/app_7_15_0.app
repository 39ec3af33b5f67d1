#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #D2PlotVwCfg @0 @0 @0 i188 i70 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c1 c1 i2 c0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d1.5 c1 i100 i0 i250 d12.5 d1.5 i12 d0.25 i2 c1 i0 i1 i1 i2 c1 i0 d0 i0 i0 i1 i0 i0 i0 i1 
0 #CCPlotVwCfg @0 @0 @0 i93 i191 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i1 c0 i2 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i2 i250 c0 d1.5 i12 d0 i0 i0 i12 d12.5 d0 i1 d12.5 d12.5 d12.5 i0 c1 i12 c1 i250 c1 i12 d0 i0 i100 i0 d0 i0 i0 i1 i0 i0 i0 i1 c1 i1 
0 #NumDC @0 @0 i0 d0 i1 i2 i1 c1 d0 c0 d12.5 d1.5 i1 d0.25 c1 i12 i0 i1 d1.5 d0.25 i12 d12.5 $0 c0 i2 d1.5 d0.25 c1 c0 i12 i1 i0 d0.25 i0 i12 i12 c0 d1.5 i0 c0 i0 i100 i100 $0 $0 i100 d0.25 d1.5 i100 c0 i100 i1 d0.25 d0.25 i1 d1.5 c0 d12.5 d12.5 i12 i100 d0 i2 c1 c0 d1.5 i1 d0.25 @0 @0 @0 $0 i0 i0 $0 i0 i0 $0 $0 $0 $0 i0 
0 #StrPC @0 @0 @0 @0 i0 c1 c0 c0 c2 c0 c0 c1 i12 i0 
0 #FName1PC @0 @0 @0 @0 i0 c1 c0 c0 c2 c1 c1 c1 i250 i0 c0 d0 
0 #WinNamePC @0 @0 @0 @0 i0 c1 c0 c0 c2 c0 c1 c1 d0 i0 i12 i12 
0 #CharString i20 *20"APP/D_INTENS_PSD_MAT 
10 #OrdCltn @11 i10 i3 
10 #IdArray i10 $0 @12 @13 @14 @0 @0 @0 @0 @0 @0 @0 
0 #FcCircleVwCfg @9 @0 @0 i405 i190 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d1.5 c0 i250 i12 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i12 c0 c0 c1 d12.5 c1 d12.5 c1 d0 d0 i12 c1 i0 f50 f50 f50 f50 d0.25 i2 i2 c0 i12 i0 
0 #FcCircleVwCfg @9 @0 @0 i325 i317 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i0 i250 i12 i100 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c1 c0 d12.5 i2 d12.5 c0 d1.5 i250 d0 d0 c0 c1 i1 f50 f50 f50 f50 d0.25 d12.5 c0 c1 d0.25 i0 
0 #D2PlotVwCfg @9 @0 @0 i167 i187 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c0 c1 c0 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i100 d0 i12 i0 d0.25 d1.5 i12 d0 i1 d0.25 d12.5 d12.5 c0 i2 i2 i1 i0 i1 i0 i2 c0 c1 d1.5 i100 i0 d0 i0 i0 i1 i0 i0 i0 i1 
10 #OrdCltn @16 i10 i2 
10 #IdArray i10 $0 @17 @18 @0 @0 @0 @0 @0 @0 @0 @0 
0 #ExecVwCfg @0 @0 @0 i124 i33 i200 i120 c1 c0 @0 c0 c0 l65536 d0 @0 
0 #ScriptVwCfg @0 @0 @0 i209 i282 i200 i120 c1 c0 @0 c0 c0 l65536 d12.5 @0 
0 #SelPC @0 @0 @0 @21 i0 c1 c0 c0 c2 @27 @28 i21 i1 i1 c1 c1 
0 #CharString i12 *12"Glint Frame: 
0 #CharString i17 *17"P_GLINT_FRAME_SUB 
0 #CharString i31 *31"APP/P_SYS_ERR/P_GLINT_FRAME_SUB 
0 #SelVwCfg @0 @19 @22 i177 i160 i200 i120 c1 c0 @20 c0 c0 l65536 d0.25 d0 d0.25 c1 
0 #CharString i31 *31"APP/A_SYS_ERR/A_GLINT_FRAME_SUB 
0 #SelVwCfg @0 @19 @24 i362 i72 i200 i120 c1 c0 @20 c0 c0 l65536 c1 i100 d12.5 i0 
0 #CharString i56 *56"APP/D_REF_TST_MAT/P_MASK_ADJUST/P_SHERLOCK/P_BITMAP_FILE 
0 #IntOrdCltn @29 i10 i3 
10 #OrdCltn @30 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @31 @32 @33 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i13 *13"Glintframe TS 
0 #CharString i21 *21"Glintframe Error File 
