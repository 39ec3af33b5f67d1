# Upgrade steps 7.8.1 and 7.9.0: automatic-aperture parameters move into
# their menu group, five miscellaneous parameters into the radius-scale
# group; files reach 7.10.0.

# The aperture renames of 7.8.1 under one matrix path: side P in rows 1 to
# 3, side A in rows 4 to 6 (old and new tails end in a blank).
set aperture781_p {
    "P_AUTO_APERTURE "    "P_AUTO_APERTURE_MENU/P_AUTO_APERTURE "
    "P_APERTURE_SIZE "    "P_AUTO_APERTURE_MENU/P_APERTURE_OD_SIZE "
    "P_APERTURE_ID_SIZE " "P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE "
}
set aperture781_a {
    "A_AUTO_APERTURE "    "A_AUTO_APERTURE_MENU/A_AUTO_APERTURE "
    "A_APERTURE_SIZE "    "A_AUTO_APERTURE_MENU/A_APERTURE_OD_SIZE "
    "A_APERTURE_ID_SIZE " "A_AUTO_APERTURE_MENU/A_APERTURE_ID_SIZE "
}

# Matrix paths of the phase tests: those every application has, and those
# of Tessaline and FTP applications.
set phase_matrices_common {
    D_REF_TST_MAT/D_PH_TST_MAT D_REF_TST_MAT/D_PH_TST_MAT_2
    D_REF_TST_MAT/D_PH_TST_MAT_3 D_REF_TST_MAT/D_PH_TST_MAT_4
}
set phase_matrices_tessaline {D_CATSEYE_PH_TST_MAT D_CONFOCAL_PH_TST_MAT}
set phase_matrices_ftp [concat {*}[lmap group {A B C D} {
    lmap n {1 2 3 4} {string cat D_PH_REF_TST_${group}_MAT/D_PH_TST_MAT_$group$n}
}]]

# Block 1, every application: side P under each common matrix, then side A.
set rename_tables(7.8.1,common) [rename_group D_REF_TST_MAT/D_PH_TST_MAT [concat \
    [rename_pattern $phase_matrices_common $aperture781_p] \
    [rename_pattern $phase_matrices_common $aperture781_a]]]
# Blocks 2 and 3: both sides under each matrix in turn.
set rename_tables(7.8.1,TessalineApp) [rename_group _PH_TST_MAT/ [rename_pattern \
    $phase_matrices_tessaline [concat $aperture781_p $aperture781_a]]]
set rename_tables(7.8.1,FTPApp) [rename_group D_PH_REF_TST_ [rename_pattern \
    $phase_matrices_ftp [concat $aperture781_p $aperture781_a]]]

# Radius-scale parameters of 7.10 (no trailing blank: a longer name that
# begins with one of these is moved as well).
set rename_tables(7.9.0) [rename_block _MISC/ {
    APP/P_MISC/P_SLIDE_SEQUENCE APP/P_RAD_SCALE/P_SLIDE_SEQUENCE
    APP/P_MISC/P_TS_F_NUMBER    APP/P_RAD_SCALE/P_TS_F_NUMBER
    APP/P_MISC/P_PART_DIAMETER  APP/P_RAD_SCALE/P_PART_DIAMETER
    APP/A_MISC/A_TS_F_NUMBER    APP/A_RAD_SCALE/A_TS_F_NUMBER
    APP/A_MISC/A_PART_DIAMETER  APP/A_RAD_SCALE/A_PART_DIAMETER
}]

# Plot layouts of 7.8.1 that gained a flag in 7.10: token count and the
# position the flag goes before.
set plots790 {#FcPlotVwCfg {61 51} #ObPlotVwCfg {53 46}}

# The texts one of which a string must hold for the 7.8.1 renames of any
# application type.
set texts781 [concat {*}[lmap key {common TessalineApp FTPApp} {
    rename_texts $rename_tables(7.8.1,$key)
}]]

register_step 7.8.1 {#PanelButtonVwCfg #CharString #AppVwCfg} \
    [list #CharString $texts781]
register_local 7.8.1
# fixapp7.8.1 --
#   Upgrade step 7.8.1 to 7.9.0. Takes the name of a record variable;
#   resets panel buttons and moves the automatic-aperture parameters into
#   their menu group, for the matrices of every application and those of
#   the file's application type. Returns nothing.
proc fixapp7.8.1 {list} {
    upvar 1 $list l
    global app_type rename_tables
    switch -exact -- [rec_type $l] {
        #PanelButtonVwCfg {
            reset_panel_button l
        }
        #CharString {
            apply_renames l modify_path $rename_tables(7.8.1,common)
            if {$app_type in {TessalineApp FTPApp}} {
                apply_renames l modify_path $rename_tables(7.8.1,$app_type)
            }
        }
        #AppVwCfg {
            FixVersion l 7 8 7 9 0
        }
    }
    return
}

register_step 7.9.0 {#FcPlotVwCfg #ObPlotVwCfg #CharString #AppVwCfg} \
    [list #CharString [rename_texts $rename_tables(7.9.0)]]
register_local 7.9.0
# fixapp7.9.0 --
#   Upgrade step 7.9.0 to 7.10.0. Takes the name of a record variable;
#   gives two plot layouts a flag and moves miscellaneous parameters into
#   the radius-scale group. Returns nothing.
proc fixapp7.9.0 {list} {
    upvar 1 $list l
    global plots790 rename_tables
    set type [rec_type $l]
    if {[dict exists $plots790 $type]} {
        lassign [dict get $plots790 $type] count pos
        if {[rec_len $l] == $count} {
            tok_insert l $pos c1
        }
    } elseif {$type eq "#CharString"} {
        apply_renames l modify_path $rename_tables(7.9.0)
    } elseif {$type eq "#AppVwCfg"} {
        FixVersion l 7 9 7 10 0
    }
    return
}
