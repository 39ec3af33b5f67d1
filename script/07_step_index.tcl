# Record index by type, so that a step visits only the records of the types
# it has rules for (its declaration, upgrade_step, names them as patterns):
# a record of any other type passes the step unchanged. A pass (visit_pass)
# visits all its types' lines in one ascending order, as the plain loop does.
#
# Steps never call the index; it is told of every change. The pass notes
# the record it gave a step when the visit changed it; the structure layer
# notes every other record (index_note), so steps write them only through
# set_record or edit_record; records added at the end are seen by the
# count. Opening and removing lines report the move (index_moved), by which
# the index and the pass shift their lines; renumbering (renumber_refs,
# close_refs) goes through every line and notes only those whose type or
# visits may have changed. Each line's highest reference is kept, so that
# a renumbering reads only records that may refer past it.
#
# A step may name per type filter texts, one of which a record must hold
# for the step to act on it (its renames' common texts, the names its rules
# test, the texts of holds clauses, which its procedure tests too); its
# pass leaves out the others by a plain text search, before any procedure
# is called.

# 1: steps visit only their types' records; 0: every record, as the plain
# loop does. Both give the same files.
set norvane_fast_steps 1

# Per-line lists (element n for line n), not arrays: the index stays small.
# rec_index(<type>)  lines once indexed with that type (rec_types decides
#                    for a line retyped since); read and added to only
#                    through index_list and index_list_add
# rec_types          each line's type when last indexed, "" for none
# rec_names(<type>)  one shared copy of each type name
# rec_dirty          lines written or unset since they were last indexed
# rec_index_ok       1 while the index describes the table's lines
# rec_cnt            the number of lines it describes
# rec_maxref         per line, a line no reference of its plain record lies
#                    above: its highest when read (0 for none, a string or
#                    a non-list) or a bound a search found nothing above;
#                    -1 when not known (always, for a list with a backslash)
# rec_held           the filter texts each line holds, of the step whose
#                    pass looked and of later ones (not of earlier steps);
#                    "?" when not known
# rec_heldlines      lines of filtered types whose rec_held is not known,
#                    with repeats
# rec_textlines(<text>)  lines found to hold the text, with repeats and
#                    lines changed since; kept as rec_index is
# rec_moves          line moves since the build: {open after count},
#                    {remove first last}
# rec_index_at(<type>), rec_textlines_at(<text>)  {done sorted}: how many
#                    of rec_moves the list has been moved by (it is moved
#                    when next read), and 1 when ascending without repeats
# rec_shifts         line moves since the pass last looked
set rec_types {}
set rec_dirty {}
set rec_index_ok 0
set rec_cnt 0
set rec_maxref {}
set rec_held {}
set rec_heldlines {}
set rec_moves {}
set rec_shifts {}

# index_set --
#   Sets element n of the per-line list listName to value, lengthening the
#   list with empty elements as needed.
proc index_set {listName n value} {
    upvar #0 $listName lst
    if {$n >= [llength $lst]} {
        lappend lst {*}[lrepeat [expr {$n - [llength $lst] + 1}] {}]
    }
    lset lst $n $value
    return
}

# index_type --
#   Takes a record text; returns its type as one shared copy per type name.
proc index_type {text} {
    global rec_names
    set t [rec_type $text]
    if {![info exists rec_names($t)]} {
        set rec_names($t) $t
    }
    return $rec_names($t)
}

# index_is_current --
#   Returns 1 when the index was built for the table now loaded (the table
#   keeps index_build's mark app(indexed) until read or set up anew).
proc index_is_current {} {
    global rec_index_ok app
    expr {$rec_index_ok && [info exists app(indexed)]}
}

