#AsciiFiler 1 
0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 @0 l65536 c1 c0 i0 i0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 s8 s3 s3 i3 @2 i2 c1 i250 c0 i0 c0 c0 d0.25 d0 i0 i0 i0 i0 
0 #CharString i10 *10"SurfaceApp 
0 #SelPC @0 @0 @0 @5 i0 c1 c0 c0 c2 @110 @111 i7 i0 i0 c1 c1 
0 #CharString i10 *10"Auto Save: 
0 #CharString i21 *21"P_AUTO_SAVE_PROC_DATA 
0 #CharString i25 *25"APP/P_AUTO_SAVE_PROC_DATA 
0 #SelVwCfg @0 @3 @6 i311 i165 i200 i120 c1 c0 @4 c0 c0 l65536 c0 i1 d12.5 c0 
0 #CharString i15 *15"Stitch Columns: 
0 #CharString i13 *13"P_STITCH_COLS 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #NumPC @0 @0 @0 @9 i0 c1 c0 c0 c2 c1 c1 c1 i1 c0 i1 i0 i0 
0 #LnNumVwCfg @0 @11 @10 i83 i238 i200 i120 c1 c0 @8 c0 c18 l65536 d1.5 c1 i100 i0 i250 d12.5 d1.5 i12 d0.25 d0 d0 @0 i2 c1 i0 i1 i1 
0 #CharString i18 *18"Segmentation Mode: 
0 #CharString i19 *19"P_SEGMENTATION_MODE 
0 #CharString i52 *52"APP/D_REF_TST_MAT/P_SEGMENTATION/P_SEGMENTATION_MODE 
0 #NumPC @0 @0 @0 @14 i0 c1 c0 c0 c2 i0 c1 c1 i250 c0 i1 i0 i0 
0 #NumVwCfg @0 @16 @15 i49 i238 i200 i120 c1 c0 @13 c0 c1 l65536 i2 i0 i2 i250 c0 d1.5 i12 d0 i0 d0 d0 @0 
0 #CharString i11 *11"Peak Count: 
0 #CharString i15 *15"P_TEST_PEAK_NUM 
0 #CharString i55 *55"APP/D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_PEAK_NUM 
0 #NumPC @0 @0 @0 @19 i0 c1 c0 c0 c2 i0 c1 c1 d12.5 c0 i1 i0 i0 
0 #HtNumVwCfg @0 @21 @20 i39 i255 i200 i120 c1 c0 @18 c0 c18 l65536 d12.5 d12.5 i0 c1 i12 c1 i250 c1 i12 d0 d0 @0 d0 i0 i100 c1 i0 d0 
0 #CharString i10 *10"Taper Cut: 
0 #CharString i21 *21"P_TAPER_CUT_THICKNESS 
0 #CharString i58 *58"APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_CUT_THICKNESS 
0 #NumPC @0 @0 @0 @24 i0 c1 c0 c0 c2 c1 c0 c1 i1 c0 i1 i0 i0 
0 #SlNumVwCfg @0 @26 @25 i296 i204 i200 i120 c1 c0 @23 c0 c5 l65536 d12.5 d1.5 i1 d0.25 c1 i12 i0 i1 d1.5 d0 d0 @0 d0.25 i12 d12.5 c0 i2 d1.5 d0.25 c1 
0 #CharString i9 *9"Low Clip: 
0 #CharString i10 *10"P_LO_ZCLIP 
0 #CharString i48 *48"APP/D_REF_TST_MAT/D_PH_TST_MAT/P_CLIP/P_LO_ZCLIP 
0 #NumPC @0 @0 @0 @29 i0 c1 c0 c0 c2 i0 c1 c1 i1 c0 i1 i0 i0 
0 #UNumVwCfg @0 @31 @30 i412 i150 i200 i120 c1 c0 @28 c0 c38 l65536 i12 i12 c0 d1.5 i0 c0 i0 i100 i100 d0 d0 @0 i100 d0.25 d1.5 
0 #CharString i26 *26"APP/P_STITCH/P_STITCH_COLS 
0 #CharString i25 *25"APP/A_STITCH/A_STITCH_NUM 
0 #CharString i49 *49"APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_MODE 
0 #CharString i47 *47"APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_MR_POLE 
0 #CharString i34 *34"APP/D_PH_MAT/D_PH_SLC/D_PH_SLC_RMS 
0 #CharString i48 *48"APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RADCRV/D_RADCRV 
0 #CharString i33 *33"APP/D_SURF/D_ZERNIKES/D_ZERN_POLY 
0 #CharString i24 *24"APP/P_ZERN/P_COEFS_16_36 
0 #CharString i40 *40"APP/D_REF_TST_MAT/P_FILTER/P_FILTER_TYPE 
0 #CharString i54 *54"APP/D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TST_MASK_LO 
0 #CharString i90 *90"APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_OD_SIZE 
0 #CharString i32 *32"APP/P_RAD_SCALE/P_SLIDE_SEQUENCE 
0 #CharString i50 *50"APP/D_REF_TST_MAT/D_PH_TST_MAT_3/P_CLIP/P_HI_ZCLIP 
0 #CharString i56 *56"APP/D_REF_TST_MAT/P_MASK_ADJUST/P_SHERLOCK/P_BITMAP_FILE 
0 #BoolPC @0 @0 @0 @49 i0 c1 c0 c0 c2 c0 c0 c1 
0 #CharString i10 *10"Show Grid: 
0 #CharString i11 *11"P_SHOW_GRID 
0 #CharString i25 *25"APP/P_DISPLAY/P_SHOW_GRID 
0 #BoolVwCfg @0 @47 @50 i256 i229 i200 i120 c1 c0 @48 c0 c0 l65536 d0.25 d0.25 i1 d1.5 c0 
0 #SelPC @0 @0 @0 @54 i0 c1 c0 c0 c2 @117 @118 i7 i1 i1 c1 c1 
0 #CharString i8 *8"Logging: 
0 #CharString i13 *13"P_LOG_RESULTS 
0 #CharString i23 *23"APP/P_LOG/P_LOG_RESULTS 
0 #SelVwCfg @0 @52 @55 i331 i166 i200 i120 c1 c0 @53 c0 c0 l65536 i2 c1 c0 d1.5 
0 #FcPlotVwCfg @0 @0 @0 i337 i156 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c0 c0 i12 d1.5 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i0 i250 c0 d0 i0 i1 d0 i12 d0 d0 i12 c1 i0 f50 f50 f50 f50 i100 d1.5 c0 i250 i12 
0 #ObPlotVwCfg @0 @0 @0 i127 i132 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c0 c1 d12.5 c1 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 d12.5 c1 i12 i0 d0.25 i2 c1 i2 c0 i12 i0 i12 i0 i250 
0 #CCPlotVwCfg @0 @0 @0 i71 i226 i200 i120 c1 c0 @0 c0 @0 c0 l65536 c1 c0 d12.5 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 d12.5 c0 d1.5 i250 c0 i1 d0.25 d12.5 c0 c1 d0.25 i1 d12.5 c0 c1 c0 i2 i0 i100 d0 i12 i0 d0.25 d1.5 i12 i0 d0 i0 i0 i1 i0 i0 i0 i1 d0 i1 
0 #D2PlotVwCfg @0 @0 @0 i89 i268 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d12.5 d12.5 c0 i2 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i2 i1 i0 i1 i0 i2 c0 c1 d1.5 i100 i250 d1.5 i12 d1.5 d0.25 c0 i12 d0 c1 i100 d12.5 d12.5 i250 c1 d0.25 i0 d0 i0 i0 i1 i0 i0 i0 i1 
0 #D3SModelPlotVwCfg @0 @0 @0 i245 i206 i200 i120 c1 c0 @0 c0 c0 l65536 d0 d0.25 c1 i0 i2 c0 c1 i100 d12.5 i0 d12.5 i12 d12.5 i0 i1 d1.5 d12.5 d0.25 c0 d1.5 i100 i0 i1 i0 i0 d12.5 i0 d1.5 i250 i0 d0 i12 i12 i2 i2 d270 d315 d0 d45 d90 d135 d180 d90 d90 d90 d90 d90 d90 d90 d100 d100 d100 d100 d100 d100 d100 d0 d0 d0 d0 d12.5 i100 i2 c0 i0 d0 d12.5 c0 d0 i12 i0 i1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 i1 i0 i0 i0 i0 i0 i0 i0 c0 i0 d0 i0 d0 i0 i0 i0 i0 i0 i0 
0 #SeidVwCfg @0 @0 @0 i129 i92 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i100 i2 c0 d1.5 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i3 
0 #VistaStatsVwCfg @0 @0 @0 i191 i212 i200 i120 c1 c0 @0 c0 c0 l65536 d0 i2 d0 i1 c1 c0 l262148 l1310748 i100 d0 i0 d0.25 i0 
0 #AnnotVwCfg @0 @0 @0 i43 i225 i200 i120 c1 c0 @0 c0 c0 l65536 c1 @0 
0 #PanelButtonVwCfg @0 @0 @0 i10 i10 i80 i24 c1 c0 @0 c0 @0 i0 i0 c1 @0 @0 @0 @0 c2 i0 
0 #NumDC @0 @0 d0 d1.5 c0 d0.25 c1 i250 i0 i2 c0 i250 d0.25 c0 c0 i2 c0 i2 c0 d0 i0 c0 $0 c0 i12 i250 i250 i100 i250 d12.5 c0 i0 d0 c0 d12.5 d12.5 c0 c0 i2 d12.5 c0 i2 c0 $0 $0 i100 c0 d1.5 c0 i2 i250 i12 i100 i250 i0 i250 c0 i2 i1 d12.5 i250 i100 i100 i250 d0.25 i250 d12.5 i100 @0 @0 @0 $0 i0 i0 $0 i0 i0 $0 $0 $0 $0 i0 
0 #LimitsMgr i12 i0 i250 i12 i0 i0 i0 i1 d0.25 i12 d0 d0 d0 i0 i0 c0 c0 c0 d0 d0 d0 i0 i0 c0 c0 c0 
0 #SelPC @0 @0 @0 @0 i0 c1 c0 c0 c2 i1 c0 c1 c0 i12 c0 c1 
0 #StrPC @0 @0 @0 @0 i0 c1 c0 c0 c2 i0 c0 c1 c1 i0 
0 #FName1PC @0 @0 @0 @0 i0 c1 c0 c0 c2 c1 c1 c1 d0 i0 i12 i2 
0 #QDasReportVwCfg @0 @0 @0 i20 i20 i400 i300 c1 c0 @0 c0 @0 @0 l65536 i0 i1 i12 d1.5 d0 c0 i100 d0 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 d12.5 @74 d12.5 i0 d0 i0 i0 @72 @73 @0 
7 #IdArray i7 $0 @75 @76 @77 @78 @79 @80 @81 
9 #IdArray i9 $0 @82 @83 @84 @85 @86 @87 @88 @89 @91 
6 #IdArray i6 $0 @75 @76 @77 @78 @92 @0 
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
0 #CharString i20 *20"APP/D_INTENS_PSD_MAT 
10 #OrdCltn @95 i10 i3 
10 #IdArray i10 $0 @96 @97 @98 @0 @0 @0 @0 @0 @0 @0 
0 #FcCircleVwCfg @93 @0 @0 i210 i244 i200 i120 c1 c0 @0 c0 @0 c0 l65536 d12.5 d0 i1 i100 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c0 i0 c1 i12 i2 i0 i2 c0 d0 d0 i0 c1 c0 f50 f50 f50 f50 d1.5 d1.5 c1 c1 i1 i0 
0 #FcCircleVwCfg @93 @0 @0 i200 i196 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i2 c0 i100 c0 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 i1 d0 d1.5 c0 i1 i2 i1 c0 d0 d0 d0 c1 i1 f50 f50 f50 f50 i0 i1 d0.25 i12 i100 i0 
0 #D2PlotVwCfg @93 @0 @0 i269 i222 i200 i120 c1 c0 @0 c0 @0 c0 l65536 i2 d1.5 d0 i1 c1 c0 l262148 l1310748 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0 c1 i0 d12.5 i0 i2 d1.5 i12 d0 c0 i12 c0 i250 i2 i0 i0 i0 d1.5 d0 d0 d0 i0 c1 d12.5 d0.25 d0.25 i0 d0 i0 i0 i1 i0 i0 i0 i1 
10 #OrdCltn @100 i10 i2 
10 #IdArray i10 $0 @101 @102 @0 @0 @0 @0 @0 @0 @0 @0 
0 #ExecVwCfg @0 @0 @0 i267 i99 i200 i120 c1 c0 @0 c0 c0 l65536 i0 @0 
0 #ScriptVwCfg @0 @0 @0 i151 i212 i200 i120 c1 c0 @0 c0 c0 l65536 i1 @0 
0 #SelPC @0 @0 @0 @105 i0 c1 c0 c0 c2 @124 @125 i21 i0 i0 c1 c1 
0 #CharString i12 *12"Glint Frame: 
0 #CharString i17 *17"P_GLINT_FRAME_SUB 
0 #CharString i31 *31"APP/P_SYS_ERR/P_GLINT_FRAME_SUB 
0 #SelVwCfg @0 @103 @106 i326 i260 i200 i120 c1 c0 @104 c0 c0 l65536 c0 d1.5 i250 i250 
0 #CharString i31 *31"APP/A_SYS_ERR/A_GLINT_FRAME_SUB 
0 #SelVwCfg @0 @103 @108 i34 i165 i200 i120 c1 c0 @104 c0 c0 l65536 c1 d0.25 i0 c0 
0 #IntOrdCltn @112 i10 i3 
10 #OrdCltn @113 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @114 @115 @116 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i2 *2"On 
0 #CharString i7 *7"On Load 
0 #IntOrdCltn @119 i10 i3 
10 #OrdCltn @120 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @121 @122 @123 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i2 *2"On 
0 #CharString i7 *7"On Load 
0 #IntOrdCltn @126 i10 i3 
10 #OrdCltn @127 i10 i3 
10 #IntArray i10 $0 i0 i1 i2 i0 i0 i0 i0 i0 i0 i0 
10 #IdArray i10 $0 @128 @129 @130 @0 @0 @0 @0 @0 @0 @0 
0 #CharString i3 *3"Off 
0 #CharString i13 *13"Glintframe TS 
0 #CharString i21 *21"Glintframe Error File 
