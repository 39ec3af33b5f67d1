# Upgrade steps 8.0.1 and 8.0.2 (files reach 8.1.0): the dynamic test
# control and its view go; the glint frame switch becomes a selection.

# Mask-adjust file controls moved under a Sherlock group in 8.1.
set rename_tables(8.0.2) [rename_block _MASK_ADJUST/ {
    APP/D_REF_TST_MAT/P_MASK_ADJUST/P_INVESTIGATION_FILE
        APP/D_REF_TST_MAT/P_MASK_ADJUST/P_SHERLOCK/P_INVESTIGATION_FILE
    APP/D_REF_TST_MAT/P_MASK_ADJUST/P_BITMAP_FILE
        APP/D_REF_TST_MAT/P_MASK_ADJUST/P_SHERLOCK/P_BITMAP_FILE
    APP/D_REF_TST_MAT/A_MASK_ADJUST/A_INVESTIGATION_FILE
        APP/D_REF_TST_MAT/A_MASK_ADJUST/A_SHERLOCK/A_INVESTIGATION_FILE
    APP/D_REF_TST_MAT/A_MASK_ADJUST/A_BITMAP_FILE
        APP/D_REF_TST_MAT/A_MASK_ADJUST/A_SHERLOCK/A_BITMAP_FILE
}]

# Selection strings of the glint frame switch, and the paths of its views.
set sel_strings_8_0_2 {Off {Glintframe TS} {Glintframe Error File}}
set glint_view_paths_8_0_2 {
    "APP/P_SYS_ERR/P_GLINT_FRAME_SUB "
    "APP/A_SYS_ERR/A_GLINT_FRAME_SUB "
}

# fc_circle_view --
#   Takes an "#FcPlotVwCfg" variable's name; makes it an "#FcCircleVwCfg"
#   with one more token.
proc fc_circle_view {list} {
    upvar 1 $list l
    tok_replace l 1 1 #FcCircleVwCfg
    tok_append l i0
    return
}

# convert_child_plots --
#   Takes the line n of the intensity PSD window's name string; applies
#   fc_circle_view to each "#FcPlotVwCfg" in the array of its collection
#   (line n + 1). Raises NORVANE BADREF when the collection, the array or a
#   listed child is missing, BADCOUNT when the array's capacity is no number.
proc convert_child_plots {n} {
    global app
    set cltn [expr {$n + 1}]
    if {![info exists app(l,$cltn)] || $cltn >= $app(cnt)} {
        return -code error -errorcode {NORVANE BADREF} \
            "Damaged file: no collection after line $n"
    }
    set arr $app(l,[ref_line [rec_tok $app(l,$cltn) 2]])
    set cap [rec_tok $arr 2]
    if {![regexp {^i([0-9]+)$} $cap -> cap]} {
        return -code error -errorcode {NORVANE BADCOUNT} \
            "Damaged record: array capacity \"$cap\" is not a number"
    }
    set cap [decimal_value $cap]
    for {set j 0} {$j < $cap} {incr j} {
        set tok [rec_tok $arr [expr {4 + $j}]]
        set r [ref_value $tok]
        if {$r < 0} {
            return -code error -errorcode {NORVANE BADREF} \
                "Damaged record: array slot \"$tok\" is not a line reference"
        }
        if {$r > 0 && [rec_type $app(l,[ref_line $tok])] eq "#FcPlotVwCfg"} {
            edit_record $r fc_circle_view
        }
    }
    return
}

# Step 8.0.1: the intensity window's child plots become circle views; plot
# views and text controls get fields.
upgrade_step 8.0.1 8.0.2 {
    #CharString        {holds APP/D_INTENS_PSD_MAT
                        when {[rec_tok $l 3] eq "APP/D_INTENS_PSD_MAT "}
                        code {convert_child_plots $cur_index}}
    {#D2PlotVwCfg #CCPlotVwCfg} {call grow_plot_view 70 {i0 i0}}
    {#StrPC #FNamePC #DirNamePC} {len == 15 append i0}
    {#FName1PC #SerNumPC #WinNamePC} {len == 17 insert 15 i0}
}

# keep_type_record --
#   Takes the first and last lines to remove; raises NORVANE BADREF when the
#   header's type record is among them (the file would lose its type).
proc keep_type_record {first last} {
    set t [app_type_line]
    if {$t ne "-1" && $t >= $first && $t <= $last} {
        return -code error -errorcode {NORVANE BADREF} \
            "Damaged file: the dynamic test control's records include line $t, which names the application type"
    }
    return
}

# remove_control --
#   Takes the line n of the dynamic test control's name string; removes it,
#   the two records after it and the last "#ActVwCfg" referring to it, if
#   any, renumbering every reference; the collection that listed the view
#   counts one entry less. Raises NORVANE BADREF when the type record would
#   go (keep_type_record), BADLINE when the table ends before line n + 2.
proc remove_control {n} {
    global app
    keep_type_record $n [expr {$n + 2}]
    remove_lines $n [expr {$n + 2}]
    set v -1
    foreach i [records_of_type #ActVwCfg] {
        # (Searched in a copy, else the record keeps a wide-character copy.)
        if {[info exists app(l,$i)] &&
                [string first #ActVwCfg [string range $app(l,$i) 0 end]] >= 0 &&
                [rec_type $app(l,$i)] eq "#ActVwCfg" &&
                [lsearch -exact [rec_refs $app(l,$i)] $n] >= 0} {
            set v $i
        }
    }
    if {$v < 0} {
        renumber_refs $n -3
        return
    }
    # Renumbered and closed in one pass over the table; line 1 is renumbered
    # first, since whether the view may go depends on its type reference.
    renumber_line 1 $n -3
    keep_type_record $v $v
    remove_lines $v $v
    renumber_close_refs $n -3 $v [expr {$v > 1 ? 1 : -1}]
    return
}

set texts802 [list APP/B_DYNAMIC/B_TEST {*}[rename_texts $rename_tables(8.0.2)]]

# Step 8.0.2: the dynamic test control goes, mask-adjust paths move, the
# glint switch and its views become selections, plot views get two fields.
upgrade_step 8.0.2 8.1.0 {
    #CharString        {holds $texts802 code {
                            if {[rec_tok $l 3] eq "APP/B_DYNAMIC/B_TEST "} {
                                remove_control $cur_index
                            } else {
                                apply_renames l modify_path $rename_tables(8.0.2)
                            }}}
    #BoolPC            {when {[rec_tok [ref_text [rec_tok $l 5]] 3] eq "P_GLINT_FRAME_SUB "}
                        call boolpc_to_selpc $sel_strings_8_0_2}
    #BoolVwCfg         {when {[rec_tok [ref_text [rec_tok $l 4]] 3] in $::glint_view_paths_8_0_2}
                        retype #SelVwCfg ; remove 15}
    {#D2PlotVwCfg #CCPlotVwCfg} {call grow_plot_view 72 {i0 i1}}
}
