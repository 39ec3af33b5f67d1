# Synthetic application files for the benchmark and the sample files.
#
# A file is built as a list of units (a numeric control with its strings and
# view, a plot view, a report view with its columns, ...). Each unit builds
# its records for the file's version: a record type's layout at a version is
# its oldest layout grown by the layout changes of every version up to it
# (the table `appgen::growth`), and a control path is written as it was
# named at that version (the table `appgen::paths`). All references name
# records of the same file.

namespace eval appgen {
    variable seed 1
    variable lines {}

    # Record types whose layout gained four tokens in 6.7.
    variable app66 {
        #StdVwCfg #D2CntrlPnlCfg #CCCntrlPnlCfg #D3CntrlPnlCfg #DataVwCfg
        #IsoVwCfg #FcCntrlPnlCfg #MtfTableVwCfg #ObCntrlPnlCfg #ParamVwCfg
        #PlotVwCfg #D2PlotVwCfg #CCPlotVwCfg #MatPlotVwCfg #D3PlotVwCfg
        #FcPlotVwCfg #ObPlotVwCfg #SdPlotVwCfg #SlcPlotVwCfg #ProcessVwCfg
        #ReportVwCfg #SdCntrlPnlCfg #SeidVwCfg #StatsVwCfg #AdvTxtStatsVwCfg
        #ProcStatsVwCfg #SlcStatsVwCfg #VistaStatsVwCfg #VidMonVwCfg #ZernVwCfg
    }
    # Standard view types, which gained seventeen tokens in 7.8.1.
    variable std {
        #StdVwCfg #AdvTxtStatsVwCfg #AppVwCfg #BitMapVwCfg #CCCntrlPnlCfg
        #CCPlotVwCfg #D2CntrlPnlCfg #D2PlotVwCfg #D3CntrlPnlCfg #D3PlotVwCfg
        #DataVwCfg #FcCntrlPnlCfg #FcPlotVwCfg #IsoVwCfg #MatPlotVwCfg
        #MtfTableVwCfg #ObCntrlPnlCfg #ObPlotVwCfg #ParamVwCfg #PlotVwCfg
        #ProcStatsVwCfg #ProcessVwCfg #QDasReportVwCfg #ReportVwCfg
        #SdCntrlPnlCfg #SdPlotVwCfg #SeidVwCfg #SlcPlotVwCfg #SlcStatsVwCfg
        #StatsVwCfg #VidMonVwCfg #ZernVwCfg
    }
    variable typed_num {
        #LnNumVwCfg #LtNumVwCfg #SfNumVwCfg #VelNumVwCfg #VoNumVwCfg
        #AnNumVwCfg #AccNumVwCfg #AreaNumVwCfg #InvAngNumVwCfg #InvAreaNumVwCfg
    }

