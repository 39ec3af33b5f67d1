# Upgrade steps 7.11.0, 7.12.0 and 7.14.0 (there is no 7.13 release:
# a 7.12 file is written as 7.14.0 directly).

# Selection strings of the auto-save and logging switches, which 7.12
# turns from on/off into three-way selections.
set sel_strings_7_11 {Off On {On Load}}

# Tokens a 60-token 3D model plot view gains in 7.12: inserted before
# token 50 (the former tokens 50 to 59 follow them), then appended.
set d3s_insert_7_11 [list d270 d315 d0 d45 d90 d135 d180 \
                         {*}[lrepeat 7 d90] {*}[lrepeat 7 d100] {*}[lrepeat 4 d0]]
set d3s_append_7_11 [list i0 i1 {*}[lrepeat 21 d1] i1 {*}[lrepeat 7 i0]]

# convert_auto_save_control --
#   Takes the line n of the string naming the auto-save control. Turns the
#   first "#BoolPC" before line n whose token 5 contains n (as text) into a
#   selection control. Returns nothing.
proc convert_auto_save_control {n} {
    global app sel_strings_7_11
    for {set i 1} {$i < $n} {incr i} {
        # (A copy is searched: searching the record itself would keep a
        # wide-character copy of its text beside it.)
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
#   Takes the name of a "#BoolVwCfg" record variable. A view of the
#   auto-save control (its token-4 record names it) or of a "Logging:"
#   control (its token-11 record holds that label) becomes a "#SelVwCfg"
#   without its token 15; a logging view's control (token 3) is converted
#   along with it. Returns nothing.
proc convert_bool_view {varName} {
    upvar 1 $varName view
    global app sel_strings_7_11
    if {[rec_len $view] < 0} {
        return
    }
    set auto_save [expr {[string first P_AUTO_SAVE_PROC_DATA [ref_text [rec_tok $view 4]]] >= 0}]
    set logging [expr {[string first Logging: [ref_text [rec_tok $view 11]]] >= 0}]
    # A view that is both is still one view: it is shortened once.
    if {$auto_save || $logging} {
        tok_replace view 1 1 #SelVwCfg
        tok_remove view 15
    }
    if {$logging} {
        # Only a control still boolean is converted; one that another
        # view has converted already keeps its selection records.
        set ctl [ref_line [rec_tok $view 3]]
        if {[rec_type $app(l,$ctl)] eq "#BoolPC"} {
            edit_record $ctl boolpc_to_selpc $sel_strings_7_11
        }
    }
    return
}

# split_report_view --
#   Takes the name of the variable holding the 66-token report view at
#   line n of the table, and n. Opens two lines after it (unless they were
#   opened ahead of the pass, see open_reports_ahead) for two new
#   "#IdArray" records made of its tokens 47 to 61 and 63, renumbers every
#   reference behind it, grows the "#IdArray" named by its token 41 by its
#   tokens 64 and 65, and leaves the view with 50 tokens, its last three
#   naming the two new arrays and nothing. Returns nothing.
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

# Report views split ahead of the pass.
#
# When a file holds several report views, the pass over records visited by
# type has the lines of all of them opened before it starts (see
# open_lines_ahead in the structure layer), where that gives the file a
# pass splitting one view at a time gives. Files where it would not are
# split one view at a time.

# Record types whose records the 7.11.0 pass may change.
set split_ahead_types {#BoolVwCfg #BoolPC #D3SModelPlotVwCfg #AppVwCfg #QDasReportVwCfg}

# open_reports_ahead --
#   Takes the pass's count and 1 when the pass visits records by type
#   through the record index (0 for the plain loop). Has the lines of every
#   66-token report view the pass reaches below its count opened ahead of
#   the pass, when every reference the pass follows names a record (see
#   split_reads). Returns nothing.
proc open_reports_ahead {count indexed} {
    global app
    # Only the views the pass reaches are split: the k-th view (from 0)
    # stands at its line plus 2 k by then, and the pass stops at its
    # count. Lines opened for a view it never reaches would stay empty.
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
#   Takes the lines of the report views to split; returns two lists: the
#   lines of the records the pass may change (those of split_ahead_types),
#   and those of the records it reads names from (those a "#BoolVwCfg"
#   names by its tokens 4 and 11, and each view's array). Raises an error
#   when a reference the pass follows (those and a "#BoolVwCfg"'s token 3)
#   names no record, or a view's array is no "#IdArray" with a numeric
#   size.
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

# Step 7.11.0: the auto-save and logging switches become selections, report
# views are split, the 3D model plot view and the header are extended.
upgrade_step 7.11.0 7.12.0 {
    #CharString        {nonlocal holds P_AUTO_SAVE_PROC_DATA
                        when {[rec_tok $l 2] eq "i21" &&
                              [string first P_AUTO_SAVE_PROC_DATA [rec_tok $l 3]] >= 0}
                        code {convert_auto_save_control $cur_index}}
    #BoolVwCfg         {nonlocal call convert_bool_view}
    #QDasReportVwCfg   {nonlocal len == 66 code {split_report_view l $cur_index}}
    #D3SModelPlotVwCfg {len == 60 insert 50 $d3s_insert_7_11 ; append $d3s_append_7_11}
    #AppVwCfg          {also len == 56 append i0 i0}
    #AppVwCfg          {also version}
} {prepare open_reports_ahead}

# Step 7.12.0: numeric controls get three new fields.
upgrade_step 7.12.0 7.14.0 {
    #NumPC             {append i1 i0 i0}
}

upgrade_step 7.14.0 7.15.0 {}
