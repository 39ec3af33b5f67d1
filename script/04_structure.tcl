# Line moves and line references across the whole record table.
#
# Records name one another by line number: a reference is a token of "@"
# and decimal digits, "@0" naming no record. String records (app(q,<n>)
# set) hold text, never references, whatever the text looks like; the
# others are plain records (not to be confused with a plain text, see
# plain_text). Opening or closing lines moves the records behind them, and
# one pass over the table renumbers the references into the moved part;
# while the record index is kept (07_step_index), it is told what moved,
# and a renumbering reads only the records that may refer past its line.

# ref_value --
#   Returns the line a reference token names, or -1 for any other token.
proc ref_value {tok} {
    if {[string index $tok 0] ne "@" || ![regexp {^@([0-9]+)$} $tok -> digits]} {
        return -1
    }
    decimal_value $digits
}

# refs_above_globs --
#   Takes a line n; returns three glob patterns, one at least of which a
#   text matches when it holds "@" and a number above n (more digits, as
#   many and no lower first digit, or a leading zero), as may texts without
#   one. A text matching none, without a backslash, refers no higher than n.
proc refs_above_globs {n} {
    set n [decimal_value $n]
    set d [string length $n]
    set digit {[0-9]}
    list "*@\[1-9\][string repeat $digit $d]*" \
        "*@\[[string index $n 0]-9\][string repeat $digit [expr {$d - 1}]]*" \
        "*@0$digit*"
}

# refs_globs_bound --
#   Takes a line n; returns the highest line that a text matching none of
#   the refs_above_globs n patterns, without a backslash, may refer to.
proc refs_globs_bound {n} {
    set n [decimal_value $n]
    expr {max(0, [string index $n 0] * 10 ** ([string length $n] - 1) - 1)}
}

# may_hold --
#   Takes a record text and a regular expression for references; returns
#   1 when the text matches it or holds a backslash (which could hide one).
proc may_hold {text pattern} {
    expr {[regexp $pattern $text] || [string first \\ $text] >= 0}
}

# ref_positions --
#   Takes a record text and optionally a variable name; returns the
#   positions of references naming a line (not "@0"), setting the variable
#   to the highest (0 for none). Raises an error when the text is no list.
proc ref_positions {text {topVar ""}} {
    set out {}
    set top 0
    foreach k [ref_candidates $text] {
        # (ref_candidates lets one "@" only through: a digit follows it.)
        set digits [string trimleft [lindex $text $k] @]
        if {[string trimleft $digits 0123456789] eq ""} {
            # Without leading zeros, so never read as octal.
            set v [string trimleft $digits 0]
            if {$v ne ""} {
                lappend out $k
                if {$v > $top} {
                    set top $v
                }
            }
        }
    }
    if {$topVar ne ""} {
        upvar 1 $topVar t
        set t $top
    }
    return $out
}

# ref_candidates --
#   Returns, ascending, the positions of a record text's tokens that may be
#   references ("@" and a digit); raises an error when the text is no list.
proc ref_candidates {text} {
    lsearch -all -glob $text {@[0-9]*}
}

# rec_refs --
#   Returns the line numbers of a record text's references, in token order;
#   empty when the text is no list.
proc rec_refs {text} {
    if {[string first @ $text] < 0 ||
            [catch {lsearch -all -inline -regexp $text {^@[0-9]+$}} toks]} {
        return {}
    }
    lmap tok $toks {decimal_value [string range $tok 1 end]}
}

# ref_line --
#   Drops a reference token's leading run of "@" and "'" and returns the
#   rest as a line. Raises NORVANE BADREF when it is no decimal number or
#   names no record: a damaged file fails rather than converting wrongly.
proc ref_line {tok} {
    global app
    set digits [string trimleft $tok "@'"]
    if {![regexp {^[0-9]+$} $digits]} {
        return -code error -errorcode {NORVANE BADREF} \
            "Damaged record: \"$tok\" is not a line reference"
    }
    set line [decimal_value $digits]
    if {$line >= $app(cnt) || ![info exists app(l,$line)]} {
        return -code error -errorcode {NORVANE BADREF} \
            "Damaged record: reference $tok names no record of the file"
    }
    return $line
}

