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
                [string first $n [rec_tok $app(l,$i) 5]] >= 0} {
            boolpc_to_selpc app(l,$i) $sel_strings_7_11
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
            boolpc_to_selpc app(l,$ctl) $sel_strings_7_11
        }
    }
    return
}

# split_report_view --
#   Takes the name of the variable holding the 66-token report view at
#   line n of the table, and n. Opens two lines after it for two new
#   "#IdArray" records made of its tokens 47 to 61 and 63, renumbers every
#   reference behind it, grows the "#IdArray" named by its token 41 by its
#   tokens 64 and 65, and leaves the view with 50 tokens, its last three
#   naming the two new arrays and nothing. Returns nothing.
proc split_report_view {varName n} {
    upvar 1 $varName rep
    global app
    open_lines $n 2
    renumber_refs $n 2
    # rep is the table's own line n, so it now holds the new numbers.
    set first [expr {$n + 1}]
    set second [expr {$n + 2}]
    set app(l,$first) [join_texts {7 #IdArray i7 $0} {*}[lrange $rep 47 53]]
    set app(l,$second) [join_texts {9 #IdArray i9 $0} {*}[lrange $rep 54 61] [lindex $rep 63]]

    set m [ref_line [lindex $rep 41]]
    set arr $app(l,$m)
    set size [rec_tok $arr 0]
    if {![regexp {^[0-9]+$} $size]} {
        return -code error -errorcode {NORVANE BADCOUNT} \
            "Damaged record: array size \"$size\" at line $m is not a number"
    }
    set size [expr {[dec_value $size] + 2}]
    tok_replace arr 0 0 $size
    tok_replace arr 2 2 i$size
    tok_append arr {*}[lrange $rep 64 65]
    strip_braces arr
    set app(l,$m) $arr

    tok_replace rep 47 end @$first @$second @0
    return
}

register_step 7.11.0 {#CharString #BoolVwCfg #QDasReportVwCfg #D3SModelPlotVwCfg #AppVwCfg} \
    {#CharString P_AUTO_SAVE_PROC_DATA}
# fixapp7.11.0 --
#   Takes the name of a record variable; upgrades the record from 7.11 to
#   7.12.0. Returns nothing.
proc fixapp7.11.0 {list} {
    upvar 1 $list l
    global cur_index d3s_insert_7_11 d3s_append_7_11
    switch -exact -- [rec_type $l] {
        "#CharString" {
            if {[rec_tok $l 2] eq "i21" &&
                    [string first P_AUTO_SAVE_PROC_DATA [rec_tok $l 3]] >= 0} {
                convert_auto_save_control $cur_index
            }
        }
        "#BoolVwCfg" {
            convert_bool_view l
        }
        "#QDasReportVwCfg" {
            if {[rec_len $l] == 66} {
                split_report_view l $cur_index
            }
        }
        "#D3SModelPlotVwCfg" {
            if {[rec_len $l] == 60} {
                tok_insert l 50 {*}$d3s_insert_7_11
                tok_append l {*}$d3s_append_7_11
            }
        }
        "#AppVwCfg" {
            if {[rec_len $l] == 56} {
                tok_append l i0 i0
            }
            FixVersion l 7 11 7 12 0
        }
    }
    return
}

register_step 7.12.0 {#NumPC #AppVwCfg}
# fixapp7.12.0 --
#   Takes the name of a record variable; upgrades the record from 7.12 to
#   7.14.0. Returns nothing.
proc fixapp7.12.0 {list} {
    upvar 1 $list l
    switch -exact -- [rec_type $l] {
        "#NumPC" {
            tok_append l i1 i0 i0
        }
        "#AppVwCfg" {
            FixVersion l 7 12 7 14 0
        }
    }
    return
}

header_step 7.14.0 {7 14} {7 15 0}
