# Upgrade step 7.10.0: aperture and z-clip paths gain their 7.11 groups;
# files reach 7.11.0.

# Aperture tails, side P then A (closing blank: whole names only).
set aperture710_tails {
    "P_AUTO_APERTURE_MENU/P_APERTURE_OD_SIZE "
        "P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_OD_SIZE "
    "P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE "
        "P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE "
    "P_AUTO_APERTURE_MENU/P_APERTURE_FIXED_OD_SIZE "
        "P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_FIXED_OD_SIZE "
    "P_AUTO_APERTURE_MENU/P_APERTURE_FIXED_ID_SIZE "
        "P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_FIXED_ID_SIZE "
    "P_AUTO_APERTURE_MENU/P_AUTO_APERTURE_DIAMETER "
        "P_AUTO_APERTURE_MENU/P_AUTO_APERTURE_DIMENSIONS "
    "A_AUTO_APERTURE_MENU/A_APERTURE_OD_SIZE "
        "A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_OD_SIZE "
    "A_AUTO_APERTURE_MENU/A_APERTURE_ID_SIZE "
        "A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_ID_SIZE "
    "A_AUTO_APERTURE_MENU/A_APERTURE_FIXED_OD_SIZE "
        "A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_FIXED_OD_SIZE "
    "A_AUTO_APERTURE_MENU/A_APERTURE_FIXED_ID_SIZE "
        "A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_FIXED_ID_SIZE "
    "A_AUTO_APERTURE_MENU/A_AUTO_APERTURE_DIAMETER "
        "A_AUTO_APERTURE_MENU/A_AUTO_APERTURE_DIMENSIONS "
}

# Z-clip tails (no closing blank: a longer name is moved as well).
set clip710_p {P_HI_ZCLIP P_CLIP/P_HI_ZCLIP P_LO_ZCLIP P_CLIP/P_LO_ZCLIP}
set clip710_a {A_HI_ZCLIP A_CLIP/A_HI_ZCLIP A_LO_ZCLIP A_CLIP/A_LO_ZCLIP}

# rename_table710 --
#   Takes the aperture rows' and the clip rows' matrices; returns the table
#   for one 7.10.0 rename group: the aperture rows under each matrix, then
#   the P clip rows under each, then the A clip rows.
proc rename_table710 {aperture_matrices clip_matrices} {
    global aperture710_tails clip710_p clip710_a
    concat [rename_pattern $aperture_matrices $aperture710_tails] \
        [rename_pattern $clip_matrices $clip710_p] \
        [rename_pattern $clip_matrices $clip710_a]
}

set rename_tables(7.10.0,common) [rename_group D_REF_TST_MAT/D_PH_TST_MAT \
    [rename_table710 $phase_matrices_common $phase_matrices_common]]
# Tessaline takes its two matrices in reverse order for the aperture rows.
set rename_tables(7.10.0,TessalineApp) [rename_group _PH_TST_MAT/ \
    [rename_table710 [lreverse $phase_matrices_tessaline] $phase_matrices_tessaline]]
set rename_tables(7.10.0,FTPApp) [rename_group D_PH_REF_TST_ \
    [rename_table710 $phase_matrices_ftp $phase_matrices_ftp]]

set texts710 [app_rename_texts 7.10.0]

# Step 7.10.0: the aperture and z-clip paths move into their new groups.
upgrade_step 7.10.0 7.11.0 {
    #CharString        {holds $texts710 call app_renames 7.10.0}
}