# ref_text --
#   Returns the text of the record a reference token names (see ref_line).
proc ref_text {tok} {
    global app
    return $app(l,[ref_line $tok])
}

# move_lines --
#   Moves the records of lines first to last by d lines (d < 0: up), string
#   flags with them, in the order that overwrites none before it moved; an
#   absent record leaves its new line absent. Lines left behind keep their
#   records, for the caller to clear or fill.
proc move_lines {first last d} {
    global app
    if {$first > $last} {
        return
    }
    if {$d > 0} {
        lassign [list $last [expr {$first - 1}] -1] from end step
    } else {
        lassign [list $first [expr {$last + 1}] 1] from end step
    }
    for {} {$from != $end} {incr from $step} {
        set to [expr {$from + $d}]
        if {[info exists app(l,$from)]} {
            set app(l,$to) $app(l,$from)
        } else {
            unset -nocomplain app(l,$to)
        }
        if {[info exists app(q,$from)]} {
            set app(q,$to) 1
        } else {
            unset -nocomplain app(q,$to)
        }
    }
    return
}

# open_lines --
#   Opens count empty plain lines after a line, moving the later records
#   down and raising app(cnt); references stay (see renumber_refs). Raises
#   NORVANE BADLINE when the line is outside the table.
proc open_lines {after count} {
    global app
    set cnt $app(cnt)
    if {$after < 0 || $after >= $cnt} {
        return -code error -errorcode {NORVANE BADLINE} \
            "Damaged file: cannot open lines after line $after of $cnt"
    }
    move_lines [expr {$after + 1}] [expr {$cnt - 1}] $count
    for {set i [expr {$after + 1}]} {$i <= $after + $count} {incr i} {
        set app(l,$i) ""
        unset -nocomplain app(q,$i)
    }
    set app(cnt) [expr {$cnt + $count}]
    index_moved [list open $after $count]
    return
}

# remove_lines --
#   Removes the records of lines first to last, moving later ones up and
#   lowering app(cnt); references stay. Raises NORVANE BADLINE, rather than
#   cut off other records, unless 1 <= first <= last < app(cnt).
proc remove_lines {first last} {
    global app
    set cnt $app(cnt)
    if {$first < 1 || $last < $first || $last >= $cnt} {
        return -code error -errorcode {NORVANE BADLINE} \
            "Damaged file: lines $first to $last are not inside its $cnt lines"
    }
    set r [expr {$last - $first + 1}]
    move_lines [expr {$last + 1}] [expr {$cnt - 1}] [expr {-$r}]
    for {set i [expr {$cnt - $r}]} {$i < $cnt} {incr i} {
        unset -nocomplain app(l,$i) app(q,$i)
    }
    set app(cnt) [expr {$cnt - $r}]
    index_moved [list remove $first $last]
    return
}

# renumber_refs --
#   Takes a line n and a difference d; adds d to every reference above n
#   in the plain records. A record whose tokens changed is stored as
#   join_values joins them; the others keep their text.
proc renumber_refs {after delta} {
    ref_records $after [list renumber_found $after $delta]
    return
}

# renumber_found --
#   ref_records command for renumber_refs n d; plain may be "" (not known).
proc renumber_found {after delta i rec hits plain} {
    lassign [raise_refs rec $hits $after $delta] changed top again
    if {$changed} {
        store_renumbered $i $rec $top $again $plain
    }
    return $top
}

