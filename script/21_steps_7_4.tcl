# Upgrade steps 7.4 and 7.4.2: the reference-and-test segmentation
# controls are regrouped and the mask mode becomes the segmentation mode;
# files reach 7.5.0.

# Reference-and-test parameters regrouped into filter, segmentation,
# histogram, test and reference groups (old and new texts end in a blank,
# so only whole final names match). The two sides differ on purpose. Each
# side is a block of its own, so that the step is called only for strings
# under one of the two sides: the matrix's other paths, its phase tests
# among them, have nothing to rename here.
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
#   Takes a line number; returns the text of the record on that line, or
#   an empty text when the line is at or past the end of the table or has
#   no record.
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
#   Takes the name of a string record variable at line cur_index; renames
#   the mask mode and regroups the reference-and-test paths, looking at the
#   next two records to tell a reference-and-test control's label and name.
#   Returns nothing.
proc ref_test_renames {list} {
    upvar 1 $list l
    global cur_index rename_tables
    # The neighbours are looked at only for a record that holds the text a
    # rename needs (without it the rename changes nothing).
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

# Step 7.4: the correlation plot is extended; the mask mode is renamed and
# the reference-and-test paths regrouped (the neighbours of a string are
# read).
upgrade_step 7.4 7.4.2 {
    #CCPlotVwCfg   {also len != 50 append i1}
    #CharString    {nonlocal holds $texts74 call ref_test_renames}
}

upgrade_step 7.4.2 7.5.0 {}
