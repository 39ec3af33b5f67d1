#AsciiFiler 1 
0 #AppVwCfg c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 d0.25 i2 c1 c1 i2 c0 i1 d12.5 c0 d12.5 
0 #CharString i10 *10"SurfaceApp 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i27 *27"APP/P_PATTERN/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @4 i0 c1 c0 c0 c1 c1 c1 i2 
0 #LnNumVwCfg @0 @6 @5 i238 i165 i200 i120 c1 c0 @3 c0 c48 l65536 c1 i100 i0 i250 d12.5 d1.5 i12 d0.25 i2 c1 i0 i1 i1 i2 
0 #FcPlotVwCfg @0 @0 @0 i335 i93 i200 i120 c1 c0 @0 c0 c0 l65536 c1 i1 c0 i2 i0 i2 i250 c0 d1.5 i12 d0 i0 i0 i12 d12.5 d0 i1 d12.5 d12.5 
