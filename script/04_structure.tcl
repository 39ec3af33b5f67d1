# Line moves and line references across the whole record table.
#
# Records name one another by line number: a reference token is "@"
# followed by decimal digits, "@0" naming no record. Opening or closing
# lines moves the records behind them, each with its string flag
# app(q,<n>), and the references into the moved part are renumbered in a
# single pass over the table. Each such change therefore costs time
# proportional to the table, however many records it moves. While the
# record index is kept (07_step_index), these procedures tell it what
# moved, and a renumbering reads only the records the index does not know
# to refer below its line.
#
# String records (app(q,<n>) set) hold text, not references: their text
# is never renumbered, even when it happens to begin with "@" and digits.

# ref_value --
#   Takes a token and returns the line number it refers to when it is a
#   reference ("@" and decimal digits only), else -1.
proc ref_value {tok} {
    if {[string index $tok 0] ne "@" || ![regexp {^@([0-9]+)$} $tok -> digits]} {
        return -1
    }
    decimal_value $digits
}

# refs_above_globs --
#   Takes a line number n; returns glob patterns one of which a record
#   text matches when it holds "@" and a decimal number greater than n:
#   a number with more digits than n, one with as many and a first digit
#   no lower than n's, or one written with a leading zero. A record that
#   matches none, and holds no backslash, has no reference above n. (The
#   patterns may match where no such number is.) Such a record refers to
#   no line above the number refs_globs_bound gives.
proc refs_above_globs {n} {
    set n [decimal_value $n]
    set d [string length $n]
    set digit {[0-9]}
    list "*@\[1-9\][string repeat $digit $d]*" \
        "*@\[[string index $n 0]-9\][string repeat $digit [expr {$d - 1}]]*" \
        "*@0$digit*"
}

# refs_globs_bound --
#   Takes a line number n; returns the highest line a record that matches
#   none of the patterns of refs_above_globs may refer to: below n's first
#   digit followed by zeros.
proc refs_globs_bound {n} {
    set n [decimal_value $n]
    expr {max(0, [string index $n 0] * 10 ** ([string length $n] - 1) - 1)}
}

# may_hold --
#   Takes a record text and a regular expression for reference texts;
#   returns 1 when the text may hold such a
#   reference read as a list: the pattern is found, or the text holds a
#   backslash, which could hide one.
proc may_hold {text pattern} {
    expr {[regexp $pattern $text] || [string first \\ $text] >= 0}
}

