#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 s7 s4 s0 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 
0 #CharString i11 *11"PhChReflApp 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @4 i0 c1 c0 c0 c2 c0 c0 c1 c1 c0 
0 #LnNumVwCfg @0 @6 @5 i320 i200 i200 i120 c1 c0 @3 c0 c7 l65536 i1 d12.5 c0 d12.5 i0 i1 i2 c1 c0 d1.5 c1 i100 i0 i250 
0 #FcPlotVwCfg @0 @0 @0 i355 i193 i200 i120 c1 c0 @0 c0 c0 l65536 i12 d0.25 i2 c1 c1 c0 l262148 l1310748 i0 i1 i1 i2 c1 i250 c1 i1 c0 i2 i0 i2 i250 c0 d1.5 
