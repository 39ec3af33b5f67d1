# Line moves and line references across the whole record table.
#
# Records name one another by line number: a reference token is "@"
# followed by decimal digits, "@0" naming no record. Opening or closing
# lines moves the records behind them, each with its string flag
# app(q,<n>), and the references into the moved part are renumbered in a
# single pass over the table. Each such change therefore costs time
# proportional to the table, however many records it moves.
#
# String records (app(q,<n>) set) hold text, not references: their text
# is never renumbered, even when it happens to begin with "@" and digits.

# dec_value --
#   Takes a run of decimal digits and returns it as a number; leading
#   zeros do not make it octal ("08" is 8).
proc dec_value {digits} {
    set digits [string trimleft $digits 0]
    if {$digits eq ""} {
        return 0
    }
    return $digits
}

# ref_value --
#   Takes a token and returns the line number it refers to when it is a
#   reference ("@" and decimal digits only), else -1.
proc ref_value {tok} {
    if {[string index $tok 0] ne "@" || ![regexp {^@([0-9]+)$} $tok -> digits]} {
        return -1
    }
    dec_value $digits
}

# refs_above_pattern --
#   Takes a line number n and returns a regular expression that finds, in
#   a record text, "@" and a decimal number greater than n (leading zeros
#   allowed). A record in which it finds nothing, and which holds no
#   backslash, has no reference above n, so a pass over the table skips it
#   without reading it as a list.
proc refs_above_pattern {n} {
    set n [dec_value $n]
    set d [string length $n]
    set alts [list "\[1-9\]\[0-9\]{$d,}"]
    for {set i 0} {$i < $d} {incr i} {
        set c [string index $n $i]
        if {$c < 9} {
            set rest [expr {$d - $i - 1}]
            set tail [expr {$rest ? "\[0-9\]{$rest}" : ""}]
            lappend alts "[string range $n 0 $i-1]\[[expr {$c + 1}]-9\]$tail"
        }
    }
    return "@0*(?:[join $alts |])(?!\[0-9\])"
}

# may_hold --
#   Takes a record text and a pattern of refs_above_pattern (or any other
#   pattern for reference texts); returns 1 when the text may hold such a
#   reference read as a list: the pattern is found, or the text holds a
#   backslash, which could hide one.
proc may_hold {text pattern} {
    expr {[regexp $pattern $text] || [string first \\ $text] >= 0}
}

# rec_refs --
#   Takes a record text and returns the line numbers of its reference
#   tokens in token order; empty when the text cannot be read as a list.
proc rec_refs {text} {
    if {[string first @ $text] < 0 ||
            [catch {lsearch -all -inline -regexp $text {^@[0-9]+$}} toks]} {
        return {}
    }
    lmap tok $toks {dec_value [string range $tok 1 end]}
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
    set line [dec_value $digits]
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

# move_record --
#   Takes two lines; puts the record of the first at the second, with its
#   string flag. An absent record leaves the second line absent too.
#   Returns nothing.
proc move_record {from to} {
    global app
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
    for {set i [expr {$cnt - 1}]; set j [expr {$i + $count}]} {$i > $after} \
            {incr i -1; incr j -1} {
        move_record $i $j
    }
    for {set i [expr {$after + 1}]} {$i <= $after + $count} {incr i} {
        set app(l,$i) ""
        unset -nocomplain app(q,$i)
    }
    set app(cnt) [expr {$cnt + $count}]
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
    for {set i [expr {$last + 1}]; set j $first} {$i < $cnt} {incr i; incr j} {
        move_record $i $j
    }
    for {set i [expr {$cnt - $r}]} {$i < $cnt} {incr i} {
        unset -nocomplain app(l,$i) app(q,$i)
    }
    set app(cnt) [expr {$cnt - $r}]
    return
}

# renumber_refs --
#   Takes a line n and a difference d; every reference above n in the
#   plain records of the table becomes that number plus d. A record in
#   which a token changed is stored as its token values joined by single
#   blanks, nothing quoted; other records keep their text, and so do
#   string records and records that cannot be read as a list. Returns
#   nothing.
proc renumber_refs {after delta} {
    global app
    foreach {i hits} [ref_records [refs_above_pattern $after]] {
        set rec $app(l,$i)
        set changed 0
        foreach k $hits {
            # Digits without leading zeros, so never read as octal.
            set v [string trimleft [string range [lindex $rec $k] 1 end] 0]
            if {$v ne "" && $v > $after} {
                lset rec $k @[expr {$v + $delta}]
                set changed 1
            }
        }
        if {$changed} {
            set app(l,$i) [join_values $app(l,$i) $rec]
        }
    }
    return
}

# ref_records --
#   Takes a pattern of refs_above_pattern; returns, in line order, each
#   line whose plain record may hold a reference it matches, followed by
#   the positions of that record's reference tokens. String records and
#   records that cannot be read as a list are left out. Only that record
#   is read when its line is visited, so a caller may change the records
#   before it as it goes.
proc ref_records {pattern} {
    global app
    set out {}
    set cnt $app(cnt)
    for {set i 0} {$i < $cnt} {incr i} {
        # (may_hold, written out: this loop runs over every line. A copy
        # is searched: searching the record itself would keep a
        # wide-character copy of its text beside it.)
        if {[info exists app(q,$i)] || ![info exists app(l,$i)]} {
            continue
        }
        set text [string range $app(l,$i) 0 end]
        if {![regexp $pattern $text] && [string first \\ $text] < 0} {
            continue
        }
        if {[catch {lsearch -all -regexp $app(l,$i) {^@[0-9]+$}} hits]} {
            continue
        }
        lappend out $i $hits
    }
    return $out
}

# join_values --
#   Takes a record's former text and its token values; returns the values
#   trimmed, empty ones dropped, joined by single blanks, nothing quoted.
#   A former text without braces, double quotes or backslashes has only
#   plain words as values, which are joined as they stand.
proc join_values {text values} {
    if {[regexp {[{}"\\]} $text]} {
        return [join_texts {*}$values]
    }
    join $values " "
}

# first_referrer --
#   Takes a line x; returns the first line below x whose plain record holds
#   a reference to x, or -1 when there is none.
proc first_referrer {x} {
    global app
    set to_x "@0*[dec_value $x](?!\[0-9\])"
    for {set i 0} {$i < $x} {incr i} {
        if {[info exists app(l,$i)] && ![info exists app(q,$i)] &&
                [may_hold $app(l,$i) $to_x] &&
                [lsearch -exact -integer [rec_refs $app(l,$i)] $x] >= 0} {
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
    global app
    foreach {x hits} [ref_records [refs_above_pattern [expr {$v - 1}]]] {
        set rec $app(l,$x)
        set dropped 0
        set lowered 0
        foreach k [lreverse $hits] {
            set r [dec_value [string range [lindex $rec $k] 1 end]]
            if {$r == $v} {
                set rec [lreplace $rec $k $k]
                set dropped 1
            } elseif {$r > $v} {
                lset rec $k @[expr {$r - 1}]
                set lowered 1
            }
        }
        if {$dropped} {
            lappend rec @0
        }
        if {$dropped || $lowered} {
            set app(l,$x) [join_values $app(l,$x) $rec]
        }
        if {$dropped} {
            set c [first_referrer $x]
            if {$c >= 0 && [rec_type $app(l,$c)] eq "#OrdCltn"} {
                count_entries_down app(l,$c)
            }
        }
    }
    return
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
    tok_replace rec 4 4 i[expr {[dec_value $digits] - 1}]
    return
}