# raise_refs --
#   Takes the name of a token list, the positions of its tokens that may be
#   references, ascending lines and a difference for each: a reference
#   above the k-th line and not above the next is raised by the k-th
#   difference. Returns {changed top again}: whether a token changed, the
#   highest line the tokens then name, and whether the type (token 1) did.
proc raise_refs {varName hits lines diffs} {
    upvar 1 $varName rec
    set changed 0
    set again 0
    set top 0
    set low [lindex $lines 0]
    set one [expr {[llength $lines] == 1}]
    set last [expr {[llength $lines] - 1}]
    foreach k $hits {
        # Read as in ref_positions; "@0" names no line.
        set v [lindex $rec $k]
        if {$v eq "@0"} {
            continue
        }
        set v [string range $v 1 end]
        if {[string trimleft $v 0123456789] ne ""} {
            continue
        }
        set v [string trimleft $v 0]
        if {$v eq ""} {
            continue
        }
        if {$v > $low} {
            if {$one} {
                set d $diffs
            } elseif {[string length $v] > 15} {
                # (Beyond every line, and too long for a whole number.)
                set d [lindex $diffs $last]
            } else {
                set d [lindex $diffs [lsearch -bisect -integer $lines [expr {$v - 1}]]]
            }
            if {$d != 0} {
                set v [expr {$v + $d}]
                lset rec $k @$v
                set changed 1
                if {$k == 1} {
                    set again 1
                }
            }
        }
        if {$v > $top} {
            set top $v
        }
    }
    list $changed $top $again
}