# index_build --
#   Takes optionally each line's type as read ("" when not known); indexes
#   every line by type and marks the table as indexed.
proc index_build {{known {}}} {
    global app rec_index rec_types rec_dirty rec_index_ok rec_names \
        rec_cnt rec_maxref rec_held rec_heldlines rec_textlines step_filtered \
        rec_moves rec_index_at rec_textlines_at
    array unset rec_index
    array unset rec_index_at
    array unset rec_textlines_at
    set rec_moves {}
    set cnt $app(cnt)
    # A type's lines are found in this list only when first asked for
    # (index_list): a conversion of one step asks for few types.
    set rec_types [lrange $known 0 [expr {$cnt - 1}]]
    if {[llength $rec_types] < $cnt} {
        lappend rec_types {*}[lrepeat [expr {$cnt - [llength $rec_types]}] {}]
    }
    foreach n [lsearch -all -exact $rec_types ""] {
        if {$n > 0 && [info exists app(l,$n)]} {
            lset rec_types $n [index_type $app(l,$n)]
        }
    }
    if {$cnt > 0} {
        lset rec_types 0 {}
    }
    foreach t [lsort -unique $rec_types] {
        set rec_index_at($t) {0 1}
    }
    set rec_dirty {}
    set rec_cnt $cnt
    set rec_maxref [lrepeat $cnt -1]
    set rec_held [lrepeat $cnt ?]
    set rec_heldlines {}
    array unset rec_textlines
    foreach t [array names step_filtered] {
        lappend rec_heldlines {*}[index_list rec_index $t]
    }
    set app(indexed) 1
    set rec_index_ok 1
    return
}

# index_note --
#   Takes a line; notes it to be indexed again. Whatever writes a record
#   other than the one a step was given, or lines a move opened, calls it.
proc index_note {n} {
    global rec_index_ok rec_dirty
    if {$rec_index_ok} {
        lappend rec_dirty $n
    }
    return
}

# index_refs_known --
#   Makes rec_maxref cover every line, as not known for lines written since.
proc index_refs_known {} {
    global app rec_maxref rec_dirty
    set len [llength $rec_maxref]
    if {$len < $app(cnt)} {
        lappend rec_maxref {*}[lrepeat [expr {$app(cnt) - $len}] -1]
        set len $app(cnt)
    }
    foreach n $rec_dirty {
        if {$n >= 0 && $n < $len} {
            lset rec_maxref $n -1
        }
    }
    return
}

# index_list --
#   Takes rec_index or rec_textlines and a key; returns its lines ("" for
#   none; ascending if so marked), moved (sorted first) by the moves since
#   last read. A type index_build noted, never read, gets them from rec_types.
proc index_list {arrName key} {
    upvar #0 $arrName lists ${arrName}_at at
    global rec_moves rec_types
    if {![info exists lists($key)]} {
        if {![info exists at($key)]} {
            return {}
        }
        set lists($key) [lsearch -all -exact $rec_types $key]
        set at($key) [list [llength $rec_moves] 1]
    }
    lassign $at($key) done sorted
    if {$done < [llength $rec_moves]} {
        set lines $lists($key)
        unset lists($key)
        if {!$sorted} {
            set lines [lsort -integer -unique $lines]
        }
        set lines [index_shift_lines $lines [lrange $rec_moves $done end]]
        set lists($key) $lines
        set at($key) [list [llength $rec_moves] 1]
    }
    return $lists($key)
}

# index_list_add --
#   Takes rec_index or rec_textlines, a key and lines of the table as it is
#   now; adds the lines to the key's.
proc index_list_add {arrName key args} {
    upvar #0 $arrName lists ${arrName}_at at
    global rec_moves
    if {[info exists at($key)]} {
        index_list $arrName $key
        set last [lindex $lists($key) end]
    } else {
        set at($key) [list [llength $rec_moves] 1]
        set last -1
    }
    foreach n $args {
        if {$n <= $last} {
            lset at($key) 1 0
        }
        set last $n
    }
    lappend lists($key) {*}$args
    return
}

