# Upgrade steps 7.11.0, 7.12.0 and 7.14.0 (no 7.13: 7.12 files go to 7.14.0).

# Selections the on/off auto-save and logging switches become in 7.12.
set sel_strings_7_11 {Off On {On Load}}

# Tokens a 60-token 3D model plot view gains in 7.12: the first list goes
# before token 50, the second at the end.
set d3s_insert_7_11 [list d270 d315 d0 d45 d90 d135 d180 \
                         {*}[lrepeat 7 d90] {*}[lrepeat 7 d100] {*}[lrepeat 4 d0]]
set d3s_append_7_11 [list i0 i1 {*}[lrepeat 21 d1] i1 {*}[lrepeat 7 i0]]

# convert_auto_save_control --
#   Takes the line n of the auto-save control's name string; the first
#   "#BoolPC" above it whose token 5 holds the text n becomes a selection.
proc convert_auto_save_control {n} {
    global app sel_strings_7_11
    for {set i 1} {$i < $n} {incr i} {
        # (Searched in a copy, else the record keeps a wide-character copy.)
        if {[info exists app(l,$i)] &&
                [string first #BoolPC [string range $app(l,$i) 0 end]] >= 0 &&
                [rec_type $app(l,$i)] eq "#BoolPC" &&
                [string first $n [ref_before_ahead [rec_tok $app(l,$i) 5]]] >= 0} {
            edit_record $i boolpc_to_selpc $sel_strings_7_11
            return
        }
    }
    return
}

# convert_bool_view --
#   Takes a "#BoolVwCfg" variable's name. A view whose token 4 names the
#   auto-save control, or whose token 11 a "Logging:" label, becomes a
#   "#SelVwCfg" without token 15; a logging view's control (token 3) a
#   "#SelPC". Raises NORVANE BADREF when a token it follows names no record.
proc convert_bool_view {varName} {
    upvar 1 $varName view
    global app sel_strings_7_11
    if {[rec_len $view] < 0} {
        return
    }
    set auto_save [expr {[string first P_AUTO_SAVE_PROC_DATA [ref_text [rec_tok $view 4]]] >= 0}]
    set logging [expr {[string first Logging: [ref_text [rec_tok $view 11]]] >= 0}]
    # A view that is both is shortened once.
    if {$auto_save || $logging} {
        tok_replace view 1 1 #SelVwCfg
        tok_remove view 15
    }
    if {$logging} {
        # A control another view has converted already is left alone.
        set ctl [ref_line [rec_tok $view 3]]
        if {[rec_type $app(l,$ctl)] eq "#BoolPC"} {
            edit_record $ctl boolpc_to_selpc $sel_strings_7_11
        }
    }
    return
}

# split_report_view --
#   Takes the variable of the 66-token report view at line n, and n. Its
#   tokens 47 to 53, and 54 to 61 with 63, become two "#IdArray"s on two
#   lines opened after it, every reference behind renumbered (unless
#   open_reports_ahead opened them already); 64 and 65 go to the array of
#   its token 41; it keeps 50 tokens, the last three naming the new arrays
#   and nothing. Raises NORVANE BADREF or BADCOUNT for a damaged array.
proc split_report_view {varName n} {
    upvar 1 $varName rep
    global app
    open_renumbered $n 2
    # rep is the table's own line n, so it now holds the new numbers.
    set first [expr {$n + 1}]
    set second [expr {$n + 2}]
    set_record $first [join_texts {7 #IdArray i7 $0} {*}[lrange $rep 47 53]]
    set_record $second [join_texts {9 #IdArray i9 $0} {*}[lrange $rep 54 61] [lindex $rep 63]]

    set m [ref_line [lindex $rep 41]]
    set arr $app(l,$m)
    if {[rec_type $arr] ne "#IdArray"} {
        return -code error -errorcode {NORVANE BADREF} \
            "Damaged record: the report view at line $n names line $m as its array, which is no \"#IdArray\""
    }
    set size [rec_tok $arr 0]
    if {![regexp {^[0-9]+$} $size]} {
        return -code error -errorcode {NORVANE BADCOUNT} \
            "Damaged record: array size \"$size\" at line $m is not a number"
    }
    set size [expr {[decimal_value $size] + 2}]
    tok_replace arr 0 0 $size
    tok_replace arr 2 2 i$size
    tok_append arr {*}[lrange $rep 64 65]
    strip_braces arr
    set_record $m $arr

    tok_replace rep 47 end @$first @$second @0
    return
}

# Several report views in a file: the indexed pass has all their lines
# opened in one move before it starts (open_lines_ahead), where the file
# comes out as splitting them one at a time leaves it; else one at a time.

# Record types whose records the 7.11.0 pass may change.
set split_ahead_types {#BoolVwCfg #BoolPC #D3SModelPlotVwCfg #AppVwCfg #QDasReportVwCfg}

# open_reports_ahead --
#   The step's prepare command: takes the pass's count and 1 when it visits
#   records by type (0: the plain loop, where nothing is opened). Has
#   open_lines_ahead open the lines of the 66-token report views the pass
#   reaches, when every reference it follows names a record (split_reads).
proc open_reports_ahead {count indexed} {
    global app
    # The pass finds the k-th view (from 0) 2 k lines on; it stops at its
    # count, and lines opened for a view it never reaches would stay empty.
    set views {}
    foreach n [expr {$indexed ? [records_of_type #QDasReportVwCfg] : {}}] {
        if {$n + 2 * [llength $views] >= $count} {
            break
        }
        if {[info exists app(l,$n)] && [rec_type $app(l,$n)] eq "#QDasReportVwCfg" &&
                [rec_len $app(l,$n)] == 66} {
            lappend views $n
        }
    }
    set reads {{} {}}
    if {[llength $views] > 1 && [catch {split_reads $views} reads]} {
        set views {}
        set reads {{} {}}
    }
    open_lines_ahead $views 2 {*}$reads
    return
}

# split_reads --
#   Takes the report views' lines; returns two lists: the lines of the
#   records the pass may change (split_ahead_types), and of those it reads
#   names from (named by a "#BoolVwCfg"'s tokens 4 and 11, each view's
#   array). Raises an error when one of those tokens or a "#BoolVwCfg"'s
#   token 3 names no record, or an array is no "#IdArray" of numeric size.
proc split_reads {views} {
    global app split_ahead_types
    set changed {}
    set read {}
    foreach t $split_ahead_types {
        foreach n [records_of_type $t] {
            if {[info exists app(l,$n)] && [rec_type $app(l,$n)] eq $t} {
                lappend changed $n
                if {$t eq "#BoolVwCfg"} {
                    ref_line [rec_tok $app(l,$n) 3]
                    lappend read [ref_line [rec_tok $app(l,$n) 4]] \
                        [ref_line [rec_tok $app(l,$n) 11]]
                }
            }
        }
    }
    foreach n $views {
        set m [ref_line [rec_tok $app(l,$n) 41]]
        if {[rec_type $app(l,$m)] ne "#IdArray" || ![regexp {^[0-9]+$} [rec_tok $app(l,$m) 0]]} {
            error "line $m is no array to split into"
        }
        lappend read $m
    }
    list $changed $read
}

# Step 7.11.0: auto-save and logging switches become selections, report
# views are split, the 3D model plot view and the header grow.
upgrade_step 7.11.0 7.12.0 {
    #CharString        {holds P_AUTO_SAVE_PROC_DATA
                        when {[rec_tok $l 2] eq "i21" &&
                              [string first P_AUTO_SAVE_PROC_DATA [rec_tok $l 3]] >= 0}
                        code {convert_auto_save_control $cur_index}}
    #BoolVwCfg         {call convert_bool_view}
    #QDasReportVwCfg   {len == 66 code {split_report_view l $cur_index}}
    #D3SModelPlotVwCfg {len == 60 insert 50 $d3s_insert_7_11 ; append $d3s_append_7_11}
    #AppVwCfg          {also len == 56 append i0 i0}
    #AppVwCfg          {also version}
} {prepare open_reports_ahead}

# Step 7.12.0: numeric controls get three new fields.
upgrade_step 7.12.0 7.14.0 {
    #NumPC             {append i1 i0 i0}
}

upgrade_step 7.14.0 7.15.0 {}
