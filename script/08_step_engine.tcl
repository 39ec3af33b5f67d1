# The engine that runs the steps of a conversion.
#
# Unless norvane_fast_steps is 0, every step runs through visit_pass, alone or
# with the local steps next to it (run_steps). A pass visits the lines the
# record index gives, in the order the plain loop (process_fix) reaches them;
# at each, the record goes through the pass's steps in turn, each asked again
# whether it has a rule for the record's type and whether the record holds one
# of its texts.
#
# A local step (upgrade_step) changes only the record given, from its text
# alone: over consecutive local steps, running each step over all records or
# all steps over each record gives each record the same sequence of texts.
# Only two things tell the orders apart, both on few lines: the check before
# each step reads the version from line 1 (when line 1 has no known layout,
# the check passes whatever the other lines hold), and only "#AppVwCfg"
# records give messages and errors. So a run first takes line 1 and those
# records through each step in turn, announcing and checking it where the
# plain loop would, then every other record through all the steps: these
# queue nothing, so messages keep the plain loop's order.
#
# A step that is not local may write other records and move lines; the index
# is told (07_step_index.tcl), and after each visit the pass shifts the lines
# still to visit and adds those written past this one that it now visits.
# When lines went without the index being told, or a visit wrote more than
# rec_scan_limit lines, the rest of the pass reads the table as it is and the
# next pass indexes it anew.

# Lines a visit may write before the rest of the pass takes every line.
set rec_scan_limit 64

# run_plan --
#   Takes a pass's versions and a record type; returns, for each step with
#   rules for the type, its procedure and its filter texts ("" for none).
proc run_plan {vers type} {
    set plan {}
    foreach ver $vers {
        if {[step_has_rule $ver $type]} {
            lappend plan fixapp$ver [step_filter $ver $type]
        }
    }
    return $plan
}

# lines_from --
#   Returns the lines from first to count - 1.
proc lines_from {first count} {
    set lines {}
    for {set i $first} {$i < $count} {incr i} {
        lappend lines $i
    }
    return $lines
}