# index_shift_lines --
#   Takes ascending lines and moves made in turn; returns them, ascending,
#   where the moves put them, removed ones left out. Only lines behind the
#   first a move touches are gone through, once for all the moves.
proc index_shift_lines {lines moves} {
    if {$moves eq ""} {
        return $lines
    }
    # Each move as: the first line it removes, the last line before those
    # it moves, and how far. An opening removes none: its first is one
    # after that line. A line before every move's first stays put.
    set steps {}
    set low ""
    foreach move $moves {
        lassign $move op a b
        if {$op eq "open"} {
            lappend steps [expr {$a + 1}] $a $b
        } else {
            lappend steps $a $b [expr {$a - $b - 1}]
        }
        set first [lindex $steps end-2]
        if {$low eq "" || $first < $low} {
            set low $first
        }
    }
    set p [lsearch -bisect -integer $lines [expr {$low - 1}]]
    concat [lrange $lines 0 $p] [lmap n [lrange $lines $p+1 end] {
        foreach {first last d} $steps {
            if {$n > $last} {
                incr n $d
            } elseif {$n >= $first} {
                # Removed.
                set n ""
                break
            }
        }
        if {$n eq ""} {
            continue
        }
        set n
    }]
}

# index_moved --
#   Takes the line move open_lines or remove_lines has just made; shifts the
#   index's lines, notes opened lines as written, keeps the move for the pass.
proc index_moved {move} {
    global rec_index_ok rec_types rec_maxref rec_held rec_heldlines \
        rec_dirty rec_cnt rec_shifts rec_moves
    if {!$rec_index_ok} {
        return
    }
    # The lines of each type and of each filter text follow when they are
    # next read (index_list): most are read far less often than lines move.
    lappend rec_moves $move
    set rec_dirty [index_shift_lines [lsort -integer $rec_dirty] [list $move]]
    set rec_heldlines [index_shift_lines [lsort -integer $rec_heldlines] [list $move]]
    lassign $move op a b
    if {$op eq "open"} {
        set at [expr {$a + 1}]
        set rec_types [linsert $rec_types $at {*}[lrepeat $b {}]]
        set rec_maxref [linsert $rec_maxref $at {*}[lrepeat $b -1]]
        set rec_held [linsert $rec_held $at {*}[lrepeat $b ?]]
        for {set n $at} {$n <= $a + $b} {incr n} {
            lappend rec_dirty $n
        }
        incr rec_cnt $b
    } else {
        set rec_types [lreplace $rec_types $a $b]
        set rec_maxref [lreplace $rec_maxref $a $b]
        set rec_held [lreplace $rec_held $a $b]
        incr rec_cnt [expr {$a - $b - 1}]
    }
    lappend rec_shifts $move
    return
}

# index_update --
#   Indexes again the lines written since last indexed (or the whole table,
#   when over a quarter of its lines were, or the index is not current).
proc index_update {} {
    global app rec_index rec_types rec_dirty rec_heldlines step_filtered
    if {![index_is_current] || [llength $rec_dirty] > $app(cnt) / 4} {
        index_build
        return
    }
    set lines [lsort -integer -unique $rec_dirty]
    set rec_dirty {}
    foreach n $lines {
        if {$n < 1} {
            continue
        }
        if {![info exists app(l,$n)]} {
            index_set rec_maxref $n -1
            index_set rec_held $n ?
            if {$n < [llength $rec_types]} {
                lset rec_types $n {}
            }
            continue
        }
        index_written $n
    }
    return
}

# index_written --
#   Takes a line written since indexed and optionally its type, if known
#   unchanged; indexes its type again and marks its highest reference and
#   filter texts not known.
proc index_written {n {t ""}} {
    global app rec_types rec_maxref rec_held rec_heldlines step_filtered
    if {$t eq ""} {
        set t [index_type $app(l,$n)]
        if {[lindex $rec_types $n] ne $t} {
            index_list_add rec_index $t $n
            index_set rec_types $n $t
        }
    }
    if {$n < [llength $rec_maxref] && $n < [llength $rec_held]} {
        lset rec_maxref $n -1
        lset rec_held $n ?
    } else {
        index_set rec_maxref $n -1
        index_set rec_held $n ?
    }
    if {[info exists step_filtered($t)]} {
        lappend rec_heldlines $n
    }
    return
}