    # Layout changes, in version order: the version that first has the
    # change, the record types (a name of one of the type lists above, or
    # glob patterns), the layout it applies to, and the edit.
    variable growth {
        {6.7.0  app66 {}     insert 19 {c1 c0 l262148 l1310748}}
        {7.1.0  {#AnnotVwCfg} {} append {} {@0}}
        {7.1.0  {#NumPC} {}     append {} {c0}}
        {7.2.0  {*PC} {}        insert 10 {c2}}
        {7.4.0  {#SeidVwCfg #ZernVwCfg} {ne 24} append {} {i3}}
        {7.4.2  {#CCPlotVwCfg} {ne 50} append {} {i1}}
        {7.6.0  {#FcPlotVwCfg} {lt 39} insert 31 {d0 d0}}
        {7.6.0  {#ActVwCfg #ExecVwCfg #ScriptVwCfg} {} append {} {@0}}
        {7.7.0  {#SelPC #SurfSelPC} {le 17} append {} {c1}}
        {7.7.0  {#FcPlotVwCfg} {lt 41} insert 35 {f50 f50 f50 f50}}
        {7.7.0  {#LimitsMgr} {eq 12} append {}
                {d0 d0 d0 i0 i0 c0 c0 c0 d0 d0 d0 i0 i0 c0 c0 c0}}
        {7.7.0  {#NumVwCfg} {eq 24} append {} {d0 d0 @0}}
        {7.7.0  typed_num {eq 29} insert 24 {d0 d0 @0}}
        {7.7.0  {#HtNumVwCfg} {eq 30} insert 24 {d0 d0 @0}}
        {7.7.0  {#SlNumVwCfg} {eq 32} insert 24 {d0 d0 @0}}
        {7.7.0  {#UNumVwCfg} {eq 27} insert 24 {d0 d0 @0}}
        {7.8.0  {#PanelButtonVwCfg} {tok17} tail 17 {@0 @0 @0 @0 c2 i0}}
        {7.8.0  {#QDasReportVwCfg} {eq 48} append {} {@0}}
        {7.8.1  std {tok14l} insert 13 {@0}}
        {7.8.1  std {grown} insert 24
                {@0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 d0 d0 d0 d0}}
        {7.10.0 {#FcPlotVwCfg} {eq 61} insert 51 {c1}}
        {7.10.0 {#ObPlotVwCfg} {eq 53} insert 46 {c1}}
        {7.12.0 {#D3SModelPlotVwCfg} {eq 60} insert 50
                {d270 d315 d0 d45 d90 d135 d180 d90 d90 d90 d90 d90 d90 d90
                 d100 d100 d100 d100 d100 d100 d100 d0 d0 d0 d0}}
        {7.12.0 {#D3SModelPlotVwCfg} {eq 85} append {}
                {i0 i1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1 d1
                 d1 d1 d1 i1 i0 i0 i0 i0 i0 i0 i0}}
        {7.14.0 {#NumPC} {} append {} {i1 i0 i0}}
        {7.15.1 {#D2PlotVwCfg} {eq 65} append {} {i0 d0 i0 i0 i1}}
        {7.15.1 {#CCPlotVwCfg} {eq 67} before2 {} {i0 d0 i0 i0 i1}}
        {7.15.3 {#NumDC} {eq 70} append {}
                {@0 @0 @0 $0 i0 i0 $0 i0 i0 $0 $0 $0 $0 i0}}
        {8.0.2  {#StrPC #FNamePC #DirNamePC} {eq 15} append {} {i0}}
        {8.0.2  {#FName1PC #SerNumPC #WinNamePC} {eq 17} insert 15 {i0}}
        {8.0.2  {#D2PlotVwCfg} {eq 70} append {} {i0 i0}}
        {8.0.2  {#CCPlotVwCfg} {eq 72} before2 {} {i0 i0}}
        {8.1.0  {#D2PlotVwCfg} {eq 72} append {} {i0 i1}}
        {8.1.0  {#CCPlotVwCfg} {eq 74} before2 {} {i0 i1}}
        {8.3.3  {#D3SModelPlotVwCfg} {eq 116} append {}
                {c0 i0 d0 i0 d0 i0 i0 i0 i0 i0 i0}}
    }

    # Control paths as each version names them: a path, then pairs of the
    # version that renamed it and the new name; the last column is the
    # application type the rename depends on ("*" for every type).
    variable paths {
        {{APP/P_PATTERN/P_STITCH_COLS 6.7.0 APP/P_STITCH/P_STITCH_COLS} *}
        {{APP/P_PATTERN/P_STITCH_OVERLAP 6.7.0 APP/P_STITCH/P_STITCH_OVERLAP} *}
        {{APP/A_PATTERN/A_STITCH_NUM 6.7.0 APP/A_STITCH/A_STITCH_NUM} *}
        {{APP/D_MH_SLIDER_ALL_MAT/P_TAPER_MODE 7.2.0
          APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_MODE} *}
        {{APP/D_MH_SLIDER_ALL_MAT/P_PAD_TRIM 7.2.0
          APP/D_MH_SLIDER_ALL_MAT/P_PAD_CTRL/P_PAD_TRIM} *}
        {{APP/D_REF_TST_MAT/D_RMS 7.2.0 APP/D_REF_TST_MAT/D_RMS_TEST} *}
        {{APP/D_MH_SLIDER_ALL_MAT/P_MR_POLE 7.3.0
          APP/D_MH_SLIDER_ALL_MAT/P_TRAIL_CNTRL/P_MR_POLE} *}
        {{APP/D_MH_SLIDER_ALL_MAT/P_CONNECT_TAPER_LAST 7.3.0
          APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_CONNECT_TAPER_LAST} *}
        {{APP/D_PH_SLC/D_PH_SLC_RMS 7.3.0 APP/D_PH_MAT/D_PH_SLC/D_PH_SLC_RMS} *}
        {{APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RAD_CURV 7.3.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT/D_RADCRV/D_RADCRV} *}
        {{APP/D_SURF/D_ZERN_POLY 7.4.0 APP/D_SURF/D_ZERNIKES/D_ZERN_POLY} *}
        {{APP/P_ZERN/P_COEFS_16_35 7.4.0 APP/P_ZERN/P_COEFS_16_36} *}
        {{APP/D_REF_TST_MAT/P_FILTER_TYPE 7.4.2
          APP/D_REF_TST_MAT/P_FILTER/P_FILTER_TYPE} *}
        {{APP/D_REF_TST_MAT/A_TST3_MASK_LO 7.4.2
          APP/D_REF_TST_MAT/A_SEGMENTATION/A_TEST3/A_TST_MASK_LO} *}
        {{APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_APERTURE_SIZE 7.9.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_AUTO_APERTURE_MENU/P_APERTURE_OD_SIZE
          7.11.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT_2/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_OD_SIZE} *}
        {{APP/D_REF_TST_MAT/D_PH_TST_MAT/A_AUTO_APERTURE 7.9.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT/A_AUTO_APERTURE_MENU/A_AUTO_APERTURE} *}
        {{APP/D_CATSEYE_PH_TST_MAT/P_APERTURE_ID_SIZE 7.9.0
          APP/D_CATSEYE_PH_TST_MAT/P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE 7.11.0
          APP/D_CATSEYE_PH_TST_MAT/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE}
         TessalineApp}
        {{APP/D_PH_REF_TST_B_MAT/D_PH_TST_MAT_B3/A_APERTURE_SIZE 7.9.0
          APP/D_PH_REF_TST_B_MAT/D_PH_TST_MAT_B3/A_AUTO_APERTURE_MENU/A_APERTURE_OD_SIZE
          7.11.0
          APP/D_PH_REF_TST_B_MAT/D_PH_TST_MAT_B3/A_AUTO_APERTURE_MENU/A_APERTURE_CIRCLE/A_APERTURE_OD_SIZE}
         FTPApp}
        {{APP/P_MISC/P_SLIDE_SEQUENCE 7.10.0 APP/P_RAD_SCALE/P_SLIDE_SEQUENCE} *}
        {{APP/A_MISC/A_PART_DIAMETER 7.10.0 APP/A_RAD_SCALE/A_PART_DIAMETER} *}
        {{APP/D_REF_TST_MAT/D_PH_TST_MAT_3/P_HI_ZCLIP 7.11.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT_3/P_CLIP/P_HI_ZCLIP} *}
        {{APP/D_CONFOCAL_PH_TST_MAT/A_LO_ZCLIP 7.11.0
          APP/D_CONFOCAL_PH_TST_MAT/A_CLIP/A_LO_ZCLIP} TessalineApp}
        {{APP/D_REF_TST_MAT/P_MASK_ADJUST/P_BITMAP_FILE 8.1.0
          APP/D_REF_TST_MAT/P_MASK_ADJUST/P_SHERLOCK/P_BITMAP_FILE} *}
        {{APP/D_REF_TST_MAT/A_MASK_ADJUST/A_INVESTIGATION_FILE 8.1.0
          APP/D_REF_TST_MAT/A_MASK_ADJUST/A_SHERLOCK/A_INVESTIGATION_FILE} *}
        {{APP/P_MISC/P_OPERATOR} *}
        {{APP/D_SURF/D_PV} *}
        {{APP/D_SURF/D_RMS} *}
    }

    # Numeric controls: label, parameter name, path as named at each
    # version, and the numeric view type.
    variable numeric {
        {{{Stitch Columns:}} {P_STITCH_COLS}
         {APP/P_PATTERN/P_STITCH_COLS 6.7.0 APP/P_STITCH/P_STITCH_COLS}
         #LnNumVwCfg}
        {{{Mask Mode:} 7.4.2 {Segmentation Mode:}} {P_MASK_MODE 7.4.2 P_SEGMENTATION_MODE}
         {APP/D_REF_TST_MAT/P_MASK_MODE 7.4.2
          APP/D_REF_TST_MAT/P_SEGMENTATION/P_SEGMENTATION_MODE}
         #NumVwCfg}
        {{{Peak Count:}} {P_TEST_PEAK_NUM}
         {APP/D_REF_TST_MAT/P_TEST_PEAK_NUM 7.4.2
          APP/D_REF_TST_MAT/P_SEGMENTATION/P_TEST/P_TEST_PEAK_NUM}
         #HtNumVwCfg}
        {{{Taper Cut:}} {P_TAPER_CUT_THICKNESS}
         {APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CUT_THICKNESS 7.2.0
          APP/D_MH_SLIDER_ALL_MAT/P_TAPER_CTRL/P_TAPER_CUT_THICKNESS}
         #SlNumVwCfg}
        {{{Aperture:}} {P_APERTURE_ID_SIZE}
         {APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_APERTURE_ID_SIZE 7.9.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_AUTO_APERTURE_MENU/P_APERTURE_ID_SIZE
          7.11.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT_4/P_AUTO_APERTURE_MENU/P_APERTURE_CIRCLE/P_APERTURE_ID_SIZE}
         #VelNumVwCfg}
        {{{Part Diameter:}} {P_PART_DIAMETER}
         {APP/P_MISC/P_PART_DIAMETER 7.10.0 APP/P_RAD_SCALE/P_PART_DIAMETER}
         #AreaNumVwCfg}
        {{{Low Clip:}} {P_LO_ZCLIP}
         {APP/D_REF_TST_MAT/D_PH_TST_MAT/P_LO_ZCLIP 7.11.0
          APP/D_REF_TST_MAT/D_PH_TST_MAT/P_CLIP/P_LO_ZCLIP}
         #UNumVwCfg}
        {{{Overlap:}} {P_PROX_OVERLAP}
         {APP/D_MH_SLIDER_ALL_MAT/P_PROX_OVERLAP 7.2.0
          APP/D_MH_SLIDER_ALL_MAT/P_PROXIMITY_CTRL/P_PROX_OVERLAP}
         #AnNumVwCfg}
        {{{Gain:}} {P_GAIN} {APP/P_CAMERA/P_GAIN} #InvAngNumVwCfg}
    }

    # Choice codes of numeric views before and from 7.6.0.
    variable codes_old {c48 c49 c50 c19 c20 c37 c38 c7 c5}
    variable codes_new {c3 c19 c35 c1 c17 c2 c18 c16 c5}
    variable num_codes_old {c16 c2 c4}
    variable num_codes_new {c1 c16 c4}

    # Oldest layout length of each record type built from the common
    # view prefix; other types are built by their own unit.
    variable base_len {
        #FcPlotVwCfg 34 #ObPlotVwCfg 32 #CCPlotVwCfg 45 #D2PlotVwCfg 44
        #SeidVwCfg 19 #ZernVwCfg 19 #QDasReportVwCfg 48 #D3SModelPlotVwCfg 60
        #NumVwCfg 24 #HtNumVwCfg 30 #SlNumVwCfg 32 #UNumVwCfg 27
        #AnnotVwCfg 16 #ActVwCfg 16 #ExecVwCfg 16 #ScriptVwCfg 16
        #BoolVwCfg 20 #LnNumVwCfg 29 #LtNumVwCfg 29 #SfNumVwCfg 29
        #VelNumVwCfg 29 #VoNumVwCfg 29 #AnNumVwCfg 29 #AccNumVwCfg 29
        #AreaNumVwCfg 29 #InvAngNumVwCfg 29 #InvAreaNumVwCfg 29
    }
}

# appgen::rand --
#   Takes a bound n and returns a pseudo-random integer 0 .. n-1 from the
#   generator's own seed, so that a file depends only on its parameters.
proc appgen::rand {n} {
    variable seed
    set seed [expr {($seed * 1103515245 + 12345) % 2147483648}]
    return [expr {($seed >> 8) % $n}]
}

# appgen::pick --
#   Takes a list and returns one of its elements, chosen by rand.
proc appgen::pick {lst} {
    return [lindex $lst [rand [llength $lst]]]
}

# appgen::choose --
#   Takes a list and a selector: empty for a pseudo-random element, a
#   number for the element at that index, else the element itself (which
#   must be in the list). Returns the element.
proc appgen::choose {lst sel} {
    if {$sel eq ""} {
        return [pick $lst]
    }
    if {[string is integer -strict $sel]} {
        return [lindex $lst $sel]
    }
    if {$sel ni $lst} {
        error "no unit choice \"$sel\""
    }
    return $sel
}

# appgen::vkey --
#   Takes a version string and returns its three fields as integers.
proc appgen::vkey {v} {
    set f [lmap x [split $v .] {scan $x %d}]
    while {[llength $f] < 3} {
        lappend f 0
    }
    return $f
}

# appgen::vge --
#   Takes two versions and returns 1 when the first is the same as or
#   newer than the second, else 0.
proc appgen::vge {a b} {
    foreach x [vkey $a] y [vkey $b] {
        if {$x != $y} {
            return [expr {$x > $y}]
        }
    }
    return 1
}

# appgen::filler --
#   Takes a count and returns that many plain values (no references, no
#   value that begins with "l", nothing with blanks).
proc appgen::filler {n} {
    set vals {i0 i1 i2 i12 i100 i250 d0 d1.5 d0.25 d12.5 c0 c1 c0 i0}
    set out {}
    for {set i 0} {$i < $n} {incr i} {
        lappend out [pick $vals]
    }
    return $out
}

# appgen::in_types --
#   Takes a record type and the types column of the growth table (the name
#   of a type list, or glob patterns); returns 1 when the type is covered.
proc appgen::in_types {type kinds} {
    if {$kinds in {app66 std typed_num}} {
        variable $kinds
        return [expr {$type in [set $kinds]}]
    }
    foreach p $kinds {
        if {[string match $p $type]} {
            return 1
        }
    }
    return 0
}

# appgen::grow --
#   Takes a record's oldest token list and a version; returns the tokens in
#   the layout of that version, walking the growth table once.
proc appgen::grow {toks ver} {
    variable growth
    set type [lindex $toks 1]
    set grown 0
    foreach row $growth {
        lassign $row since kinds cond edit pos new
        if {![vge $ver $since]} {
            break
        }
        if {![in_types $type $kinds]} {
            continue
        }
        set len [llength $toks]
        switch -- [lindex $cond 0] {
            ""     {set ok 1}
            eq     {set ok [expr {$len == [lindex $cond 1]}]}
            ne     {set ok [expr {$len != [lindex $cond 1]}]}
            lt     {set ok [expr {$len < [lindex $cond 1]}]}
            le     {set ok [expr {$len <= [lindex $cond 1]}]}
            tok17  {set ok [expr {$len > 17 && [lindex $toks 17] ne "@0"}]}
            tok14l {set ok [string match l* [lindex $toks 14]]}
            grown  {set ok $grown}
        }
        if {!$ok} {
            continue
        }
        switch -- $edit {
            insert  {set toks [linsert $toks $pos {*}$new]}
            append  {lappend toks {*}$new}
            before2 {set toks [linsert $toks end-2 {*}$new]}
            tail    {set toks [list {*}[lrange $toks 0 [expr {$pos - 1}]] {*}$new]}
        }
        if {$cond eq "tok14l"} {
            set grown 1
        }
    }
    return $toks
}

# appgen::path_at --
#   Takes a rename chain (a path, then pairs of version and new path) and a
#   version; returns the path as that version names it.
proc appgen::path_at {chain ver} {
    set p [lindex $chain 0]
    foreach {since newp} [lrange $chain 1 end] {
        if {[vge $ver $since]} {
            set p $newp
        }
    }
    return $p
}

# appgen::str --
#   Takes a text and returns the line of a string record that holds it.
proc appgen::str {text} {
    set n [string length $text]
    return "0 #CharString i$n *$n\"$text"
}

# appgen::ref --
#   Takes a line number and returns a reference token to it.
proc appgen::ref {n} {
    return "@$n"
}

# appgen::view --
#   Takes a view type, the version, the lines of its parent, control, path
#   and label (0 for none) and returns the view's line in that version's
#   layout. Token 13 holds a choice code for numeric views; token 14 is the
#   "l" value that marks the standard layout.
proc appgen::view {type ver parent ctrl path label {code c0}} {
    variable base_len
    set len 24
    if {[dict exists $base_len $type]} {
        set len [dict get $base_len $type]
    }
    set toks [list 0 $type [ref $parent] [ref $ctrl] [ref $path] \
        i[expr {20 + [rand 400]}] i[expr {20 + [rand 300]}] i200 i120 c1 c0 \
        [ref $label] c0 $code l65536]
    lappend toks {*}[filler [expr {$len - [llength $toks]}]]
    return [join [grow $toks $ver]]
}

# appgen::control --
#   Takes a control type, the version, the line of its name string and the
#   oldest layout's length; returns the control's line. Tokens 10 to 12 of
#   the oldest layout are the current value, saved value and valid flag.
proc appgen::control {type ver name len} {
    set toks [list 0 $type @0 @0 @0 [ref $name] i0 c1 c0 c0 \
        [pick {c0 c1 i0 i1}] [pick {c0 c1}] c1]
    lappend toks {*}[filler [expr {$len - [llength $toks]}]]
    return [join [grow $toks $ver]]
}

# appgen::selpc --
#   Takes the tokens of a boolean control, its line's future collection base
#   N and the selection strings; returns the lines of the selection control
#   and of its collection records, as the conversion writes them.
proc appgen::selpc {toks base strings} {
    set k [llength $strings]
    set cap [expr {$k < 10 ? 10 : $k}]
    set maxlen 0
    foreach s $strings {
        set maxlen [expr {max($maxlen, [string length $s])}]
    }
    set cur [expr {[lindex $toks 11] in {c0 i0} ? "i0" : "i1"}]
    set sav [expr {[lindex $toks 12] in {c0 i0} ? "i0" : "i1"}]
    set sel [list {*}[lrange $toks 0 10] @$base @[expr {$base + 1}] \
        i$maxlen $cur $sav [lindex $toks 13] c1]
    lset sel 1 #SelPC
    set out [list [join $sel]]
    lappend out "0 #IntOrdCltn @[expr {$base + 2}] i$cap i$k"
    lappend out "$cap #OrdCltn @[expr {$base + 3}] i$cap i$k"
    set ints {}
    set ids {}
    for {set j 0} {$j < $cap} {incr j} {
        lappend ints [expr {$j < $k ? "i$j" : "i0"}]
        lappend ids [expr {$j < $k ? "@[expr {$base + 4 + $j}]" : "@0"}]
    }
    lappend out "$cap #IntArray i$cap \$0 [join $ints]"
    lappend out "$cap #IdArray i$cap \$0 [join $ids]"
    foreach s $strings {
        lappend out [str $s]
    }
    return $out
}

# appgen::header --
#   Takes a version and the line of the string naming the application type;
#   returns the header line in the layout of that version (22 tokens for
#   "too old", then 34, 38, 39, 56 or 58 tokens).
proc appgen::header {ver typeline} {
    if {$ver eq "old"} {
        return [join [list 0 #AppVwCfg {*}[filler 20]]]
    }
    lassign [vkey $ver] ma mi bu
    set toks [list 0 #AppVwCfg @0 @0 @0 i0 i0 i640 i480 c1 c0 @0 c0 @0 \
        l65536 c1 c0 i0 i0 s$ma s$mi s$bu i2 [ref $typeline] \
        {*}[filler 10]]
    if {[vge $ver 6.7.0]} {
        set toks [linsert $toks 19 c1 c0 l262148 l1310748]
    }
    if {[vge $ver 7.2.0]} {
        lset toks 26 i3
        lset toks 27 [ref $typeline]
        set toks [linsert $toks 28 i2]
    }
    if {[vge $ver 7.8.1]} {
        set toks [linsert $toks 13 @0]
        set toks [linsert $toks 24 @0 @0 @0 @0 i0 i0 i0 i0 l0 l0 l0 l0 \
            d0 d0 d0 d0]
    }
    if {[vge $ver 7.11.2]} {
        lappend toks i0 i0
    }
    return [join $toks]
}

# appgen::unit_numeric --
#   Takes the first line b, the version and the application type; returns
#   the lines of a numeric control: label, name, path, control, view.
proc appgen::unit_numeric {b ver apptype {sel {}}} {
    variable numeric
    variable codes_old
    variable codes_new
    variable num_codes_old
    variable num_codes_new
    lassign [choose $numeric $sel] lab name path vtype
    if {$vtype eq "#NumVwCfg"} {
        set codes [expr {[vge $ver 7.6.0] ? $num_codes_new : $num_codes_old}]
    } elseif {$vtype eq "#UNumVwCfg"} {
        # The only numeric view whose codes kept their numbers in 7.6.
        set codes $codes_old
    } else {
        set codes [expr {[vge $ver 7.6.0] ? $codes_new : $codes_old}]
    }
    return [list [str [path_at $lab $ver]] [str [path_at $name $ver]] \
        [str [path_at $path $ver]] \
        [control #NumPC $ver [expr {$b + 1}] 14] \
        [view $vtype $ver 0 [expr {$b + 3}] [expr {$b + 2}] $b [pick $codes]]]
}

# appgen::bool_unit --
#   Takes the first line b, the version, the label, name and paths of a
#   boolean control, the version from which it is a selection control (""
#   for never) and its selection strings; returns its lines: control,
#   label, name, then a path and a view for each path, then (once
#   converted) the collection records of the selection control.
proc appgen::bool_unit {b ver label name paths since strings} {
    set ctl [split [control #BoolPC $ver [expr {$b + 2}] 13]]
    set out [list {} [str $label] [str $name]]
    set line [expr {$b + 3}]
    set conv [expr {$since ne "" && [vge $ver $since]}]
    foreach p $paths {
        lappend out [str $p]
        set v [split [view #BoolVwCfg $ver 0 $b $line [expr {$b + 1}]]]
        if {$conv} {
            lset v 1 #SelVwCfg
            set v [lreplace $v 15 15]
        }
        lappend out [join $v]
        incr line 2
    }
    if {$conv} {
        set sel [selpc $ctl [expr {$b + [llength $out]}] $strings]
        lset out 0 [lindex $sel 0]
        lappend out {*}[lrange $sel 1 end]
    } else {
        lset out 0 [join $ctl]
    }
    return $out
}

# appgen::unit_bool --
#   Takes the first line b, the version and the application type; returns
#   the lines of a plain boolean control that no rule converts.
proc appgen::unit_bool {b ver apptype {sel {}}} {
    set c [choose {
        {{Show Grid:} P_SHOW_GRID APP/P_DISPLAY/P_SHOW_GRID}
        {{Auto Scale:} P_AUTO_SCALE APP/P_DISPLAY/P_AUTO_SCALE}
        {{Invert:} P_INVERT APP/D_REF_TST_MAT/P_INVERT}
    } $sel]
    lassign $c lab name path
    return [bool_unit $b $ver $lab $name [list $path] "" {}]
}

# appgen::unit_logging --
#   Returns the lines of a "Logging:" switch, a selection from 7.12.0 on.
proc appgen::unit_logging {b ver apptype {sel {}}} {
    return [bool_unit $b $ver Logging: P_LOG_RESULTS \
        [list APP/P_LOG/P_LOG_RESULTS] 7.12.0 {Off On {On Load}}]
}

# appgen::unit_autosave --
#   Returns the lines of the auto-save switch, a selection from 7.12.0 on.
proc appgen::unit_autosave {b ver apptype {sel {}}} {
    return [bool_unit $b $ver {Auto Save:} P_AUTO_SAVE_PROC_DATA \
        [list APP/P_AUTO_SAVE_PROC_DATA] 7.12.0 {Off On {On Load}}]
}

# appgen::unit_glint --
#   Returns the lines of the glint frame switch and its two views, a
#   selection from 8.1.0 on.
proc appgen::unit_glint {b ver apptype {sel {}}} {
    return [bool_unit $b $ver {Glint Frame:} P_GLINT_FRAME_SUB \
        [list APP/P_SYS_ERR/P_GLINT_FRAME_SUB APP/A_SYS_ERR/A_GLINT_FRAME_SUB] \
        8.1.0 {Off {Glintframe TS} {Glintframe Error File}}]
}

# appgen::unit_psd --
#   Returns the lines of the intensity PSD window: its path, collection,
#   array and three plots (two of them circle plots from 8.0.2 on).
proc appgen::unit_psd {b ver apptype {sel {}}} {
    set out [list [str APP/D_INTENS_PSD_MAT] \
        "10 #OrdCltn @[expr {$b + 2}] i10 i3" \
        "10 #IdArray i10 \$0 @[expr {$b + 3}] @[expr {$b + 4}] @[expr {$b + 5}] [join [lrepeat 7 @0]]"]
    foreach type {#FcPlotVwCfg #FcPlotVwCfg #D2PlotVwCfg} {
        set v [view $type $ver $b 0 0 0]
        if {$type eq "#FcPlotVwCfg" && [vge $ver 8.0.2]} {
            set v "[string map {#FcPlotVwCfg #FcCircleVwCfg} $v] i0"
        }
        lappend out $v
    }
    return $out
}

# appgen::unit_btest --
#   Returns the lines of a panel whose collection lists three action views,
#   the first of them the view of the dynamic test control (which 8.1.0
#   removes with its three records).
proc appgen::unit_btest {b ver apptype {sel {}}} {
    set pre [list "10 #OrdCltn @[expr {$b + 1}] i10 i3" \
        "10 #IdArray i10 \$0 @[expr {$b + 5}] @[expr {$b + 6}] @[expr {$b + 7}] [join [lrepeat 7 @0]]" \
        [str APP/B_DYNAMIC/B_TEST] \
        [control #ButtonPC $ver [expr {$b + 2}] 12] \
        [str {Dynamic Test}] \
        [view #ActVwCfg $ver 0 [expr {$b + 3}] [expr {$b + 2}] [expr {$b + 4}]] \
        [view #ExecVwCfg $ver 0 0 0 0] [view #ScriptVwCfg $ver 0 0 0 0]]
    if {![vge $ver 8.1.0]} {
        return $pre
    }
    return [list "10 #OrdCltn @[expr {$b + 1}] i10 i2" \
        "10 #IdArray i10 \$0 @[expr {$b + 2}] @[expr {$b + 3}] [join [lrepeat 8 @0]]" \
        {*}[lrange $pre 6 7]]
}

# appgen::unit_report --
#   Returns the lines of a report view with its column array and eighteen
#   column labels; from 7.12.0 on with the two arrays split off its tail.
proc appgen::unit_report {b ver apptype {sel {}}} {
    set split [vge $ver 7.12.0]
    set off [expr {$split ? 2 : 0}]
    set m [expr {$b + 1 + $off}]
    set col0 [expr {$m + 1}]
    set toks [list 0 #QDasReportVwCfg @0 @0 @0 i20 i20 i400 i300 c1 c0 @0 \
        c0 @0 l65536 {*}[filler 9] @$m {*}[filler 5]]
    for {set j 0} {$j < 18} {incr j} {
        lappend toks @[expr {$col0 + $j}]
    }
    set toks [grow $toks [expr {$split ? "7.11.1" : $ver}]]
    set arr [list 4 #IdArray i4 {$0}]
    for {set j 0} {$j < 4} {incr j} {
        lappend arr @[expr {$col0 + $j}]
    }
    set out {}
    if {$split} {
        lappend out [join [list {*}[lrange $toks 0 46] @[expr {$b + 1}] \
            @[expr {$b + 2}] @0]]
        lappend out "7 #IdArray i7 \$0 [join [lrange $toks 47 53]]"
        lappend out "9 #IdArray i9 \$0 [join [lrange $toks 54 61]] [lindex $toks 63]"
        set arr [list 6 #IdArray i6 {$0} {*}[lrange $arr 4 end] \
            {*}[lrange $toks 64 65]]
    } else {
        lappend out [join $toks]
    }
    lappend out [join $arr]
    for {set j 1} {$j <= 18} {incr j} {
        lappend out [str "Column $j"]
    }
    return $out
}

# appgen::unit_plot --
#   Returns the line of one plot view.
proc appgen::unit_plot {b ver apptype {sel {}}} {
    set type [choose {#FcPlotVwCfg #FcPlotVwCfg #ObPlotVwCfg #CCPlotVwCfg
        #D2PlotVwCfg #D2PlotVwCfg #D3SModelPlotVwCfg #PlotVwCfg #MatPlotVwCfg
        #SdPlotVwCfg #SlcPlotVwCfg #D3PlotVwCfg} $sel]
    return [list [view $type $ver 0 0 0 0]]
}

# appgen::unit_view --
#   Returns the line of one view of another kind.
proc appgen::unit_view {b ver apptype {sel {}}} {
    set type [choose {#StdVwCfg #DataVwCfg #IsoVwCfg #ParamVwCfg #ProcessVwCfg
        #ReportVwCfg #StatsVwCfg #SeidVwCfg #ZernVwCfg #VistaStatsVwCfg
        #BitMapVwCfg #AnnotVwCfg #ActVwCfg #ExecVwCfg #ScriptVwCfg
        #D2CntrlPnlCfg #FcCntrlPnlCfg #MtfTableVwCfg #VidMonVwCfg} $sel]
    return [list [view $type $ver 0 0 0 0]]
}

# appgen::unit_string --
#   Returns the line of one path string, as the version names it.
proc appgen::unit_string {b ver apptype {sel {}}} {
    variable paths
    lassign [choose $paths $sel] chain only
    if {$only ne "*" && $only ne $apptype} {
        set chain [lrange $chain 0 0]
    }
    return [list [str [path_at $chain $ver]]]
}

# appgen::unit_button --
#   Returns the line of a panel button; before 7.8.0 its tail holds a
#   reference and its caption, from then on the reset tail.
proc appgen::unit_button {b ver apptype {sel {}}} {
    set toks [list 0 #PanelButtonVwCfg @0 @0 @0 i10 i10 i80 i24 c1 c0 @0 c0 \
        @0 i0 i0 c1 @2 c1 i0 {*8"Run} Test i2]
    return [list [join [grow $toks $ver]]]
}

# appgen::unit_misc --
#   Returns the line of one control or manager record of another kind.
proc appgen::unit_misc {b ver apptype {sel {}}} {
    set kind [choose {#LimitsMgr #ScalarLinMapMgr #NumDC #SelPC #SurfSelPC
        #StrPC #FNamePC #DirNamePC #FName1PC #SerNumPC #WinNamePC #MnuPc
        #NumPC} $sel]
    switch -- $kind {
        #LimitsMgr {
            set toks [list 0 #LimitsMgr {*}[filler 10]]
        }
        #ScalarLinMapMgr {
            set toks [list 0 #ScalarLinMapMgr c1 d1.5 c1 d0.25 d2 i0]
        }
        #NumDC {
            set toks [list 0 #NumDC @0 @0 {*}[filler 20] {$0} {*}[filler 20] \
                {$0} {$0} {*}[filler 23]]
        }
        #MnuPc {
            set toks [list 0 #MnuPc @0 @0 {*}[filler 8]]
        }
        default {
            set len [dict get {#SelPC 16 #SurfSelPC 16 #StrPC 14 #FNamePC 14
                #DirNamePC 14 #FName1PC 16 #SerNumPC 16 #WinNamePC 16
                #NumPC 14} $kind]
            set toks [split [control $kind $ver 0 $len]]
            set ver 0.0.0
        }
    }
    return [list [join [grow $toks $ver]]]
}

# Regular units, their weights in a file's mix and their number of records
# in the oldest layouts.
set appgen::units {
    numeric 30 5 bool 6 5 logging 1 5 plot 14 1 view 12 1 string 16 1
    button 5 1 misc 16 1
}
# Units placed once (reports up to four times) and their sizes.
set appgen::single_size {autosave 5 glint 7 psd 6 btest 8 report 22}

# appgen::plan --
#   Takes a record count; returns the list of unit kinds of a file of
#   about that many records (in the oldest layouts): the auto-save switch
#   first, every regular kind once, then a weighted mix with the single
#   units placed among it. The plan does not depend on the version, so
#   files of different versions made with one seed hold the same units.
proc appgen::plan {count} {
    variable units
    variable single_size
    set singles {glint psd btest}
    for {set r 0} {$r < min(4, max(1, $count / 2000))} {incr r} {
        lappend singles report
    }
    set at [lmap s $singles {rand [expr {max(1, $count)}]}]
    set total 0
    foreach {k w n} $units {
        incr total $w
    }
    set kinds {autosave}
    set size [expr {3 + [dict get $single_size autosave]}]
    set first [lmap {k w n} $units {set k}]
    while {$size < $count || [llength $first] || [llength $singles]} {
        set kind ""
        foreach s $singles t $at {
            if {$t <= $size || $size >= $count} {
                set kind $s
                set i [lsearch -exact $singles $s]
                set singles [lreplace $singles $i $i]
                set at [lreplace $at $i $i]
                incr size [dict get $single_size $s]
                break
            }
        }
        if {$kind eq "" && [llength $first]} {
            set kind [lindex $first 0]
            set first [lrange $first 1 end]
            foreach {k w n} $units {
                if {$k eq $kind} {
                    incr size $n
                }
            }
        }
        if {$kind eq ""} {
            if {$size >= $count} {
                break
            }
            set r [rand $total]
            foreach {k w n} $units {
                if {$r < $w} {
                    set kind $k
                    incr size $n
                    break
                }
                incr r -$w
            }
        }
        lappend kinds $kind
    }
    return $kinds
}

# appgen::build --
#   Takes a version ("old" for a header older than 6.5), a record count, an
#   application type and a seed; returns the lines of a file of about that
#   many records holding the units of plan.
proc appgen::build {ver count apptype start} {
    variable seed
    set seed $start
    set kinds [plan $count]
    return [build_units $ver $apptype [expr {$start + 1}] $kinds]
}

# appgen::write --
#   Takes a file name and the lines of a file; writes them as the file
#   format has them (each line ends with one space and a line feed).
proc appgen::write {name lines} {
    set f [open $name w]
    fconfigure $f -translation lf -encoding iso8859-1
    foreach l $lines {
        puts $f "$l "
    }
    close $f
}

# appgen::build_units --
#   Takes a version ("old" for a header older than 6.5), an application
#   type, a seed and a list of units, each a unit kind optionally followed
#   by a selector (see choose); returns the lines of a file that holds
#   exactly those units in that order.
proc appgen::build_units {ver apptype start units} {
    variable seed
    set seed $start
    set lines [list "#AsciiFiler 1" [header $ver 2] [str $apptype]]
    if {$ver eq "old"} {
        set ver 6.0.0
    }
    foreach u $units {
        lassign $u kind sel
        lappend lines {*}[unit_$kind [llength $lines] $ver $apptype $sel]
    }
    return $lines
}

# appgen::read_lines --
#   Takes a file name; returns its lines (line feeds only, bytes kept).
proc appgen::read_lines {name} {
    set f [open $name]
    fconfigure $f -translation lf -encoding iso8859-1
    set text [read $f]
    close $f
    return [split [string trimright $text \n] \n]
}

# appgen::resolved --
#   Takes the lines of a file; returns its records from line 2 on, each
#   with every reference replaced by what it names (the text of a string
#   record, else the type of the record), sorted. Two files whose records
#   hold the same values and name the same things give the same result,
#   wherever their records stand.
proc appgen::resolved {lines} {
    set out {}
    foreach l [lrange $lines 2 end] {
        set toks {}
        foreach t [split $l " "] {
            if {[regexp {^@([1-9][0-9]*)$} $t -> n]} {
                set target [lindex $lines $n]
                set q [string first \" $target]
                if {[string match {0 #CharString *} $target] && $q > 0} {
                    set t "\[[string range $target [expr {$q + 1}] end]\]"
                } else {
                    set t "<[lindex [split $target " "] 1]>"
                }
            }
            lappend toks $t
        }
        lappend out [join $toks " "]
    }
    return [lsort $out]
}
