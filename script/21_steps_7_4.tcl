# Upgrade steps 7.4 and 7.4.2 (files reach 7.5.0): the reference-and-test
# controls are regrouped, the mask mode becomes the segmentation mode.

# Reference-and-test parameters regrouped into filter, segmentation,
# histogram, test and reference groups; texts end in a blank, so only whole
# names match. The sides differ on purpose. A block per side, so that the
# matrix's other paths (its phase tests) are not handed to the step.
set rename_tables(7.4) [concat [rename_block D_REF_TST_MAT/P_ {
    "D_REF_TST_MAT/P_FILTER "      "D_REF_TST_MAT/P_FILTER/P_FILTER "
    "D_REF_TST_MAT/P_FILTER_TYPE " "D_REF_TST_MAT/P_FILTER/P_FILTER_TYPE "
    "D_REF_TST_MAT/P_FILTER_TRIM " "D_REF_TST_MAT/P_FILTER/P_FILTER_TRIM "
    "D_REF_TST_MAT/P_FILTER_SIZE " "D_REF_TST_MAT/P_FILTER/P_FILTER_SIZE "
    "D_REF_TST_MAT/P_MIN_AREA_SIZE "
        "D_REF_TST_MAT/P_SEGMENTATION/P_MIN_AREA_SIZE "
    "D_REF_TST_MAT/P_SEGMENTATION_MODE "
        "D_REF_TST_MAT/P_SEGMENTATION/P_SEGMENTATION_MODE "
    "D_REF_TST_MAT/P_EXPECTED_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_EXPECTED_PEAK_NUM "
    "D_REF_TST_MAT/P_HISTOGRAM_FILTER_SIZE "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_HISTOGRAM_FILTER_SIZE "
    "D_REF_TST_MAT/P_HISTOGRAM_MIN_PEAK_SEP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_HISTOGRAM_MIN_PEAK_SEP "
    "D_REF_TST_MAT/P_HISTOGRAM_N_BINS "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_HISTOGRAM_N_BINS "
    "D_REF_TST_MAT/P_HISTOGRAM_THRESHOLD "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_HISTOGRAM_THRESHOLD "
    "D_REF_TST_MAT/P_MINIMUM_PEAK_AREA "
        "D_REF_TST_MAT/P_SEGMENTATION/P_HISTOGRAM/P_MINIMUM_PEAK_AREA "
    "D_REF_TST_MAT/P_TST_MASK_LO "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TST_MASK_LO "
    "D_REF_TST_MAT/P_TST_MASK_HI "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TST_MASK_HI "
    "D_REF_TST_MAT/P_TEST_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_PEAK_NUM "
    "D_REF_TST_MAT/P_TEST_SIGMA_CLIP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/P_TEST_FILL "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_FILL "
    "D_REF_TST_MAT/P_TST2_MASK_LO "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TST2_MASK_LO "
    "D_REF_TST_MAT/P_TST2_MASK_HI "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TST2_MASK_HI "
    "D_REF_TST_MAT/P_TEST2_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST2_PEAK_NUM "
    "D_REF_TST_MAT/P_TEST2_SIGMA_CLIP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST2_SIGMA_CLIP "
    "D_REF_TST_MAT/P_TST3_MASK_LO "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST3/P_TST_MASK_LO "
    "D_REF_TST_MAT/P_TST3_MASK_HI "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST3/P_TST_MASK_HI "
    "D_REF_TST_MAT/P_TEST3_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST3/P_TEST_PEAK_NUM "
    "D_REF_TST_MAT/P_TEST3_SIGMA_CLIP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST3/P_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/P_TST4_MASK_LO "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST4/P_TST_MASK_LO "
    "D_REF_TST_MAT/P_TST4_MASK_HI "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST4/P_TST_MASK_HI "
    "D_REF_TST_MAT/P_TEST4_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST4/P_TEST_PEAK_NUM "
    "D_REF_TST_MAT/P_TEST4_SIGMA_CLIP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_TEST4/P_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/P_REF_MASK_LO "
        "D_REF_TST_MAT/P_SEGMENTATION/P_REFERENCE/P_REF_MASK_LO "
    "D_REF_TST_MAT/P_REF_MASK_HI "
        "D_REF_TST_MAT/P_SEGMENTATION/P_REFERENCE/P_REF_MASK_HI "
    "D_REF_TST_MAT/P_REF_PEAK_NUM "
        "D_REF_TST_MAT/P_SEGMENTATION/P_REFERENCE/P_REF_PEAK_NUM "
    "D_REF_TST_MAT/P_REF_SIGMA_CLIP "
        "D_REF_TST_MAT/P_SEGMENTATION/P_REFERENCE/P_REF_SIGMA_CLIP "
    "D_REF_TST_MAT/P_REF_FILL "
        "D_REF_TST_MAT/P_SEGMENTATION/P_REFERENCE/P_REF_FILL "
}] [rename_block D_REF_TST_MAT/A_ {
    "D_REF_TST_MAT/A_MIN_AREA_SIZE "
        "D_REF_TST_MAT/A_SEGMENTATION/A_MIN_AREA_SIZE "
    "D_REF_TST_MAT/A_FILTER "      "D_REF_TST_MAT/A_FILTER/A_FILTER "
    "D_REF_TST_MAT/A_FILTER_TYPE " "D_REF_TST_MAT/A_FILTER/A_FILTER_TYPE "
    "D_REF_TST_MAT/A_FILTER_TRIM " "D_REF_TST_MAT/A_FILTER/A_FILTER_TRIM "
    "D_REF_TST_MAT/A_FILTER_SIZE " "D_REF_TST_MAT/A_FILTER/A_FILTER_SIZE "
    "D_REF_TST_MAT/A_EXPECTED_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_HISTOGRAM/A_EXPECTED_PEAK_NUM "
    "D_REF_TST_MAT/A_HISTOGRAM_FILTER_SIZE "
        "D_REF_TST_MAT/A_SEGMENTATION/A_HISTOGRAM/A_HISTOGRAM_FILTER_SIZE "
    "D_REF_TST_MAT/A_HISTOGRAM_THRESHOLD "
        "D_REF_TST_MAT/A_SEGMENTATION/A_HISTOGRAM/A_HISTOGRAM_THRESHOLD "
    "D_REF_TST_MAT/A_HISTOGRAM_N_BINS "
        "D_REF_TST_MAT/A_SEGMENTATION/A_HISTOGRAM/A_HISTOGRAM_N_BINS "
    "D_REF_TST_MAT/A_MINIMUM_PEAK_AREA "
        "D_REF_TST_MAT/A_SEGMENTATION/A_HISTOGRAM/A_MINIMUM_PEAK_AREA "
    "D_REF_TST_MAT/A_TST_MASK_LO "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TST_MASK_LO "
    "D_REF_TST_MAT/A_TST_MASK_HI "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TST_MASK_HI "
    "D_REF_TST_MAT/A_TEST_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TEST_PEAK_NUM "
    "D_REF_TST_MAT/A_TEST_SIGMA_CLIP "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/A_TST2_MASK_LO "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TST2_MASK_LO "
    "D_REF_TST_MAT/A_TST2_MASK_HI "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TST2_MASK_HI "
    "D_REF_TST_MAT/A_TEST2_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TEST2_PEAK_NUM "
    "D_REF_TST_MAT/A_TEST2_SIGMA_CLIP "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST/A_TEST2_SIGMA_CLIP "
    "D_REF_TST_MAT/A_TST3_MASK_LO "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TST_MASK_LO "
    "D_REF_TST_MAT/A_TST3_MASK_HI "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TST_MASK_HI "
    "D_REF_TST_MAT/A_TEST3_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TEST_PEAK_NUM "
    "D_REF_TST_MAT/A_TEST3_SIGMA_CLIP "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/A_TST4_MASK_LO "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST4/A_TST_MASK_LO "
    "D_REF_TST_MAT/A_TST4_MASK_HI "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST4/A_TST_MASK_HI "
    "D_REF_TST_MAT/A_TEST4_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST4/A_TEST_PEAK_NUM "
    "D_REF_TST_MAT/A_TEST4_SIGMA_CLIP "
        "D_REF_TST_MAT/A_SEGMENTATION/A_TEST4/A_TEST_SIGMA_CLIP "
    "D_REF_TST_MAT/A_REF_MASK_LO "
        "D_REF_TST_MAT/A_SEGMENTATION/A_REFERENCE/A_REF_MASK_LO "
    "D_REF_TST_MAT/A_REF_MASK_HI "
        "D_REF_TST_MAT/A_SEGMENTATION/A_REFERENCE/A_REF_MASK_HI "
    "D_REF_TST_MAT/A_REF_PEAK_NUM "
        "D_REF_TST_MAT/A_SEGMENTATION/A_REFERENCE/A_REF_PEAK_NUM "
    "D_REF_TST_MAT/A_REF_SIGMA_CLIP "
        "D_REF_TST_MAT/A_SEGMENTATION/A_REFERENCE/A_REF_SIGMA_CLIP "
}]]

