# Upgrade steps 6.5 to 7.3: files of 6.5 are brought up to 7.4.0.

# Types that gained the four app66fields in 6.7 (the header has its own rule).
set app66list {
    #StdVwCfg #D2CntrlPnlCfg #CCCntrlPnlCfg #D3CntrlPnlCfg #DataVwCfg
    #IsoVwCfg #FcCntrlPnlCfg #MtfTableVwCfg #ObCntrlPnlCfg #ParamVwCfg
    #PlotVwCfg #D2PlotVwCfg #CCPlotVwCfg #MatPlotVwCfg #D3PlotVwCfg
    #FcPlotVwCfg #ObPlotVwCfg #SdPlotVwCfg #SlcPlotVwCfg #ProcessVwCfg
    #ReportVwCfg #SdCntrlPnlCfg #SeidVwCfg #StatsVwCfg #AdvTxtStatsVwCfg
    #ProcStatsVwCfg #SlcStatsVwCfg #VistaStatsVwCfg #VidMonVwCfg #ZernVwCfg
}
set app66fields {c1 c0 l262148 l1310748}

# Stitching parameters moved to their own group in 6.7.
set rename_tables(6.6) [rename_block _PATTERN/ {
    "APP/P_PATTERN/P_STITCH_COLS "    APP/P_STITCH/P_STITCH_COLS
    "APP/P_PATTERN/P_STITCH_ROWS "    APP/P_STITCH/P_STITCH_ROWS
    "APP/P_PATTERN/P_STITCH_OVERLAP " APP/P_STITCH/P_STITCH_OVERLAP
    "APP/P_PATTERN/P_STITCH_X_SIZE "  APP/P_STITCH/P_STITCH_X_SIZE
    "APP/P_PATTERN/P_STITCH_Y_SIZE "  APP/P_STITCH/P_STITCH_Y_SIZE
    "APP/A_PATTERN/A_STITCH_COLS "    APP/A_STITCH/A_STITCH_COLS
    "APP/A_PATTERN/A_STITCH_ROWS "    APP/A_STITCH/A_STITCH_ROWS
    "APP/A_PATTERN/A_STITCH_OVERLAP " APP/A_STITCH/A_STITCH_OVERLAP
    "APP/A_PATTERN/A_STITCH_X_SIZE "  APP/A_STITCH/A_STITCH_X_SIZE
    "APP/A_PATTERN/A_STITCH_Y_SIZE "  APP/A_STITCH/A_STITCH_Y_SIZE
    "APP/A_PATTERN/A_STITCH_NUM "     APP/A_STITCH/A_STITCH_NUM
}]

# Slider taper, proximity, pad controls grouped in 7.2; D_RMS, D_PV renamed.
set rename_tables(7.1) [concat [rename_block APP/D_MH_SLIDER_ALL_MAT/ {
    "APP/D_MH_SLIDER_ALL_MAT/P_TAPER_MODE "
        APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_MODE
    "APP/D_MH_SLIDER_ALL_MAT/P_TAPER_LOCATION "
        APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_LOCATION
    "APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CUT_THICKNESS "
        APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_CUT_THICKNESS
    "APP/D_MH_SLIDER_ALL_MAT/P_PROX_LEN "
        APP/D_MH_SLIDER_ALL_MAT/P_PROXIMITY_CTRL/P_PROX_LEN
    "APP/D_MH_SLIDER_ALL_MAT/P_PROX_FILTER "
        APP/D_MH_SLIDER_ALL_MAT/P_PROXIMITY_CTRL/P_PROX_FILTER
    "APP/D_MH_SLIDER_ALL_MAT/P_PROX_OVERLAP "
        APP/D_MH_SLIDER_ALL_MAT/P_PROXIMITY_CTRL/P_PROX_OVERLAP
    "APP/D_MH_SLIDER_ALL_MAT/P_PADS "
        APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PADS
    "APP/D_MH_SLIDER_ALL_MAT/P_PAD_FIT "
        APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PAD_FIT
    "APP/D_MH_SLIDER_ALL_MAT/P_PAD_CUTOFF "
        APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PAD_CUTOFF
    "APP/D_MH_SLIDER_ALL_MAT/P_PAD_TRIM "
        APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PAD_TRIM
    "APP/D_MH_SLIDER_ALL_MAT/P_ABS_PAD_TRIM "
        APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_ABS_PAD_TRIM
}] [rename_block "APP/D_REF_TST_MAT/D_RMS " {
    "APP/D_REF_TST_MAT/D_RMS "         APP/D_REF_TST_MAT/D_RMS_TEST
}] [rename_block "APP/D_REF_TST_MAT/D_PV_ATTR/D_PV " {
    "APP/D_REF_TST_MAT/D_PV_ATTR/D_PV " APP/D_REF_TST_MAT/D_PV_ATTR_TEST/D_PV
}]]