# visit_pass --
#   Takes a pass's versions (one step, or consecutive local steps), its
#   count (app(cnt) when it began) and optionally lines to leave out; the
#   index must be up to date (index_update). Calls the steps due at each
#   line with a record below the count, cur_index set to the line. Like the
#   plain loop, it goes on after the line it visited, whatever lies there.
proc visit_pass {vers count {skip {}}} {
    global app cur_index rec_types rec_held rec_maxref rec_heldlines \
        step_filtered rec_type_known rec_dirty rec_shifts rec_cnt \
        rec_index_ok rec_scan_limit step_local
    foreach n $skip {
        set skipped($n) 1
    }
    set indexed 1
    set local 1
    foreach ver $vers {
        if {![info exists step_local($ver)]} {
            set local 0
        }
    }
    set todo [index_lines $vers]
    set rec_shifts {}
    set k 0
    while {$k < [llength $todo]} {
        set n [lindex $todo $k]
        incr k
        if {$n >= $count} {
            break
        }
        if {$n < 1 || [info exists skipped($n)] || ![info exists app(l,$n)]} {
            continue
        }
        if {$indexed} {
            set t [lindex $rec_types $n]
            set held [lindex $rec_held $n]
        } else {
            set t [rec_type $app(l,$n)]
            set held ?
        }
        if {![info exists plan($t)]} {
            set plan($t) [run_plan $vers $t]
        }
        set first $app(l,$n)
        set rec $first
        set changed 0
        foreach {step texts} $plan($t) {
            if {$texts ne ""} {
                if {$held eq "?"} {
                    # Texts not known (changed in this pass, or the table
                    # read as it is): the record is searched.
                    set hit [rec_holds $rec $texts]
                } else {
                    set hit 0
                    foreach x $texts {
                        if {$x in $held} {
                            set hit 1
                            break
                        }
                    }
                }
                if {!$hit} {
                    continue
                }
            }
            set cur_index $n
            if {$local} {
                set before $rec
                set rec_type_known [list $rec $t]
                $step rec
                if {$rec ne $before} {
                    set changed 1
                    set held ?
                }
                continue
            }
            set before $app(l,$n)
            set rec_type_known [list $before $t]
            $step app(l,$n)
            if {![info exists app(l,$n)]} {
                set changed 1
                break
            }
            if {$app(l,$n) ne $before} {
                set changed 1
                set held ?
                set rec $app(l,$n)
            }
        }
        set rec_type_known {}
        if {$local && $changed} {
            # (The tokens the steps left parsed need not stay in memory.)
            string length $rec
            set app(l,$n) $rec
        }
        if {!$indexed} {
            continue
        }
        if {$local} {
            # Only the record visited changed, and not its type.
            if {!$changed} {
                string length $first
                continue
            }
            # (index_written inlined: this runs for most records changed.)
            if {$n < [llength $rec_maxref] && $n < [llength $rec_held]} {
                lset rec_maxref $n -1
                lset rec_held $n ?
            }
            if {[info exists step_filtered($t)]} {
                lappend rec_heldlines $n
            }
            continue
        }
        if {$changed} {
            index_note $n
        }
        if {$rec_shifts ne ""} {
            # Lines moved: those still to visit move with their records;
            # any moved to this line or before it have had their turn.
            set rest [index_shift_lines [lrange $todo $k end] $rec_shifts]
            set rec_shifts {}
            set todo {}
            foreach i $rest {
                if {$i > $n} {
                    lappend todo $i
                }
            }
            set k 0
        }
        if {$app(cnt) != $rec_cnt && ($app(cnt) < $rec_cnt || !$rec_index_ok)} {
            # Lines went without the index being told.
            set many 1
        } else {
            if {$app(cnt) != $rec_cnt} {
                # Records added at the end: indexed like lines written.
                for {set i $rec_cnt} {$i < $app(cnt)} {incr i} {
                    lappend rec_dirty $i
                }
                set rec_cnt $app(cnt)
            }
            set many [expr {[llength $rec_dirty] > $rec_scan_limit}]
        }
        if {$many} {
            set rec_index_ok 0
            set rec_dirty {}
            set indexed 0
            set todo [lines_from [expr {$n + 1}] $count]
            set k 0
            continue
        }
        if {$rec_dirty eq ""} {
            # Unchanged (still the value the pass found): the tokens parsed
            # while the steps read it need not stay in memory.
            string length $first
            continue
        }
        if {[info exists app(l,$n)] && [lsearch -exact -not $rec_dirty $n] < 0} {
            # Only the record visited was written: index it again. (The
            # tokens its last edit left parsed go.)
            set rec_dirty {}
            string length $app(l,$n)
            index_written $n
            continue
        }
        set later {}
        foreach i $rec_dirty {
            if {$i > $n && $i < $count && [info exists app(l,$i)]} {
                foreach ver $vers {
                    if {[step_visits $ver $app(l,$i)]} {
                        lappend later $i
                        break
                    }
                }
            }
        }
        index_update
        if {[llength $later]} {
            set todo [lsort -integer -unique [concat $later [lrange $todo $k end]]]
            set k 0
        }
    }
    return
}

# run_header_lines --
#   Takes the pass's count; returns, ascending, line 1 and the "#AppVwCfg"
#   lines below the count, those that exist.
proc run_header_lines {count} {
    global app
    set lines {}
    foreach n [concat 1 [records_of_type #AppVwCfg]] {
        if {$n >= 1 && $n < $count && [info exists app(l,$n)]} {
            lappend lines $n
        }
    }
    lsort -integer -unique $lines
}

# step_pass --
#   Takes a step version and the pass's count; updates the index, runs the
#   step's prepare command if any, and visits the records of its types.
proc step_pass {ver count} {
    global step_pass_start
    index_update
    if {[info exists step_pass_start($ver)]} {
        {*}$step_pass_start($ver) $count 1
        index_update
    }
    visit_pass [list $ver] $count
    return
}

# run_pass --
#   Takes the versions of one step or consecutive local steps; announces and
#   applies them as the steps in turn would (see above). Returns 1, or 0 when
#   one was refused (the steps after it are not announced); an error a step
#   raises reaches the caller.
proc run_pass {vers} {
    global app cur_index
    set count $app(cnt)
    if {[llength $vers] == 1} {
        announce_step $vers
        if {[step_refused $vers]} {
            return 0
        }
        step_pass $vers $count
        return 1
    }
    index_update
    set heads [run_header_lines $count]
    foreach ver $vers {
        announce_step $ver
        if {[step_refused $ver]} {
            return 0
        }
        foreach n $heads {
            set cur_index $n
            fixapp$ver app(l,$n)
            index_note $n
        }
    }
    index_update
    visit_pass $vers $count $heads
    return 1
}
