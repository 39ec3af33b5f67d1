# Upgrade steps 7.5 to 7.8: layout changes only; files reach 7.8.1.

# Choice codes of numeric views renumbered in 7.6, looked up once with the
# code the record holds (a new code is never looked up again).
set numview75_codes {c48 c3 c49 c19 c50 c35 c19 c1 c20 c17 c37 c2 c38 c18 c7 c16}
set numview75_types [type_set {
    #LnNumVwCfg #HtNumVwCfg #LtNumVwCfg #SfNumVwCfg #SlNumVwCfg #VelNumVwCfg
    #VoNumVwCfg #AnNumVwCfg #AccNumVwCfg #AreaNumVwCfg #InvAngNumVwCfg
    #InvAreaNumVwCfg
}]
set numvw75_codes {c16 c1 c2 c16}

# Records that gained a reference field at the end in 7.6.
set ref75_types [type_set {#ActVwCfg #ExecVwCfg #ScriptVwCfg}]

# Numeric views that gained two limits and a reference in 7.7, each known
# by the token count of its old layout.
set numview76_counts {
    #AccNumVwCfg 29 #AnNumVwCfg 29 #AreaNumVwCfg 29 #InvAngNumVwCfg 29
    #InvAreaNumVwCfg 29 #LnNumVwCfg 29 #LtNumVwCfg 29 #SfNumVwCfg 29
    #VelNumVwCfg 29 #VoNumVwCfg 29 #HtNumVwCfg 30 #SlNumVwCfg 32
    #UNumVwCfg 27
}
set numview76_fields {d0 d0 @0}
set limits76_fields {d0 d0 d0 i0 i0 c0 c0 c0 d0 d0 d0 i0 i0 c0 c0 c0}

# The tail a panel button is reset to from token 17 on.
set panel_button_tail {@0 @0 @0 @0 c2 i0}

# Standard view record types, the header among them.
set StdVwCfgClasses {
    #StdVwCfg #AdvTxtStatsVwCfg #AppVwCfg #BitMapVwCfg #CCCntrlPnlCfg
    #CCPlotVwCfg #D2CntrlPnlCfg #D2PlotVwCfg #D3CntrlPnlCfg #D3PlotVwCfg
    #DataVwCfg #FcCntrlPnlCfg #FcPlotVwCfg #IsoVwCfg #MatPlotVwCfg
    #MtfTableVwCfg #ObCntrlPnlCfg #ObPlotVwCfg #ParamVwCfg #PlotVwCfg
    #ProcStatsVwCfg #ProcessVwCfg #QDasReportVwCfg #ReportVwCfg
    #SdCntrlPnlCfg #SdPlotVwCfg #SeidVwCfg #SlcPlotVwCfg #SlcStatsVwCfg
    #StatsVwCfg #VidMonVwCfg #ZernVwCfg
}
set StdVwCfgSet [type_set $StdVwCfgClasses]
# The seventeen fields of 7.8.1: one before token 13, then sixteen before
# token 24 of the result (the former token 23).
set stdvw78_fields {@0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0}

# reset_panel_button --
#   Takes the name of a "#PanelButtonVwCfg" record variable; when its token
#   17 is not "@0", replaces tokens 17 to the end with the reset tail. A
#   record without token 17, or that cannot be read as a list, is left as
#   it is. Returns nothing.
proc reset_panel_button {list} {
    upvar 1 $list l
    global panel_button_tail
    if {[rec_len $l] > 17 && [rec_tok $l 17] ne "@0"} {
        tok_replace l 17 end {*}$panel_button_tail
    }
    return
}

register_step 7.5 [list #FcPlotVwCfg #NumVwCfg #AppVwCfg \
    {*}[dict keys $numview75_types] {*}[dict keys $ref75_types]]
register_local 7.5
# fixapp7.5 --
#   Upgrade step 7.5 to 7.6.0. Takes the name of a record variable; extends
#   the fringe plot, renumbers numeric view codes and gives action views a
#   reference field. Returns nothing.
proc fixapp7.5 {list} {
    upvar 1 $list l
    global numview75_types numview75_codes numvw75_codes ref75_types
    set type [rec_type $l]
    if {$type eq "#FcPlotVwCfg"} {
        if {[rec_len $l] < 39} {
            tok_insert l 31 d0 d0
        }
    } elseif {[dict exists $numview75_types $type]} {
        set code [rec_tok $l 13]
        if {[dict exists $numview75_codes $code]} {
            tok_replace l 13 13 [dict get $numview75_codes $code]
        }
    } elseif {$type eq "#NumVwCfg"} {
        set code [rec_tok $l 13]
        if {[dict exists $numvw75_codes $code]} {
            tok_replace l 13 13 [dict get $numvw75_codes $code]
        }
    } elseif {[dict exists $ref75_types $type]} {
        tok_append l @0
    } elseif {$type eq "#AppVwCfg"} {
        FixVersion l 7 5 7 6 0
    }
    return
}

register_step 7.6 [list #SelPC #SurfSelPC #FcPlotVwCfg #LimitsMgr #NumVwCfg \
    #AppVwCfg {*}[dict keys $numview76_counts]]
register_local 7.6
# fixapp7.6 --
#   Upgrade step 7.6 to 7.7.0. Takes the name of a record variable; gives
#   selections, the fringe plot, limits and numeric views their new fields,
#   each recognised by its old token count. Returns nothing.
proc fixapp7.6 {list} {
    upvar 1 $list l
    global numview76_counts numview76_fields limits76_fields
    set type [rec_type $l]
    set n [rec_len $l]
    switch -exact -- $type {
        #SelPC - #SurfSelPC {
            if {$n <= 17} {
                tok_append l c1
            }
        }
        #FcPlotVwCfg {
            if {$n < 41} {
                tok_insert l 35 f50 f50 f50 f50
            }
        }
        #LimitsMgr {
            if {$n == 12} {
                tok_append l {*}$limits76_fields
            }
        }
        #NumVwCfg {
            if {$n == 24} {
                tok_append l {*}$numview76_fields
            }
        }
        #AppVwCfg {
            FixVersion l 7 6 7 7 0
        }
        default {
            if {[dict exists $numview76_counts $type]
                    && $n == [dict get $numview76_counts $type]} {
                tok_insert l 24 {*}$numview76_fields
            }
        }
    }
    return
}

