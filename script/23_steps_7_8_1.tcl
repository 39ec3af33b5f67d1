# Upgrade steps 7.8.1 and 7.9.0 (files reach 7.10.0): aperture parameters
# move into their menu group, five others into the radius-scale group.

# Aperture tails of 7.8.1, sides P and A (closing blank: whole names only).
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

# Phase-test matrix paths: every application's, Tessaline's and FTP's.
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

# Radius-scale parameters of 7.10 (no trailing blank: longer names move too).
set rename_tables(7.9.0) [rename_block _MISC/ {
    APP/P_MISC/P_SLIDE_SEQUENCE APP/P_RAD_SCALE/P_SLIDE_SEQUENCE
    APP/P_MISC/P_TS_F_NUMBER    APP/P_RAD_SCALE/P_TS_F_NUMBER
    APP/P_MISC/P_PART_DIAMETER  APP/P_RAD_SCALE/P_PART_DIAMETER
    APP/A_MISC/A_TS_F_NUMBER    APP/A_RAD_SCALE/A_TS_F_NUMBER
    APP/A_MISC/A_PART_DIAMETER  APP/A_RAD_SCALE/A_PART_DIAMETER
}]

# Application types with phase-test matrices of their own.
set phase_matrix_apps {TessalineApp FTPApp}

# app_rename_texts --
#   Takes a step version; returns the texts one of which a string must hold
#   for app_renames to change it, whatever the application type.
proc app_rename_texts {ver} {
    global rename_tables phase_matrix_apps
    concat {*}[lmap key [list common {*}$phase_matrix_apps] {
        rename_texts $rename_tables($ver,$key)
    }]
}

# app_renames --
#   Takes a string record variable's name and a step version; applies the
#   step's common renames, then those of the file's app_type.
proc app_renames {list ver} {
    upvar 1 $list l
    global app_type rename_tables phase_matrix_apps
    apply_renames l modify_path $rename_tables($ver,common)
    if {$app_type in $phase_matrix_apps} {
        apply_renames l modify_path $rename_tables($ver,$app_type)
    }
    return
}

set texts781 [app_rename_texts 7.8.1]

# Step 7.8.1: panel buttons reset; aperture parameters move to their menu.
upgrade_step 7.8.1 7.9.0 {
    #PanelButtonVwCfg  {call reset_panel_button}
    #CharString        {holds $texts781 call app_renames 7.8.1}
}

# Step 7.9.0: two 7.8.1 plot layouts get a flag; radius-scale paths move.
upgrade_step 7.9.0 7.10.0 {
    #FcPlotVwCfg       {len == 61 insert 51 c1}
    #ObPlotVwCfg       {len == 53 insert 46 c1}
    #CharString        {renames modify_path 7.9.0}
}
