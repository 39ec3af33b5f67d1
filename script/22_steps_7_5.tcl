# Upgrade steps 7.5 to 7.8: layout changes only; files reach 7.8.1.

# Choice codes of numeric views renumbered in 7.6, each mapped once (a new
# code is never looked up again: c49 becomes c19, not c1).
set numview75_codes {c48 c3 c49 c19 c50 c35 c19 c1 c20 c17 c37 c2 c38 c18 c7 c16}
set numview75_types {
    #LnNumVwCfg #HtNumVwCfg #LtNumVwCfg #SfNumVwCfg #SlNumVwCfg #VelNumVwCfg
    #VoNumVwCfg #AnNumVwCfg #AccNumVwCfg #AreaNumVwCfg #InvAngNumVwCfg
    #InvAreaNumVwCfg
}
set numvw75_codes {c16 c1 c2 c16}

# Records that gained a reference field at the end in 7.6.
set ref75_types {#ActVwCfg #ExecVwCfg #ScriptVwCfg}

# 29-token numeric views, which gained two limits and a reference in 7.7.
set numview76_types29 {
    #AccNumVwCfg #AnNumVwCfg #AreaNumVwCfg #InvAngNumVwCfg #InvAreaNumVwCfg
    #LnNumVwCfg #LtNumVwCfg #SfNumVwCfg #VelNumVwCfg #VoNumVwCfg
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
# The seventeen fields of 7.8.1: "@0" before token 13, then these sixteen
# before token 24 of the result (the former token 23).
set stdvw78_fields {@0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0}

# reset_panel_button --
#   Takes a "#PanelButtonVwCfg" variable's name; when it has a token 17 and
#   that is not "@0", tokens 17 on become panel_button_tail.
proc reset_panel_button {list} {
    upvar 1 $list l
    global panel_button_tail
    if {[rec_len $l] > 17 && [rec_tok $l 17] ne "@0"} {
        tok_replace l 17 end {*}$panel_button_tail
    }
    return
}

# Step 7.5: fringe plots grow, codes renumbered, action views get a reference.
upgrade_step 7.5 7.6.0 {
    #FcPlotVwCfg       {len < 39 insert 31 d0 d0}
    $numview75_types   {map 13 $numview75_codes}
    #NumVwCfg          {map 13 $numvw75_codes}
    $ref75_types       {append @0}
}

# Step 7.6: new fields, each record recognised by its old token count.
upgrade_step 7.6 7.7.0 {
    {#SelPC #SurfSelPC} {len <= 17 append c1}
    #FcPlotVwCfg       {len < 41 insert 35 f50 f50 f50 f50}
    #LimitsMgr         {len == 12 append $limits76_fields}
    #NumVwCfg          {len == 24 append $numview76_fields}
    $numview76_types29 {len == 29 insert 24 $numview76_fields}
    #HtNumVwCfg        {len == 30 insert 24 $numview76_fields}
    #SlNumVwCfg        {len == 32 insert 24 $numview76_fields}
    #UNumVwCfg         {len == 27 insert 24 $numview76_fields}
}

# Step 7.7: panel buttons reset; the report view gets a reference field.
upgrade_step 7.7 7.8.0 {
    #PanelButtonVwCfg  {call reset_panel_button}
    #QDasReportVwCfg   {len == 48 append @0}
}

# Step 7.8: old-layout standard views get the seventeen fields; the header
# thus reaches its 56-token layout before its version is rewritten.
upgrade_step 7.8 7.8.1 {
    $StdVwCfgClasses   {also when {[string index [rec_tok $l 14] 0] eq "l"}
                        call tok_inserts 13 @0 24 $stdvw78_fields}
    #AppVwCfg          {also version}
}
