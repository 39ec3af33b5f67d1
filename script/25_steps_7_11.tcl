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
                [string first $n [ref_before_reports [rec_tok $app(l,$i) 5]]] >= 0} {
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
#   opened before the pass, see open_reports_ahead) for two new
#   "#IdArray" records made of its tokens 47 to 61 and 63, renumbers every
#   reference behind it, grows the "#IdArray" named by its token 41 by its
#   tokens 64 and 65, and leaves the view with 50 tokens, its last three
#   naming the two new arrays and nothing. Returns nothing.
proc split_report_view {varName n} {
    upvar 1 $varName rep
    global app reports_opened_ahead
    set at [lsearch -exact -integer -sorted $reports_opened_ahead $n]
    if {$at >= 0} {
        set reports_opened_ahead [lreplace $reports_opened_ahead $at $at]
    } else {
        open_lines $n 2
        renumber_refs $n 2
    }
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

# Opening the lines of every report view of the pass at once.
#
# Each split opens two lines and renumbers every reference behind them,
# which takes time in proportion to the whole table. When a file holds
# several report views, the pass over records visited by type opens the
# lines of all of them before it starts, in one move of the table and one
# renumbering, with the references raised as the splits one after another
# raise them. The pass then reads each line where the plain loop, splitting
# one view at a time, reads it, and every reference names the same record.
# What differs is when a record's numbers change: before the pass rather
# than when the pass reaches the view. That gives the same file when the
# records the pass may change are written plainly (canonical form and
# joined values are then the same text), when every reference the pass
# follows names a record (its error messages name the reference) and when
# no split changes another view. Files that are not so are split one view
# at a time. The one place where a line number is read as text, the search
# for the auto-save control, reads it as the plain loop would at that
# point (ref_before_reports).

# Lines of the report views whose lines were opened before the pass, in
# ascending order; a view leaves the list when it is split.
set reports_opened_ahead {}

# Record types whose records the 7.11.0 pass may change.
set split_ahead_types {#BoolVwCfg #BoolPC #D3SModelPlotVwCfg #AppVwCfg #QDasReportVwCfg}

# open_reports_ahead --
#   Takes the pass's count and 1 when the pass visits records by type
#   through the record index (0 for the plain loop). Opens, when that is
#   sound (see above), the lines of every 66-token report view the pass
#   reaches below its count, and keeps their new lines in
#   reports_opened_ahead. Returns nothing.
proc open_reports_ahead {count indexed} {
    global app reports_opened_ahead
    set reports_opened_ahead {}
    if {!$indexed} {
        return
    }
    # Only the views the pass reaches are split: the k-th view (from 0)
    # stands at its line plus 2 k by then, and the pass stops at its
    # count. Lines opened for a view it never reaches would stay empty.
    set views {}
    foreach n [records_of_type #QDasReportVwCfg] {
        if {$n + 2 * [llength $views] >= $count} {
            break
        }
        if {[info exists app(l,$n)] && [rec_type $app(l,$n)] eq "#QDasReportVwCfg" &&
                [rec_len $app(l,$n)] == 66} {
            lappend views $n
        }
    }
    if {[llength $views] < 2 || ![splits_ahead_sound $views]} {
        return
    }
    set reports_opened_ahead [open_lines_after_each $views 2]
    return
}

# splits_ahead_sound --
#   Takes the lines of the report views to split; returns 1 when opening
#   their lines before the pass gives the file the plain loop gives: the
#   records of the types the pass may change are plain (nothing in them
#   that the canonical form would quote), every reference such a view
#   record follows names a record (a string or a plain record, where it
#   reads names), and each view's array is a plain "#IdArray" with a
#   numeric size.
proc splits_ahead_sound {views} {
    global app split_ahead_types
    foreach t $split_ahead_types {
        foreach n [records_of_type $t] {
            if {![info exists app(l,$n)] || [rec_type $app(l,$n)] ne $t} {
                continue
            }
            set text [string range $app(l,$n) 0 end]
            if {[regexp {[][{}"$;\\]} $text]} {
                return 0
            }
            if {$t eq "#BoolVwCfg"} {
                # The names the view's rules look for are read from the
                # records of tokens 4 and 11: a string, or a plain record
                # (whose text renumbering leaves alone but for numbers).
                foreach pos {3 4 11} {
                    if {[catch {ref_line [rec_tok $text $pos]} m] ||
                            ($pos != 3 && ![info exists app(q,$m)] &&
                             ![plain_text [string range $app(l,$m) 0 end]])} {
                        return 0
                    }
                }
            }
        }
    }
    foreach n $views {
        if {[catch {ref_line [rec_tok $app(l,$n) 41]} m]} {
            return 0
        }
        set arr [string range $app(l,$m) 0 end]
        if {![plain_text $arr] || [rec_type $arr] ne "#IdArray" ||
                ![regexp {^[0-9]+$} [rec_tok $arr 0]]} {
            return 0
        }
    }
    return 1
}

# ref_before_reports --
#   Takes a token; when it is a reference and report views still to be
#   split had their lines opened before the pass, returns it with the
#   number it has in the plain loop at this point of the pass (2 less for
#   each such view below the line it names); returns other tokens as they
#   are.
proc ref_before_reports {tok} {
    global reports_opened_ahead
    if {$reports_opened_ahead eq "" || ![regexp {^@0*([0-9]+)$} $tok -> r]} {
        return $tok
    }
    set r0 $r
    foreach v $reports_opened_ahead {
        if {$v < $r} {
            incr r -2
        }
    }
    return [expr {$r == $r0 ? $tok : "@$r"}]
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