# neighbour_text --
#   Takes a line number; returns its record's text, or "" when the line is
#   at or past app(cnt) or has no record.
proc neighbour_text {line} {
    global app
    if {$line < $app(cnt) && [info exists app(l,$line)]} {
        return $app(l,$line)
    }
    return ""
}

# The texts one of which a string must hold for step 7.4 to change it.
set texts74 [list "Mask Mode:" "P_MASK_MODE " {*}[rename_texts $rename_tables(7.4)]]

# ref_test_renames --
#   Takes a string record variable's name (line cur_index); renames the mask
#   mode label (when line + 2 holds D_REF_TST_MAT) and name (line + 1), and
#   regroups the reference-and-test paths.
proc ref_test_renames {list} {
    upvar 1 $list l
    global cur_index rename_tables
    # Neighbours are read only when the record holds the text to rename.
    if {[string first "Mask Mode:" $l] >= 0 && [rec_tok $l 2] eq "i10"} {
        set after_next [neighbour_text [expr {$cur_index + 2}]]
        if {[chk_for_ctrl after_next D_REF_TST_MAT]} {
            modify_path l "Mask Mode:" "Segmentation Mode:"
        }
    }
    if {[string first "P_MASK_MODE " $l] >= 0} {
        set next [neighbour_text [expr {$cur_index + 1}]]
        if {[chk_for_ctrl next D_REF_TST_MAT]} {
            modify_path l "P_MASK_MODE " "P_SEGMENTATION_MODE "
        }
    }
    modify_path l "D_REF_TST_MAT/P_MASK_MODE " "D_REF_TST_MAT/P_SEGMENTATION_MODE "
    if {[chk_for_ctrl l D_REF_TST_MAT]} {
        apply_renames l modify_path $rename_tables(7.4)
    }
    return
}

# Step 7.4: correlation plots get a field; strings get ref_test_renames.
upgrade_step 7.4 7.4.2 {
    #CCPlotVwCfg   {also len != 50 append i1}
    #CharString    {holds $texts74 call ref_test_renames}
}

upgrade_step 7.4.2 7.5.0 {}