# step_has_rule --
#   Takes a step version and a record type; returns 1 when one of the step's
#   type patterns matches it (always, for a step registered without types).
proc step_has_rule {ver type} {
    global step_types step_rule_cache
    if {![info exists step_rule_cache($ver,$type)]} {
        if {![info exists step_types($ver)]} {
            set step_types($ver) *
        }
        set hit 0
        foreach p $step_types($ver) {
            if {[string match $p $type]} {
                set hit 1
                break
            }
        }
        set step_rule_cache($ver,$type) $hit
    }
    return $step_rule_cache($ver,$type)
}

# step_filter --
#   Takes a step version and a record type; returns the step's filter texts
#   for the type plus a backslash (a record with escapes may hold a text
#   only once they are read, so it is always visited); "" for no filter.
proc step_filter {ver type} {
    global step_filters step_filter_cache
    if {![info exists step_filter_cache($ver,$type)]} {
        set texts {}
        if {[info exists step_filters($ver)] &&
                [dict exists $step_filters($ver) $type]} {
            set texts [dict get $step_filters($ver) $type]
        }
        if {[llength $texts]} {
            lappend texts \\
        }
        set step_filter_cache($ver,$type) $texts
    }
    return $step_filter_cache($ver,$type)
}

# step_visits --
#   Takes a step version and a record text; returns 1 when the step has a
#   rule for its type and it holds one of the step's filter texts (if any).
proc step_visits {ver text} {
    set type [rec_type $text]
    if {![step_has_rule $ver $type]} {
        return 0
    }
    set texts [step_filter $ver $type]
    expr {$texts eq "" || [rec_holds $text $texts]}
}

# rec_holds --
#   Takes a record text and texts; returns 1 when the record holds one of
#   them, else 0. (A copy is searched: string first would keep a
#   wide-character copy of the record's text beside it.)
proc rec_holds {text texts} {
    set copy [string range $text 0 end]
    foreach x $texts {
        if {[string first $x $copy] >= 0} {
            return 1
        }
    }
    return 0
}

# index_lines --
#   Takes step versions; returns, ascending, the lines of the types one of
#   them has rules for, less those every such step's filter passes over.
proc index_lines {vers} {
    global app rec_index rec_index_at rec_types rec_held rec_heldlines rec_textlines
    set lines {}
    set known 0
    foreach t [array names rec_index_at] {
        set texts {}
        set every 0
        foreach ver $vers {
            if {![step_has_rule $ver $t]} {
                continue
            }
            set own [step_filter $ver $t]
            if {$own eq ""} {
                set every 1
                break
            }
            lappend texts {*}$own
        }
        if {$every} {
            foreach n [index_list rec_index $t] {
                if {[lindex $rec_types $n] eq $t} {
                    lappend lines $n
                }
            }
            continue
        }
        if {$texts eq ""} {
            continue
        }
        set texts [lsort -unique $texts]
        # A filtered type: lines written since their texts were looked at
        # are read first; only lines holding one of the texts are visited.
        if {!$known} {
            index_texts_known [lindex $vers 0]
            set known 1
        }
        set cands {}
        foreach x $texts {
            lappend cands {*}[index_list rec_textlines $x]
        }
        foreach n [lsort -integer -unique $cands] {
            if {[lindex $rec_types $n] ne $t} {
                continue
            }
            set held [lindex $rec_held $n]
            foreach x $texts {
                if {$x in $held} {
                    lappend lines $n
                    break
                }
            }
        }
        # Lines that no longer hold a text leave its list.
        foreach x $texts {
            if {[info exists rec_textlines($x)]} {
                # (Read through index_list above: moved already.)
                set rec_textlines($x) [lmap n [lsort -integer -unique $rec_textlines($x)] {
                    if {$x ni [lindex $rec_held $n]} {
                        continue
                    }
                    set n
                }]
            }
        }
    }
    lsort -integer -unique $lines
}

