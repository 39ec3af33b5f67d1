# Runs of local steps, applied one record at a time.
#
# A local step (register_local) changes only the record it is given, from
# that record's text alone. For a run of consecutive local steps, applying
# each step to every record before the next step starts gives every record
# the same sequence of texts as applying all of them to one record before
# going on to the next: the table ends the same either way.
#
# Two things could still tell the orders apart, and both concern few
# lines. The check made before each step reads the version from line 1
# (when line 1 has no known layout, the check passes whatever the other
# lines hold). Messages and errors come only from "#AppVwCfg" records.
# So a run first takes line 1 and the "#AppVwCfg" lines step by step,
# announcing and checking each step where the plain loop would, and only
# then takes every other record through all the steps of the run. Those
# records queue nothing, so every message comes in the plain loop's order.
#
# A record goes through the run in a variable of its own and is written
# back once, when it changed, and indexed again then. It is visited only
# when it holds a record of a type one of the steps has rules for and, for
# a type with filters, one of their texts; before each step, that step's
# own type rule and filter are asked again.

# run_plan --
#   Takes the versions of a run and a record type; returns a flat list:
#   for each step of the run that has rules for the type, in order, its
#   procedure and its filter texts for the type (empty for none).
proc run_plan {vers type} {
    set plan {}
    foreach ver $vers {
        if {[step_has_rule $ver $type]} {
            lappend plan fixapp$ver [step_filter $ver $type]
        }
    }
    return $plan
}

# run_header_lines --
#   Takes the pass's count; returns in ascending order line 1 and the
#   lines below the count that hold an "#AppVwCfg" record, those that
#   exist.
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

# process_run --
#   Takes the versions of consecutive local steps; announces and applies
#   them all as the steps one after another would (see above). Returns 1
#   when every step was applied, 0 when one was refused (the steps after it
#   are not announced). An error a step raises reaches the caller.
proc process_run {vers} {
    global app cur_index
    set count $app(cnt)
    index_update
    set heads [run_header_lines $count]
    foreach ver $vers {
        announce_step $ver
        if {[step_refused $ver]} {
            return 0
        }
        foreach n $heads {
            if {[info exists app(l,$n)] && [step_visits $ver $app(l,$n)]} {
                set cur_index $n
                set before $app(l,$n)
                fixapp$ver app(l,$n)
                if {![info exists app(l,$n)] || $app(l,$n) ne $before} {
                    index_note $n
                }
            }
        }
    }
    index_update
    run_records $vers $count $heads
    return 1
}

# run_records --
#   Takes the versions of a run, the pass's count and the lines the run
#   has already taken; takes every other record below the count that one
#   of the steps is to be called for through all of them, one record at a
#   time, and keeps the record index up to date. Returns nothing.
proc run_records {vers count done} {
    global app cur_index rec_types rec_held rec_maxref rec_heldlines \
        step_filtered rec_type_known
    foreach n $done {
        set skip($n) 1
    }
    foreach n [index_lines $vers] {
        if {$n >= $count} {
            break
        }
        if {$n < 1 || [info exists skip($n)] || ![info exists app(l,$n)]} {
            continue
        }
        set t [lindex $rec_types $n]
        if {![info exists plan($t)]} {
            set plan($t) [run_plan $vers $t]
        }
        set rec $app(l,$n)
        set held [lindex $rec_held $n]
        set changed 0
        foreach {step texts} $plan($t) {
            if {$texts ne ""} {
                set hit 0
                if {$held eq "?"} {
                    # Changed earlier in the run: the step's own texts are
                    # looked for in the record as it is now. (A copy is
                    # searched: string first would keep a wide-character
                    # copy of the record's text beside it.)
                    set copy [string range $rec 0 end]
                    foreach x $texts {
                        if {[string first $x $copy] >= 0} {
                            set hit 1
                            break
                        }
                    }
                } else {
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
            set before $rec
            # (The type does not change within the run.)
            set rec_type_known [list $rec $t]
            $step rec
            if {$rec ne $before} {
                set changed 1
                set held ?
            }
        }
        if {!$changed} {
            # The tokens parsed while the steps read the record need not
            # stay in memory. (rec is the table's own value then.)
            string length $rec
            continue
        }
        string length $rec
        set app(l,$n) $rec
        if {$n < [llength $rec_maxref]} {
            lset rec_maxref $n -1
        }
        if {$n < [llength $rec_held]} {
            lset rec_held $n ?
        }
        if {[info exists step_filtered($t)]} {
            lappend rec_heldlines $n
        }
    }
    set rec_type_known {}
    return
}
