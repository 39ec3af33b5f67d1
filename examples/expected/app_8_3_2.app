#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #D3SModelPlotVwCfg @0 @0 @0 i188 i70 i200 i120 c1 c0 @0 c0 c0 l65536 c1 c1 i2 c0 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d1.5 c1 i100 i0 i250 d12.5 d1.5 i12 d0.25 i2 c1 i0 i1 i1 i2 c1 i250 c1 i1 c0 i2 i0 d270 d315 d0 d45 d90 d135 d180 d90 d90 d90 d90 d90 d90 d90 d100 d100 d100 d100 d100 d100 d100 d0 d0 d0 d0 i2 i250 c0 d1.5 i12 d0 i0 i0 i12 d12.5 i0 i1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 i1 i0 i0 i0 i0 i0 i0 i0 c0 i0 d0 i0 d0 i0 i0 i0 i0 i0 i0 
0 #FcPlotVwCfg @0 @0 @0 i190 i239 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d12.5 d12.5 d12.5 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c1 i12 c1 i250 c1 i12 d0 i0 d0 d0 i100 c1 c1 f50 f50 f50 f50 i0 d0 i1 i2 i1 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @6 i0 c1 c0 c0 c2 i1 c0 c1 c0 c0 i1 i0 i0 
0 #LnNumVwCfg @0 @8 @7 i37 i117 i200 i120 c1 c0 @5 c0 c1 l65536 d0.25 c1 i12 i0 i1 d1.5 d0.25 i12 d12.5 d0 d0 @0 c0 i2 d1.5 d0.25 c1 