# Trailing-edge controls grouped in 7.3; a taper control and D_RAD_CURV moved.
set rename_tables(7.2) [concat [rename_block APP/D_MH_SLIDER_ALL_MAT/P_ {
    "APP/D_MH_SLIDER_ALL_MAT/P_POLE_TIP_CUT "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_POLE_TIP_CUT
    "APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_EDGE_LOC "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TRAIL_EDGE_LOC
    "APP/D_MH_SLIDER_ALL_MAT/P_TRAILING_EDGE_FIT "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TRAILING_EDGE_FIT
    "APP/D_MH_SLIDER_ALL_MAT/P_LOPOFF_PERCENT "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_LOPOFF_PERCENT
    "APP/D_MH_SLIDER_ALL_MAT/P_MR_POLE "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_MR_POLE
    "APP/D_MH_SLIDER_ALL_MAT/P_TE_DIST_CTRL/P_TED_START "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TE_DIST_CTRL/P_TED_START
    "APP/D_MH_SLIDER_ALL_MAT/P_TE_DIST_CTRL/P_TED_END "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TE_DIST_CTRL/P_TED_END
    "APP/D_MH_SLIDER_ALL_MAT/P_TE_DIST_CTRL/P_TED_FIT "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TE_DIST_CTRL/P_TED_FIT
    "APP/D_MH_SLIDER_ALL_MAT/P_TE_DIST_CTRL/P_TED_LOC "
        APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_TE_DIST_CTRL/P_TED_LOC
    "APP/D_MH_SLIDER_ALL_MAT/P_CONNECT_TAPER_LAST "
        APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_CONNECT_TAPER_LAST
}] [rename_block D_RAD_CURV {
    "APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RAD_CURV "
        APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RADCRV/D_RADCRV
}]]
# The phase slice results moved under the phase matrix; a prefix rename.
set rename_tables(7.2,prefix) [rename_block APP/D_PH_SLC {
    APP/D_PH_SLC APP/D_PH_MAT/D_PH_SLC
}]

# The versions whose faulty scale and plot values step 7.1 repairs, and the
# record types it repairs.
set repair71_versions {7.1.0 7.1.1 7.1.2 7.1.3 7.1.4 7.1.5 7.1.6 7.1.7 7.1.8}
set repair71_types {
    #ScalarLinMapMgr #ObPlotVwCfg #FcPlotVwCfg #D2PlotVwCfg #CCPlotVwCfg
}

# By plot type: token ranges and the full-scale values written over each.
set repair71_plots {
    #D2PlotVwCfg {
        31 35 {c0 c0 d0 c0 d0}
        36 40 {c0 c0 d0 c0 d0}
        41 47 {c2 c1 c0 c0 c0 c0 c0}
    }
    #CCPlotVwCfg {
        31 35 {c0 c0 d0 c0 d0}
        36 40 {c0 c0 d0 c0 d0}
        41 48 {c2 c1 c0 c0 c0 c0 c0 c3}
    }
}

# By plot type: least token count, the two z-range tokens set to HUGE_FLOAT.
set repair71_zrange {
    #ObPlotVwCfg {33 {33 35}}
    #FcPlotVwCfg {37 {35 37}}
}

upgrade_step 6.5 6.6.0 {}

# Step 6.6: stitching paths renamed; app66list and the header get the four
# fields; the header's version is rewritten first, in its 34-token layout.
upgrade_step 6.6 6.7.0 {
    #CharString    {renames patch_path 6.6}
    $app66list     {insert 19 $app66fields}
    #AppVwCfg      {version ; insert 19 $app66fields}
}