# index_texts_known --
#   Takes the step whose pass is to visit; empties rec_heldlines, adding
#   each line to the rec_textlines of the texts in its rec_held (searched
#   first, among that step's and later steps' filter texts, if not known).
proc index_texts_known {from} {
    global app rec_types rec_held rec_heldlines rec_textlines rec_textlines_at \
        step_filtered
    # Each text's lines are moved (or begun) once, then added to directly,
    # in no known order.
    foreach x [filter_texts] {
        index_list_add rec_textlines $x
        lset rec_textlines_at($x) 1 0
    }
    set need {}
    foreach n [lsort -integer -unique $rec_heldlines] {
        if {![info exists step_filtered([lindex $rec_types $n])]} {
            continue
        }
        set held [lindex $rec_held $n]
        if {$held eq "?" || $n >= [llength $rec_held]} {
            lappend need $n
            continue
        }
        foreach x $held {
            lappend rec_textlines($x) $n
        }
    }
    set rec_heldlines {}
    set len [llength $rec_held]
    foreach n $need held [texts_held_by $need [filter_texts $from]] {
        if {$n < $len} {
            lset rec_held $n $held
        } else {
            index_set rec_held $n $held
            set len [llength $rec_held]
        }
        foreach x $held {
            lappend rec_textlines($x) $n
        }
    }
    return
}

# Records texts_held_by joins into one text at a time: each filter text is
# searched in a piece small enough to stay in the processor's cache.
set texts_chunk_lines 1000

# texts_held_by --
#   Takes lines holding records and filter texts; returns for each line the
#   texts its record holds (one shared copy per list), searching each text
#   once through a chunk of records joined.
proc texts_held_by {lines texts} {
    global app rec_held_lists texts_chunk_lines
    if {$lines eq ""} {
        return {}
    }
    if {![info exists rec_held_lists()]} {
        set rec_held_lists() {}
    }
    set total [llength $lines]
    set out [lrepeat $total $rec_held_lists()]
    for {set base 0} {$base < $total} {incr base $texts_chunk_lines} {
        # Record k starts at element k of starts; a filter text holds no
        # line feed, so a hit lies inside one record.
        set last [expr {$base + $texts_chunk_lines - 1}]
        set recs [lmap n [lrange $lines $base $last] {set app(l,$n)}]
        set starts {}
        set at 0
        foreach rec $recs {
            lappend starts $at
            incr at [expr {[string length $rec] + 1}]
        }
        lappend starts $at
        set all [join $recs \n]
        unset recs
        foreach x $texts {
            set p [string first $x $all]
            while {$p >= 0} {
                set k [lsearch -bisect -integer $starts $p]
                lappend found($k) $x
                set p [string first $x $all [lindex $starts $k+1]]
            }
        }
        foreach {k held} [array get found] {
            if {![info exists rec_held_lists($held)]} {
                set rec_held_lists($held) $held
            }
            lset out [expr {$base + $k}] $rec_held_lists($held)
        }
        array unset found
    }
    return $out
}

# filter_texts --
#   Takes optionally a step version; returns, sorted with a backslash, the
#   filter texts of all steps, or of that step and those after it in verlist.
proc filter_texts {{from ""}} {
    global step_filters verlist filter_texts_from
    set at [lsearch -exact $verlist $from]
    if {$at < 0} {
        set from ""
    }
    if {![info exists filter_texts_from($from)]} {
        set vers [expr {$at < 0 ? [array names step_filters] : [lrange $verlist $at end]}]
        set texts [list \\]
        foreach ver $vers {
            if {[info exists step_filters($ver)]} {
                dict for {type own} $step_filters($ver) {
                    lappend texts {*}$own
                }
            }
        }
        set filter_texts_from($from) [lsort -unique $texts]
    }
    return $filter_texts_from($from)
}