# ref_positions --
#   Takes a record text and optionally the name of a variable; returns the
#   positions of its reference tokens ("@" and decimal digits only) that
#   name a line (not "@0"), and sets the variable to the highest line they
#   name (0 for none). Raises an error when the text cannot be read as a
#   list.
proc ref_positions {text {topVar ""}} {
    set out {}
    set top 0
    foreach k [ref_candidates $text] {
        # (The patterns let one "@" only through: its second character is
        # a digit. Digits only after it: none left once they are trimmed.)
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
#   Takes a record text; returns in ascending order the positions of the
#   tokens that may be references: "@" and a digit ("@0", the most common,
#   names no line; see ref_positions for those that name one). Raises an
#   error when the text cannot be read as a list.
proc ref_candidates {text} {
    lsearch -all -glob $text {@[0-9]*}
}

# rec_refs --
#   Takes a record text and returns the line numbers of its reference
#   tokens in token order; empty when the text cannot be read as a list.
proc rec_refs {text} {
    if {[string first @ $text] < 0 ||
            [catch {lsearch -all -inline -regexp $text {^@[0-9]+$}} toks]} {
        return {}
    }
    lmap tok $toks {decimal_value [string range $tok 1 end]}
}

# ref_line --
#   Takes a reference token and returns the line it names: a leading run
#   of "@" and "'" is dropped and the rest read as a decimal line number.
#   Raises an error when the rest is not a line number or names no record
#   of the table, so that a damaged file fails instead of being converted
#   wrongly.
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
#   Takes a reference token and returns the text of the record it names
#   (see ref_line for the errors).
proc ref_text {tok} {
    global app
    return $app(l,[ref_line $tok])
}

# move_lines --
#   Takes a first and a last line and a distance d; puts the record of
#   every line from first to last at that line plus d, with its string
#   flag, taking the lines in the order that leaves no record overwritten
#   before it moved. An absent record leaves its new line absent too.
#   Returns nothing.
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
#   Takes a line and a count; moves every record after that line down by
#   count lines (highest first, string flags with them), raises app(cnt)
#   by count and leaves the freed lines as empty plain records. References
#   are not changed (see renumber_refs). Returns nothing.
proc open_lines {after count} {
    global app
    set cnt $app(cnt)
    if {$after < 0 || $after >= $cnt} {
        return -code error -errorcode {NORVANE BADLINE} \
            "Damaged file: cannot open lines after line $after of $cnt"
    }
    # (The record index is told of the move as a whole, not line by line.)
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
#   Takes a first and a last line; removes those records from the table,
#   moving every later record up (lowest first, string flags with them),
#   lowers app(cnt) and deletes the entries left over at the old end.
#   References are not changed. Raises an error when the lines are not all
#   inside the table, which would otherwise cut off records that were not
#   meant to go. Returns nothing.
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
#   Takes a line n and a difference d; every reference above n in the
#   plain records of the table becomes that number plus d. A record in
#   which a token changed is stored as join_values stores it; other
#   records keep their text, and so do string records and records that
#   cannot be read as a list. Returns nothing.
proc renumber_refs {after delta} {
    ref_records $after [list renumber_found $after $delta]
    return
}

# renumber_found --
#   Takes a line n and a difference d, and a line, its record's tokens,
#   the positions of the tokens that may be references and whether its
#   text is plain (as ref_records gives them; empty when not known);
#   renumbers the record as renumber_refs n d does. Returns the highest
#   line its references then name.
proc renumber_found {after delta i rec hits plain} {
    lassign [raise_refs rec $hits $after $delta] changed top again
    if {$changed} {
        store_renumbered $i $rec $top $again $plain
    }
    return $top
}

# raise_refs --
#   Takes the name of a token list variable, the positions of the tokens
#   that may be references (those that are not, see ref_positions, are
#   passed over), lines in ascending order and a difference for each: a
#   reference above the k-th line and not above the next is raised by the
#   k-th difference. Returns a list: 1 when a token changed, the highest
#   line the tokens then refer to, and 1 when the type token (position 1)
#   changed.
proc raise_refs {varName hits lines diffs} {
    upvar 1 $varName rec
    set changed 0
    set again 0
    set top 0
    set low [lindex $lines 0]
    set one [expr {[llength $lines] == 1}]
    set last [expr {[llength $lines] - 1}]
    foreach k $hits {
        # Digits only after the "@", then without leading zeros, so never
        # read as octal; "@0" names no line.
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
#   Takes a record text; returns 1 when it holds no brace, double quote or
#   backslash (its tokens are then plain words, written as they stand),
#   else 0.
proc plain_text {text} {
    expr {![regexp {[{}"\\]} $text]}
}

# join_values --
#   Takes a record's former text, its token values and optionally 1 when
#   the text is known to be plain (0 when known not to be); returns the
#   values trimmed, empty ones dropped, joined by single blanks, nothing
#   quoted. A plain text, without braces, double quotes or backslashes,
#   has only plain words as values, which are joined as they stand.
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
#   Takes a line, the new token values of its record, the highest line
#   they refer to, 1 when the record's type token changed and optionally
#   whether its text is plain (as join_values takes it). Stores the
#   values as join_values joins them and tells the record index, which is
#   not told of each line written: a record whose text was not plain, or
#   whose type or visits may change with its text, is indexed again.
#   Returns nothing.
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
#   renumber_refs n d leaves the record, or the text itself when no
#   reference changed or it cannot be read as a list.
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
#   Takes a line n and a command prefix; calls the command, in line order,
#   with each line whose plain record may hold a reference above n, that
#   record's tokens, the positions of the tokens that may be references
#   (see ref_candidates) and 1 when its text is plain (see plain_text),
#   else 0. The command returns the highest line the record then refers
#   to. The tokens are a copy of the record's text read as a list, so that
#   a record left as it is does not keep its tokens parsed in memory, and a
#   record is read once. String records and records that cannot be read as
#   a list are left out. While the record index is kept, only the records
#   whose highest reference it does not know or knows to lie above n are
#   read, and what is read is kept for later. The command may change the
#   record it is given and those before it. Returns nothing.
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
        # (A copy is searched and read: searching the record itself would
        # keep a wide-character copy of its text beside it.)
        set text [string range $app(l,$i) 0 end]
        # A record known to refer above the line (and so known to hold no
        # backslash) is read without searching.
        set escaped 0
        if {$m < 0} {
            set escaped [expr {[string first \\ $text] >= 0}]
            if {![string match $glob1 $text] && ![string match $glob2 $text] &&
                    ![string match $glob3 $text] && !$escaped} {
                # Nothing in the text refers above the line, nor above the
                # bound the patterns set: the line is kept as referring no
                # higher (its highest reference may be lower).
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
#   Takes a line x; returns the first line below x whose plain record holds
#   a reference to x, or -1 when there is none.
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
#   Takes the line v of a record just removed from the table. In every
#   plain record, in line order, references to v are taken out (the tokens
#   behind move down, and "@0" is appended once, so an array keeps its
#   number of slots) and references above v are lowered by 1; changed
#   records are stored as for renumber_refs. When a record lost a
#   reference to v, the first record before it that refers to it is, if it
#   is an "#OrdCltn", counted one entry less (token 4). Returns nothing.
proc close_refs {v} {
    ref_records [expr {$v - 1}] [list close_found $v]
    return
}

# close_found --
#   Takes the line v of a record just removed, and a line, its record's
#   tokens, the positions of the tokens that may be references and whether
#   its text is plain, as ref_records gives them; closes the record as
#   close_refs does. Returns the highest line the record then refers to.
proc close_found {v x rec hits plain} {
    close_record $x $rec [ref_positions $rec] $v {0 0 0} $plain
}

# close_record --
#   Takes a line x, the token values of its plain record, the positions of
#   their reference tokens, the line v of a record just removed and
#   optionally what a renumbering not yet stored did to the values (as
#   raise_refs returns it) and whether the record's text is plain (as
#   store_renumbered takes it). Does to the record what close_refs does,
#   and stores it when it changed here or in that renumbering. Returns the
#   highest line the record then refers to.
proc close_record {x rec hits v {before {0 0 0}} {plain ""}} {
    global app
    lassign $before renumbered top0 again0
    set dropped 0
    set again $again0
    foreach k [lreverse $hits] {
        # (A reference's digits without its "@" and leading zeros; v is
        # a line number of the table, so never 0.)
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
#   Takes a line, a line n and a difference d; renumbers the line's record
#   as renumber_refs n d renumbers each record. Returns nothing.
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
#   Takes a line n, a difference d, the line v of a record just removed
#   and a line already renumbered (-1 for none). Gives every record what
#   renumber_refs n d and then close_refs v would give it, reading each
#   record once: a record is renumbered and then closed before the next
#   one is read. (close_refs reads only the records before the one it
#   closes, which are done with in either order.) The caller renumbers the
#   line it names itself, and removes v, before. Returns nothing.
proc renumber_close_refs {after delta v done} {
    ref_records [expr {min($after, $v - 1)}] \
        [list renumber_close_found $after $delta $v $done]
    return
}

# renumber_close_found --
#   Takes a line n, a difference d, the line v of a record just removed
#   and a line already renumbered, and a line, its record's tokens, the
#   positions of the tokens that may be references and whether its text
#   is plain, as ref_records gives them; does to the record what
#   renumber_close_refs does. Returns the highest line the record then
#   refers to.
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
#   Takes the name of an "#OrdCltn" record variable and lowers its number
#   of entries in use (token 4, "i" and a number) by one. Raises an error
#   when that token is not such a number. Returns nothing.
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
#   Takes a record type; returns in ascending order lines of the table
#   among which are all those holding a record of that type: while the
#   record index is kept, the lines indexed with the type and those written
#   since; else every line. The caller reads each line's type itself.
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
#   Takes a line and a record text; makes the text the table's record on
#   that line (a plain record) and tells the record index. Returns nothing.
proc set_record {n text} {
    global app
    set app(l,$n) $text
    index_note $n
    return
}

# edit_record --
#   Takes a line, an editing command and its arguments; calls the command
#   with the name of the table's record on that line and the arguments,
#   and tells the record index that the line was written. Returns what the
#   command returns.
proc edit_record {n cmd args} {
    global app
    set result [{*}$cmd app(l,$n) {*}$args]
    index_note $n
    return $result
}

# raise_after_each --
#   Takes the lines of open_lines_ahead, its count and the differences it
#   raises references by (as raise_refs takes them), and a
#   line, its record's tokens, the positions of the tokens that may be
#   references and whether its text is plain, as ref_records gives them;
#   renumbers the record as the openings one after another would. Returns
#   the highest line the record then refers to (-1 when not known).
proc raise_after_each {lines count diffs i rec hits plain} {
    global app
    if {!$plain} {
        # Not plain: renumbered opening by opening, read anew each time,
        # as the record would be.
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
# A pass that opens lines after several records and renumbers every
# reference behind each opening takes, for each, time in proportion to the
# whole table. Such a pass may have all its openings made before it starts,
# in one move of the table and one renumbering, the references raised as
# the openings one after another raise them. The pass then reads each line
# where a pass opening one at a time reads it, and every reference names
# the same record. What differs is when a record's numbers change: before
# the pass rather than when the pass reaches the opening. That gives the
# same file when the records the pass may change are written as their
# tokens' canonical form would write them (joined values and canonical
# form are then the same text), when the records it reads names from
# through references are strings or plain records, and when every
# reference it follows names a record (its error messages name the
# reference); the step that asks for it knows which records those are.
# Where the pass reads a line number as text, ref_before_ahead gives it as
# the pass one opening at a time would read it. The openings still to be
# reached are kept with the table, so that a table read anew has none.

# open_lines_ahead --
#   Takes lines of the table in ascending order, a count, and the lines of
#   the records the pass about to run may change and of those it reads
#   names from. When there are two lines or more, the records it may
#   change hold nothing that a list's canonical form would quote, and the
#   records it reads are strings or plain records (see plain_text), opens
#   count lines after each of the lines, as empty plain records, and gives
#   every record what open_lines and renumber_refs after each line in turn
#   (the first line first) would give it; keeps where the lines now stand
#   for open_renumbered. Else keeps none. Returns nothing.
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
    # The k-th line (from 0) stands at its line plus k times count when its
    # lines open, and a reference above it and not above the next line is
    # raised by (k + 1) times count; so are the records in between moved.
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
#   Takes a line and a count; opens count lines after the line and raises
#   every reference above it by count (open_lines, renumber_refs), unless
#   those lines were opened ahead of the pass (open_lines_ahead), which
#   then counts that opening as reached. Returns nothing.
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
#   Takes a token; when it is a reference and lines were opened ahead of
#   the pass after lines it has not reached yet, returns it with the number
#   it has at this point of a pass opening them one at a time (count less
#   for each such line below the line it names); returns other tokens as
#   they are.
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