# plain_text --
#   Returns 1 when a record text holds no brace, double quote or backslash
#   (its tokens are then plain words, written as they stand), else 0.
proc plain_text {text} {
    expr {![regexp {[{}"\\]} $text]}
}

# join_values --
#   Takes a record's former text, its token values and optionally whether
#   the text is plain ("" for not known); returns the values trimmed, empty
#   ones dropped, joined by single blanks, nothing quoted. (A plain text's
#   values are such words already: they are joined as they stand.)
proc join_values {text values {plain ""}} {
    if {$plain eq ""} {
        set plain [plain_text $text]
    }
    if {!$plain} {
        return [join_texts {*}$values]
    }
    join $values " "
}

# store_renumbered --
#   Stores new token values on line n as join_values joins them (plain as
#   it takes it). While the index is kept, it notes the line again if its
#   text was not plain, its type token changed (again) or its type has
#   filter texts (step_filtered); else top becomes its rec_maxref.
proc store_renumbered {n values top again {plain ""}} {
    global app rec_types rec_maxref rec_index_ok step_filtered
    if {$plain eq ""} {
        set plain [plain_text $app(l,$n)]
    }
    set app(l,$n) [join_values "" $values $plain]
    if {!$plain} {
        set again 1
    }
    if {!$rec_index_ok} {
        return
    }
    if {$again || [info exists step_filtered([lindex $rec_types $n])]} {
        index_note $n
    } elseif {$n < [llength $rec_maxref]} {
        lset rec_maxref $n $top
    }
    return
}

# renumber_text --
#   Takes a record text, a line n and a difference d; returns the text as
#   renumber_refs n d leaves a record (itself when that changes nothing).
proc renumber_text {text after delta} {
    if {[catch {ref_candidates $text} hits]} {
        return $text
    }
    set rec [string range $text 0 end]
    if {![lindex [raise_refs rec $hits $after $delta] 0]} {
        return $text
    }
    join_values $text $rec
}

# ref_records --
#   Takes a line n and a command prefix; for each plain record that may
#   refer above n, in line order, calls the command with the line, a copy
#   of its text (searched and parsed in place of the record, which so keeps
#   no wide-character copy or parsed tokens), the positions of tokens that
#   may be references and whether its text is plain (1 or 0). The command
#   returns the highest line the record then names, and may change that
#   record and earlier ones. String records and texts that are no list are
#   skipped, and, while the record index is kept, those it knows to refer
#   no higher than n; what is learnt is noted there.
proc ref_records {above cmd} {
    global app
    set cnt $app(cnt)
    if {[index_is_current]} {
        index_refs_known
        upvar #0 rec_maxref maxref
    } else {
        set maxref [lrepeat $cnt -1]
    }
    lassign [refs_above_globs $above] glob1 glob2 glob3
    set bound [refs_globs_bound $above]
    set i -1
    foreach m $maxref {
        incr i
        if {$m >= 0 && $m <= $above} {
            continue
        }
        if {$i >= $cnt} {
            break
        }
        if {[info exists app(q,$i)] || ![info exists app(l,$i)]} {
            lset maxref $i 0
            continue
        }
        set text [string range $app(l,$i) 0 end]
        # Known to refer above n (so holding no backslash): not searched.
        set escaped 0
        if {$m < 0} {
            set escaped [expr {[string first \\ $text] >= 0}]
            if {![string match $glob1 $text] && ![string match $glob2 $text] &&
                    ![string match $glob3 $text] && !$escaped} {
                # Refers no higher than the bound (kept as an upper limit).
                lset maxref $i $bound
                continue
            }
        }
        set plain [plain_text $text]
        if {[catch {ref_candidates $text} hits]} {
            lset maxref $i 0
            continue
        }
        set top [{*}$cmd $i $text $hits $plain]
        if {$escaped} {
            # Escapes may hide a reference: such a record is always read.
            set top -1
        }
        lset maxref $i $top
    }
    return
}

# first_referrer --
#   Returns the first line before x whose plain record refers to x, or -1.
proc first_referrer {x} {
    global app rec_maxref
    set known [index_is_current]
    if {$known} {
        index_refs_known
    }
    set to_x "@0*[decimal_value $x](?!\[0-9\])"
    for {set i 0} {$i < $x} {incr i} {
        if {$known} {
            set m [lindex $rec_maxref $i]
            if {$m ne "" && $m >= 0 && $m < $x} {
                continue
            }
        }
        if {[info exists app(l,$i)] && ![info exists app(q,$i)] &&
                [may_hold [string range $app(l,$i) 0 end] $to_x] &&
                [lsearch -exact -integer [rec_refs [string range $app(l,$i) 0 end]] $x] >= 0} {
            return $i
        }
    }
    return -1
}

# close_refs --
#   Takes the line v of a record just removed. Every plain record drops
#   its references to v (the tokens behind move down, and one "@0" is
#   appended however many went: an array that lost one keeps its slots) and
#   lowers those above v by 1, stored as by renumber_refs; when a record x
#   lost any, the first record before x referring to x, if an "#OrdCltn",
#   counts one entry less. (renumber_close_refs with no renumbering.)
proc close_refs {v} {
    renumber_close_refs [expr {$v - 1}] 0 $v -1
}

# close_record --
#   Closes line x's plain record as close_refs v does, given its token
#   values and reference positions (ref_positions), optionally what
#   raise_refs returned for a renumbering made in those values but not yet
#   stored, and plain (see join_values); stores the record if either
#   changed it. Returns the highest line it then names.
proc close_record {x rec hits v {before {0 0 0}} {plain ""}} {
    global app
    lassign $before renumbered top0 again0
    set dropped 0
    set again $again0
    foreach k [lreverse $hits] {
        # (Digits without "@" and leading zeros; a removed line v is never 0.)
        if {[string trimleft [lindex $rec $k] @0] eq $v} {
            set rec [lreplace $rec $k $k]
            set dropped 1
            if {$k <= 1} {
                set again 1
            }
        }
    }
    if {$dropped} {
        set hits [ref_positions $rec]
    }
    lassign [raise_refs rec $hits $v -1] lowered top moved
    set again [expr {$again || $moved}]
    if {$dropped} {
        lappend rec @0
    }
    if {$dropped || $lowered} {
        store_renumbered $x $rec $top $again $plain
    } elseif {$renumbered} {
        store_renumbered $x $rec $top0 $again0 $plain
    }
    if {$dropped} {
        set c [first_referrer $x]
        if {$c >= 0 && [rec_type $app(l,$c)] eq "#OrdCltn"} {
            count_entries_down app(l,$c)
            index_note $c
        }
    }
    return $top
}

# renumber_line --
#   Renumbers the record of line n as renumber_refs after delta would.
proc renumber_line {n after delta} {
    global app
    if {![info exists app(l,$n)] || [info exists app(q,$n)]} {
        return
    }
    set rec [string range $app(l,$n) 0 end]
    if {[catch {ref_candidates $rec} hits]} {
        return
    }
    renumber_found $after $delta $n $rec $hits ""
    return
}

# renumber_close_refs --
#   Takes n, d, a removed line v and a line done; gives every record what
#   renumber_refs n d and then close_refs v would, each renumbered and
#   closed before the next is read (closing reads only earlier records,
#   done with either way). The caller first removes v and renumbers line
#   done (-1: none) itself.
proc renumber_close_refs {after delta v done} {
    ref_records [expr {min($after, $v - 1)}] \
        [list renumber_close_found $after $delta $v $done]
    return
}

# renumber_close_found --
#   ref_records command for renumber_close_refs n d v done.
proc renumber_close_found {after delta v done x rec hits plain} {
    global app
    set hits [ref_positions $rec]
    set before {0 0 0}
    if {$x != $done} {
        set before [raise_refs rec $hits $after $delta]
        if {[lindex $before 0] && !$plain} {
            # Stored now and read again, as renumber_refs leaves it: its
            # tokens may then split otherwise.
            store_renumbered $x $rec {*}[lrange $before 1 2] 0
            set rec [string range $app(l,$x) 0 end]
            set before {0 0 0}
            set plain ""
            if {[catch {ref_positions $rec} hits]} {
                return 0
            }
        }
    }
    close_record $x $rec $hits $v $before $plain
}

# count_entries_down --
#   Lowers by 1 the count of entries in use (token 4: "i" and a number) of
#   the "#OrdCltn" record in varName, or raises NORVANE BADCOUNT.
proc count_entries_down {varName} {
    upvar 1 $varName rec
    set tok [rec_tok $rec 4]
    if {![regexp {^i([0-9]+)$} $tok -> digits]} {
        return -code error -errorcode {NORVANE BADCOUNT} \
            "Damaged record: collection count \"$tok\" is not a number"
    }
    tok_replace rec 4 4 i[expr {[decimal_value $digits] - 1}]
    return
}

# records_of_type --
#   Takes a record type; returns ascending lines that include all those
#   holding it: while the record index is kept, those indexed with it and
#   those written since, else every line. The caller checks each type.
proc records_of_type {type} {
    global app rec_index rec_types rec_dirty
    if {![index_is_current]} {
        set lines {}
        for {set i 0} {$i < $app(cnt)} {incr i} {
            lappend lines $i
        }
        return $lines
    }
    set lines $rec_dirty
    foreach n [index_list rec_index $type] {
        if {[lindex $rec_types $n] eq $type} {
            lappend lines $n
        }
    }
    # Lines added at the end since the index last looked.
    for {set i [llength $rec_types]} {$i < $app(cnt)} {incr i} {
        lappend lines $i
    }
    lsort -integer -unique $lines
}

# set_record --
#   Stores a plain record's text on line n, telling the record index.
proc set_record {n text} {
    global app
    set app(l,$n) $text
    index_note $n
    return
}

# edit_record --
#   Calls cmd with the name of line n's record variable and args, tells
#   the record index, and returns what cmd returns.
proc edit_record {n cmd args} {
    global app
    set result [{*}$cmd app(l,$n) {*}$args]
    index_note $n
    return $result
}

# raise_after_each --
#   ref_records command for open_lines_ahead, which passes its lines, count
#   and differences first: renumbers the record as the openings one after
#   another would; returns the highest line it then names, or -1 (unknown).
proc raise_after_each {lines count diffs i rec hits plain} {
    global app
    if {!$plain} {
        # Not plain: renumbered opening by opening, read anew each time.
        set text $app(l,$i)
        set k 0
        foreach v $lines {
            set text [renumber_text $text [expr {$v + $count * $k}] $count]
            incr k
        }
        set_record $i $text
        return -1
    }
    lassign [raise_refs rec $hits $lines $diffs] changed top again
    if {$changed} {
        store_renumbered $i $rec $top $again 1
    }
    return $top
}

# Lines opened ahead of a pass.
#
# A pass that opens lines after several records and renumbers behind each
# opening costs time in proportion to the table per opening. It may have
# all its openings made before it starts instead, in one move and one
# renumbering that raise references as the openings in turn would: lines
# stand where the pass reads them and references name the same records;
# only a record's numbers change sooner. The file is the same when the
# records the pass may change are written as their canonical form would
# write them (joined values are then the same text), those it reads names
# from through references are strings or plain records (open_lines_ahead
# checks both), and every reference it follows names a record (else an
# error message would give one its new number; the step checks this).
# Where the pass reads a line number as text, ref_before_ahead gives it as
# opening one at a time would. The openings not yet reached are kept with
# the table, so that a table read anew has none.

# open_lines_ahead --
#   Takes ascending lines, a count, and the lines of the records the pass
#   may change and of those it reads names from. With two lines or more and
#   those records as required above, does what open_lines and renumber_refs
#   with the count after each line in turn would, and keeps in app(ahead)
#   the count and where the lines now stand; else keeps none.
proc open_lines_ahead {lines count changed read} {
    global app
    set app(ahead) {}
    if {[llength $lines] < 2} {
        return
    }
    foreach n $changed {
        if {[regexp {[][{}"$;\\]} [string range $app(l,$n) 0 end]]} {
            return
        }
    }
    foreach n $read {
        if {![info exists app(q,$n)] && ![plain_text [string range $app(l,$n) 0 end]]} {
            return
        }
    }
    # When its lines open, the k-th line v (from 0) stands at v + k count;
    # references and records above it up to the next move by (k + 1) count.
    set moved {}
    set diffs {}
    foreach v $lines {
        lappend moved [expr {$v + $count * [llength $diffs]}]
        lappend diffs [expr {$count * [llength $moved]}]
    }
    ref_records [lindex $lines 0] [list raise_after_each $lines $count $diffs]
    set cnt $app(cnt)
    foreach v [lreverse $lines] last [lreverse [concat [lrange $lines 1 end] [expr {$cnt - 1}]]] \
            d [lreverse $diffs] {
        move_lines [expr {$v + 1}] $last $d
    }
    set app(cnt) [expr {$cnt + [lindex $diffs end]}]
    foreach n $moved {
        for {set i [expr {$n + 1}]} {$i <= $n + $count} {incr i} {
            set app(l,$i) ""
            unset -nocomplain app(q,$i)
        }
        index_moved [list open $n $count]
    }
    set app(ahead) [list $count $moved]
    return
}

# open_renumbered --
#   Takes a line and a count; does open_lines and renumber_refs with them,
#   unless open_lines_ahead opened those lines already, when it only counts
#   that opening as reached.
proc open_renumbered {n count} {
    global app
    if {[info exists app(ahead)] && $app(ahead) ne ""} {
        lassign $app(ahead) c lines
        set at [lsearch -exact -integer -sorted $lines $n]
        if {$at >= 0 && $c == $count} {
            set app(ahead) [list $c [lreplace $lines $at $at]]
            return
        }
    }
    open_lines $n $count
    renumber_refs $n $count
    return
}

# ref_before_ahead --
#   Takes a token; returns a reference as numbered at this point of a pass
#   opening the lines one at a time (count less for each opening not yet
#   reached below the line it names), any other token as it is.
proc ref_before_ahead {tok} {
    global app
    if {![info exists app(ahead)] || [lindex $app(ahead) 1] eq "" ||
            ![regexp {^@0*([0-9]+)$} $tok -> r]} {
        return $tok
    }
    lassign $app(ahead) c lines
    set r0 $r
    foreach v $lines {
        if {$v < $r} {
            incr r -$c
        }
    }
    return [expr {$r == $r0 ? $tok : "@$r"}]
}
