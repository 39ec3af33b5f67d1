#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #SelPC @0 @0 @0 @5 i0 c1 c0 c0 c2 @42 @43 i7 i0 i0 c1 c1 
0 #CharString i10 *10"Auto Save: 
0 #CharString i21 *21"P_AUTO_SAVE_PROC_DATA 
0 #CharString i25 *25"APP/P_AUTO_SAVE_PROC_DATA 
0 #SelVwCfg @0 @3 @6 i311 i165 i200 i120 c1 c0 @4 c0 c0 l65536 c0 i1 d12.5 c0 
0 #BoolPC @0 @0 @0 @10 i0 c1 c0 c0 c2 c1 c1 c1 
0 #CharString i11 *11"Auto Scale: 
0 #CharString i12 *12"P_AUTO_SCALE 
0 #CharString i26 *26"APP/P_DISPLAY/P_AUTO_SCALE 
0 #BoolVwCfg @0 @8 @11 i25 i128 i200 i120 c1 c0 @9 c0 c0 l65536 c1 c0 d1.5 c1 i100 
0 #SelPC @0 @0 @0 @15 i0 c1 c0 c0 c2 @49 @50 i7 i0 i1 c1 c1 
0 #CharString i8 *8"Logging: 
0 #CharString i13 *13"P_LOG_RESULTS 
0 #CharString i23 *23"APP/P_LOG/P_LOG_RESULTS 
0 #SelVwCfg @0 @13 @16 i355 i193 i200 i120 c1 c0 @14 c0 c0 l65536 d0.25 i2 c1 i0 
0 #QDasReportVwCfg @0 @0 @0 i20 i20 i400 i300 c1 c0 @0 c0 @0 @0 l65536 i1 i1 i2 c1 i250 c1 i1 c0 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i2 @21 i0 i2 i250 c0 d1.5 @19 @20 @0 
7 #IdArray i7 $0 @22 @23 @24 @25 @26 @27 @28 
9 #IdArray i9 $0 @29 @30 @31 @32 @33 @34 @35 @36 @38 
6 #IdArray i6 $0 @22 @23 @24 @25 @39 @0 
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
0 #D3SModelPlotVwCfg @0 @0 @0 i325 i316 i200 i120 c1 c0 @0 c0 c0 l65536 i0 i0 i12 d12.5 d0 i1 d12.5 d12.5 d12.5 i0 c1 i12 c1 i250 c1 i12 d0 i0 i100 c1 i0 d0 i1 i2 i1 c1 d0 c0 d12.5 d1.5 i1 d0.25 c1 i12 i0 i1 d1.5 d0.25 i12 d12.5 c0 i2 d1.5 d0.25 c1 
0 #NumPC @0 @0 @0 @0 i0 c1 c0 c0 c2 i0 c1 c1 i1 c0 i1 i0 i0 
0 #IntOrdCltn @44 i10 i3 
10 #OrdCltn @45 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @46 @47 @48 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i2 *2"On 
0 #CharString i7 *7"On Load 
0 #IntOrdCltn @51 i10 i3 
10 #OrdCltn @52 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @53 @54 @55 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i2 *2"On 
0 #CharString i7 *7"On Load 