upgrade_step 6.7 7.0.0 {}

# Step 7.0: annotations and numeric controls get one new field.
upgrade_step 7.0 7.1.0 {
    #AnnotVwCfg    {append @0}
    #NumPC         {append c0}
}
# repair71 --
#   Takes a record variable's name; writes sound values over the scale and
#   plot settings 7.1.0 to 7.1.8 stored wrongly; a record too short stays.
proc repair71 {list} {
    upvar 1 $list l
    global repair71_plots repair71_zrange HUGE_FLOAT
    set type [rec_type $l]
    if {$type eq "#ScalarLinMapMgr"} {
        tok_replace l 4 4 c0
    } elseif {[dict exists $repair71_zrange $type]} {
        lassign [dict get $repair71_zrange $type] least positions
        set n [rec_len $l]
        if {$n >= $least && $n > [lindex $positions end]} {
            foreach pos $positions {
                tok_replace l $pos $pos $HUGE_FLOAT
            }
        }
    } elseif {[dict exists $repair71_plots $type]} {
        set ranges [dict get $repair71_plots $type]
        # Too short for the last range: not the layout these values fit.
        if {[rec_len $l] > [lindex $ranges end-2]} {
            foreach {first last toks} $ranges {
                tok_replace l $first $last {*}$toks
            }
        }
    }
    return
}

# repair71_applies --
#   Takes a file's original version; returns 1 when step 7.1 repairs its
#   values, else 0 (kept per version, not compared again for each record).
proc repair71_applies {ver} {
    global repair71_versions repair71_known
    if {![info exists repair71_known($ver)]} {
        set repair71_known($ver) 0
        foreach v $repair71_versions {
            if {[compare_versions $ver $v] == 0} {
                set repair71_known($ver) 1
                break
            }
        }
    }
    return $repair71_known($ver)
}

# header_i3 --
#   Takes the header's variable name (38 tokens, version 7.2.0 just
#   written); gives it the 39-token layout: "i3" after the version, the type
#   reference kept at token 27 (four after the major), where every later
#   layout looks for it, and the token that stood between the two after it.
#   A header of another length only gets "i3" before token 26.
proc header_i3 {list} {
    upvar 1 $list l
    if {[rec_len $l] == 38} {
        tok_replace l 26 27 i3 [rec_tok $l 27] [rec_tok $l 26]
    } else {
        tok_insert l 26 i3
    }
    return
}

# Step 7.1: 7.1.0 to 7.1.8 files repaired; controls get their menu field,
# slider paths regrouped, the header gets its 39-token layout.
upgrade_step 7.1 7.2.0 {
    $repair71_types {also when {[repair71_applies $orig_ver_xyz]} call repair71}
    *PC            {also insert 10 c2}
    #CharString    {renames patch_path 7.1}
    #AppVwCfg      {version ; call header_i3}
}

# Step 7.2: trailing-edge paths regrouped, phase slice results moved.
upgrade_step 7.2 7.3.0 {
    #CharString    {renames patch_path 7.2 ; renames modify_path 7.2,prefix}
}

# zernike_paths --
#   Takes a string record variable's name; moves its D_ZERN_POLY path under
#   D_ZERNIKES, unless the record holds D_ZERNIKES/D_ZERN_POLY already, and
#   renames its first P_COEFS_16_35 to P_COEFS_16_36.
proc zernike_paths {list} {
    upvar 1 $list l
    if {[string first D_ZERNIKES/D_ZERN_POLY $l] < 0} {
        modify_path l D_ZERN_POLY D_ZERNIKES/D_ZERN_POLY
    }
    # Same length: a plain text replacement keeps the length token.
    set at [string first P_COEFS_16_35 $l]
    if {$at >= 0} {
        set l [string replace $l $at [expr {$at + 12}] P_COEFS_16_36]
    }
    return
}

# Step 7.3: Seidel and Zernike views get a field; zernike_paths for strings.
upgrade_step 7.3 7.4.0 {
    {#SeidVwCfg #ZernVwCfg} {len != 24 append i3}
    #CharString    {holds {D_ZERN_POLY P_COEFS_16_35} call zernike_paths}
}