register_step 7.7 {#PanelButtonVwCfg #QDasReportVwCfg #AppVwCfg}
register_local 7.7
# fixapp7.7 --
#   Upgrade step 7.7 to 7.8.0. Takes the name of a record variable; resets
#   panel buttons and gives the report view a reference field. Returns
#   nothing.
proc fixapp7.7 {list} {
    upvar 1 $list l
    switch -exact -- [rec_type $l] {
        #PanelButtonVwCfg {
            reset_panel_button l
        }
        #QDasReportVwCfg {
            if {[rec_len $l] == 48} {
                tok_append l @0
            }
        }
        #AppVwCfg {
            FixVersion l 7 7 7 8 0
        }
    }
    return
}

register_step 7.8 $StdVwCfgClasses
register_local 7.8
# fixapp7.8 --
#   Upgrade step 7.8 to 7.8.1. Takes the name of a record variable; gives
#   every standard view of the old layout its seventeen new fields, the
#   header included (which moves it to its 56-token layout), and only then
#   rewrites the header's version. Returns nothing.
proc fixapp7.8 {list} {
    upvar 1 $list l
    global StdVwCfgSet stdvw78_fields
    set type [rec_type $l]
    if {[dict exists $StdVwCfgSet $type]
            && [string index [rec_tok $l 14] 0] eq "l"} {
        tok_inserts l 13 @0 24 $stdvw78_fields
    }
    if {$type eq "#AppVwCfg"} {
        FixVersion l 7 8 7 8 1
    }
    return
}
