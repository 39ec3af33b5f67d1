# Damaged application files for the reliability tests: a mutator that
# turns the sample files into damaged ones, one case at a time, the same
# case always the same bytes for the same seed.
#
#   fuzz::sources                      -> the sample files, sorted
#   fuzz::make_case seed case          -> dict source mutation data
#   fuzz::case_line seed case d        -> one line naming a case to
#                                         reproduce it
#
# Run as a program it writes one case to a file, to reproduce a failure:
#   tclsh tests/e2e/fuzz.tcl SEED CASE OUTFILE
#
# Files are handled as bytes: every byte one character (ISO 8859-1).

namespace eval ::fuzz {
    variable dir [file dirname [file normalize [info script]]]
    variable examples [file join [file dirname [file dirname $dir]] examples]
    # The random state of the case being made (64 bits).
    variable state 0
    variable mask 0xFFFFFFFFFFFFFFFF
    # The bytes of each sample file, read once.
    variable cache [dict create]

    # The mutations: name and weight. make_case picks one by weight
    # (sometimes two, one after the other); each is the procedure
    # m_<name>, which takes the file's bytes and returns the new bytes
    # and a short text saying what it did.
    variable mutations {
        truncate_byte       3
        truncate_mid_line   3
        truncate_mid_string 3
        truncate_at_line    3
        flip_bytes          5
        delete_lines        4
        duplicate_line      3
        swap_lines          3
        move_lines          3
        string_count        6
        unbalanced_brace    5
        unbalanced_quote    5
        bad_reference       7
        huge_number         5
        nul_bytes           2
        non_utf8            2
        cr_only             1
        mixed_line_ends     2
        empty_file          1
        header_only         1
        header_version      5
        script_text         3
        retype              4
        drop_tokens         4
        add_tokens          3
        control_chars       2
        backslash           3
    }

    # Values put in place of a string count.
    variable bad_counts {
        -1 -5 0 x 1a {} 99999999999999999999 1e3 0x10 007 { 5} 5.0 +3
        18446744073709551616 2147483648
    }
    # Values put in place of a reference's line number (after "@"); "+N"
    # is N past the last line of the file, "~" a random line of the file
    # (most likely a record of another type than the one meant).
    variable bad_refs {
        +0 +1 +5 +1000 99999999999999999999 -1 {} x 08 0 1 00000002 '3
        9223372036854775808 1e3 0x2 ~ ~ ~ ~
    }
    # Values put in place of a number in a token.
    variable huge_numbers {
        99999999999999999999 18446744073709551616 9223372036854775808
        2147483648 -9223372036854775809 1e400 1.7976931348623157e+309
        -0 08 09 0x7fffffff NaN Inf -Inf 1e-400 99999999
    }
    # Byte sequences that are not UTF-8.
    variable non_utf8_bytes {
        \xff \xfe\xff \xc3\x28 \x80 \xe2\x82 \xed\xa0\x80 \xc0\xaf
        \xf8\x88\x80\x80\x80 \xef\xbb\xbf \xc0\x80
    }
    # Texts that would run a command or read a variable if the program
    # ever evaluated file data.
    variable script_texts {
        {[exec touch PWNED]} {$env(HOME)} {[pwd]} {[exit 3]} {$0}
        {;exec touch PWNED} {[set x]} {$::argv} {\[exit 4\]} {$(x)}
        {[exec touch PWNED}
    }
    # Damaged values of a header version token.
    variable bad_versions {
        s sx s-1 s99999999999999999999 s08 s8.3 S8 s+8 s0 s9 s4
        {s8 s3} {} i3 s\xd9\xa3 @2 s1e3 s0x8
    }
    # Texts inserted to unbalance braces and quotes.
    variable braces {\{ \} \{\{ \}\} \}\{ \\\{ \{\\}
    variable quotes {\" \"\" \\\" {"x } \"\{}
    # Tokens appended to a record.
    variable extra_tokens {i0 @9999 \{ \} \$0 \" {} d1e999 c9 @0 *3\"ab}
    # Control characters put in place of a space.
    variable controls {\t \v \f \x1a \x00 \x1b \x7f \r}
}

# fuzz::next --
#   Takes nothing; advances the random state and returns the next 64-bit
#   random number (splitmix64).
proc ::fuzz::next {} {
    variable state
    variable mask
    set state [expr {($state + 0x9E3779B97F4A7C15) & $mask}]
    set z $state
    set z [expr {(($z ^ ($z >> 30)) * 0xBF58476D1CE4E5B9) & $mask}]
    set z [expr {(($z ^ ($z >> 27)) * 0x94D049BB133111EB) & $mask}]
    expr {$z ^ ($z >> 31)}
}

# fuzz::rand --
#   Takes a count n (at least 1); returns a random integer from 0 to n - 1.
proc ::fuzz::rand {n} {
    expr {([next] >> 11) % $n}
}

# fuzz::pick --
#   Takes a list; returns one of its elements at random ("" when empty).
proc ::fuzz::pick {list} {
    if {![llength $list]} {
        return ""
    }
    lindex $list [rand [llength $list]]
}

# fuzz::seed_case --
#   Takes a seed and a case number (decimal integers); sets the random
#   state so that the case's random numbers depend on those two alone.
#   Returns nothing.
proc ::fuzz::seed_case {seed case} {
    variable state
    variable mask
    set state [expr {([scan $seed %lld] * 0x100000001B3 + [scan $case %lld]) & $mask}]
    next
    next
    return
}

# fuzz::sources --
#   Takes nothing; returns the paths of the sample files, sorted by name.
proc ::fuzz::sources {} {
    variable examples
    lsort [glob -directory $examples *.app]
}

# fuzz::source_bytes --
#   Takes the path of a sample file; returns its bytes (read once).
proc ::fuzz::source_bytes {path} {
    variable cache
    if {![dict exists $cache $path]} {
        set f [open $path rb]
        dict set cache $path [read $f]
        close $f
    }
    dict get $cache $path
}

# fuzz::lines --
#   Takes bytes; returns their lines, each with its line end (a line feed,
#   a carriage return and line feed, or a lone carriage return; the last
#   line may have none). Joined, the lines give the bytes back.
proc ::fuzz::lines {data} {
    regexp -all -inline {[^\r\n]*(?:\r\n|[\r\n])|[^\r\n]+} $data
}

# fuzz::split_end --
#   Takes a line with its line end; returns the text and the line end.
proc ::fuzz::split_end {line} {
    regexp {^([^\r\n]*)(.*)$} $line -> text end
    list $text $end
}

# fuzz::pick_line --
#   Takes a list of lines and the lowest line to pick; returns a random
#   line number from that one on (or from 0 when there are too few lines),
#   -1 when there are none.
proc ::fuzz::pick_line {lines {from 1}} {
    set n [llength $lines]
    if {$n == 0} {
        return -1
    }
    if {$n <= $from} {
        set from 0
    }
    expr {$from + [rand [expr {$n - $from}]]}
}

# fuzz::token_spans --
#   Takes a text; returns the start and end positions of its blank
#   separated words, as a flat list.
proc ::fuzz::token_spans {text} {
    set out {}
    foreach m [regexp -all -indices -inline {[^ ]+} $text] {
        lappend out {*}$m
    }
    return $out
}

# fuzz::edit_line --
#   Takes bytes, the lowest line to pick and a command prefix; calls the
#   prefix with the text of a random line (line end apart), which returns
#   the new text and a description. Returns the new bytes and
#   "line N: description", or the bytes unchanged when there is no line.
proc ::fuzz::edit_line {data from cmd} {
    set lines [lines $data]
    set i [pick_line $lines $from]
    if {$i < 0} {
        return [list $data "no line"]
    }
    lassign [split_end [lindex $lines $i]] text end
    lassign [{*}$cmd $text] text what
    lset lines $i $text$end
    list [join $lines ""] "line $i: $what"
}

# fuzz::replace_span --
#   Takes a text, a first and last position and a new text; returns the
#   text with that span replaced.
proc ::fuzz::replace_span {text first last new} {
    string cat [string range $text 0 [expr {$first - 1}]] $new \
        [string range $text [expr {$last + 1}] end]
}

# fuzz::show --
#   Takes bytes; returns them printable (control and high bytes as \xNN),
#   at most 40 characters.
proc ::fuzz::show {bytes} {
    set out ""
    foreach c [split [string range $bytes 0 39] ""] {
        scan $c %c code
        if {$code < 32 || $code > 126} {
            append out [format \\x%02x $code]
        } else {
            append out $c
        }
    }
    if {[string length $bytes] > 40} {
        append out ...
    }
    return "\"$out\""
}

# --- The mutations (see `mutations` above) ---

# fuzz::m_truncate_byte --
#   Takes bytes; cuts them at a random byte.
proc ::fuzz::m_truncate_byte {data} {
    set n [string length $data]
    set at [rand [expr {$n + 1}]]
    list [string range $data 0 [expr {$at - 1}]] "cut at byte $at of $n"
}

# fuzz::m_truncate_mid_line --
#   Takes bytes; cuts them inside the text of a random line.
proc ::fuzz::m_truncate_mid_line {data} {
    set lines [lines $data]
    set i [pick_line $lines 0]
    if {$i < 0} {
        return [list $data "no line"]
    }
    lassign [split_end [lindex $lines $i]] text
    set at [expr {1 + [rand [expr {max([string length $text] - 1, 1)}]]}]
    set head [join [lrange $lines 0 [expr {$i - 1}]] ""]
    list $head[string range $text 0 [expr {$at - 1}]] "cut line $i after $at bytes"
}

# fuzz::m_truncate_at_line --
#   Takes bytes; keeps the lines before a random line, whole.
proc ::fuzz::m_truncate_at_line {data} {
    set lines [lines $data]
    set i [pick_line $lines]
    if {$i < 0} {
        return [list $data "no line"]
    }
    list [join [lrange $lines 0 [expr {$i - 1}]] ""] "keep lines 0 to [expr {$i - 1}]"
}

# fuzz::m_truncate_mid_string --
#   Takes bytes; cuts them inside the text of a random string token.
proc ::fuzz::m_truncate_mid_string {data} {
    set found [regexp -all -indices -inline {\*([0-9]+)"} $data]
    if {![llength $found]} {
        return [m_truncate_byte $data]
    }
    set k [rand [expr {[llength $found] / 2}]]
    lassign [lindex $found [expr {2 * $k}]] - q
    lassign [lindex $found [expr {2 * $k + 1}]] a b
    # The count may be anything an earlier mutation made of it: the cut
    # stays inside the file.
    set count [scan [string range $data $a $b] %lld]
    set room [expr {[string length $data] - $q - 1}]
    set at [expr {$q + 1 + [rand [expr {max(min($count, $room), 1)}]]}]
    list [string range $data 0 [expr {$at - 1}]] "cut inside a string at byte $at"
}

# fuzz::m_flip_bytes --
#   Takes bytes; changes one to eight random bytes to other values.
proc ::fuzz::m_flip_bytes {data} {
    set n [string length $data]
    if {$n == 0} {
        return [list $data "empty"]
    }
    set what {}
    for {set k [expr {1 + [rand 8]}]} {$k > 0} {incr k -1} {
        set at [rand $n]
        scan [string index $data $at] %c old
        set new [expr {$old ^ (1 + [rand 255])}]
        set data [replace_span $data $at $at [format %c $new]]
        lappend what [format %d:%02x>%02x $at $old $new]
    }
    list $data "flip [join $what ,]"
}

# fuzz::m_delete_lines --
#   Takes bytes; removes one to three lines in a row.
proc ::fuzz::m_delete_lines {data} {
    set lines [lines $data]
    set i [pick_line $lines]
    if {$i < 0} {
        return [list $data "no line"]
    }
    set last [expr {$i + [rand 3]}]
    list [join [lreplace $lines $i $last] ""] "delete lines $i to $last"
}

# fuzz::m_duplicate_line --
#   Takes bytes; puts a copy of a random line at a random place.
proc ::fuzz::m_duplicate_line {data} {
    set lines [lines $data]
    set i [pick_line $lines]
    if {$i < 0} {
        return [list $data "no line"]
    }
    set at [rand [expr {[llength $lines] + 1}]]
    list [join [linsert $lines $at [lindex $lines $i]] ""] "copy line $i to $at"
}

# fuzz::m_swap_lines --
#   Takes bytes; swaps two random lines.
proc ::fuzz::m_swap_lines {data} {
    set lines [lines $data]
    set i [pick_line $lines 0]
    set j [pick_line $lines 0]
    if {$i < 0} {
        return [list $data "no line"]
    }
    set a [lindex $lines $i]
    lset lines $i [lindex $lines $j]
    lset lines $j $a
    list [join $lines ""] "swap lines $i and $j"
}

# fuzz::m_move_lines --
#   Takes bytes; moves one to four lines in a row to another place, the
#   end of the file more often than not.
proc ::fuzz::m_move_lines {data} {
    set lines [lines $data]
    set i [pick_line $lines]
    if {$i < 0} {
        return [list $data "no line"]
    }
    set last [expr {min($i + [rand 4], [llength $lines] - 1)}]
    set block [lrange $lines $i $last]
    set rest [lreplace $lines $i $last]
    set at [expr {[rand 2] ? [llength $rest] : [rand [expr {[llength $rest] + 1}]]}]
    # A moved last line without its line end gets one.
    if {[lindex [split_end [lindex $block end]] 1] eq ""} {
        lset block end "[lindex $block end]\n"
    }
    list [join [linsert $rest $at {*}$block] ""] "move lines $i to $last to $at"
}

# fuzz::m_string_count --
#   Takes bytes; changes the count of a random string token: bigger,
#   smaller, or not a count at all.
proc ::fuzz::m_string_count {data} {
    variable bad_counts
    set found [regexp -all -indices -inline {\*([0-9]+)"} $data]
    if {![llength $found]} {
        return [m_flip_bytes $data]
    }
    set k [rand [expr {[llength $found] / 2}]]
    lassign [lindex $found [expr {2 * $k + 1}]] a b
    set count [scan [string range $data $a $b] %lld]
    switch [rand 3] {
        0 { set new [expr {$count + 1 + [rand 40]}] }
        1 { set new [expr {max($count - 1 - [rand 10], 0)}] }
        2 { set new [pick $bad_counts] }
    }
    list [replace_span $data $a $b $new] "string count at byte $a: $count -> [show $new]"
}

# fuzz::m_insert_in_line --
#   Takes bytes and a list of texts; puts one of the texts into a random
#   line, at the start of a token or at a random place.
proc ::fuzz::m_insert_in_line {data texts} {
    edit_line $data 1 [list apply {{texts text} {
        set ins [::fuzz::pick $texts]
        set spans [::fuzz::token_spans $text]
        if {[llength $spans] && [::fuzz::rand 2]} {
            set at [lindex $spans [expr {2 * [::fuzz::rand [expr {[llength $spans] / 2}]]}]]
        } else {
            set at [::fuzz::rand [expr {[string length $text] + 1}]]
        }
        list [string cat [string range $text 0 [expr {$at - 1}]] $ins \
                  [string range $text $at end]] "insert [::fuzz::show $ins] at $at"
    }} $texts]
}

# fuzz::m_unbalanced_brace --
#   Takes bytes; puts an unmatched brace into a random line.
proc ::fuzz::m_unbalanced_brace {data} {
    variable braces
    m_insert_in_line $data $braces
}

# fuzz::m_unbalanced_quote --
#   Takes bytes; puts an unmatched double quote into a random line.
proc ::fuzz::m_unbalanced_quote {data} {
    variable quotes
    m_insert_in_line $data $quotes
}

# fuzz::m_backslash --
#   Takes bytes; puts a backslash into a random line (before a blank, at
#   the end, or anywhere).
proc ::fuzz::m_backslash {data} {
    m_insert_in_line $data {\\ \\\\ "\\ " \\n \\\{ \\x}
}

# fuzz::m_bad_reference --
#   Takes bytes; gives a line reference ("@" and digits) of a record a
#   line number beyond the table or a value that is not a line number.
#   References to real lines are picked more often than "@0".
proc ::fuzz::m_bad_reference {data} {
    variable bad_refs
    set all [regexp -all -indices -inline {@[0-9]+} $data]
    set used [regexp -all -indices -inline {@0*[1-9][0-9]*} $data]
    set from [expr {[llength $used] && [rand 4] ? $used : $all}]
    if {![llength $from]} {
        return [m_flip_bytes $data]
    }
    lassign [pick $from] a b
    set cnt [llength [lines $data]]
    set v [pick $bad_refs]
    if {[string index $v 0] eq "+"} {
        set v [expr {$cnt + [string range $v 1 end]}]
    } elseif {$v eq "~"} {
        set v [rand $cnt]
    }
    list [replace_span $data $a $b @$v] \
        "reference at byte $a: [string range $data $a $b] -> [show @$v]"
}

# fuzz::m_huge_number --
#   Takes bytes; puts a huge or odd number in place of the number of a
#   random token (tagged value or leading count).
proc ::fuzz::m_huge_number {data} {
    variable huge_numbers
    set found [regexp -all -indices -inline \
                   {(?:^|[ \n])[ilsdfc]?([0-9][0-9.e+-]*)(?=[ \r\n])} $data]
    if {![llength $found]} {
        return [m_flip_bytes $data]
    }
    set k [rand [expr {[llength $found] / 2}]]
    lassign [lindex $found [expr {2 * $k + 1}]] a b
    set v [pick $huge_numbers]
    list [replace_span $data $a $b $v] \
        "number at byte $a: [string range $data $a $b] -> [show $v]"
}

# fuzz::m_nul_bytes --
#   Takes bytes; puts one to four NUL bytes at random places.
proc ::fuzz::m_nul_bytes {data} {
    set what {}
    for {set k [expr {1 + [rand 4]}]} {$k > 0} {incr k -1} {
        set at [rand [expr {[string length $data] + 1}]]
        set data [string cat [string range $data 0 [expr {$at - 1}]] \x00 \
                      [string range $data $at end]]
        lappend what $at
    }
    list $data "NUL at [join $what ,]"
}

# fuzz::m_non_utf8 --
#   Takes bytes; puts a byte sequence that is not UTF-8 at a random place.
proc ::fuzz::m_non_utf8 {data} {
    variable non_utf8_bytes
    set seq [pick $non_utf8_bytes]
    set at [rand [expr {[string length $data] + 1}]]
    list [string cat [string range $data 0 [expr {$at - 1}]] $seq \
              [string range $data $at end]] "insert [show $seq] at $at"
}

# fuzz::m_cr_only --
#   Takes bytes; ends every line with a lone carriage return.
proc ::fuzz::m_cr_only {data} {
    list [string map [list \r\n \r \n \r] $data] "carriage returns only"
}

# fuzz::m_mixed_line_ends --
#   Takes bytes; ends each line with a line feed, a carriage return and
#   line feed, or a lone carriage return, at random.
proc ::fuzz::m_mixed_line_ends {data} {
    set out ""
    foreach line [lines $data] {
        lassign [split_end $line] text end
        if {$end ne ""} {
            set end [pick [list \n \r\n \r \n\r]]
        }
        append out $text $end
    }
    list $out "mixed line ends"
}

# fuzz::m_empty_file --
#   Takes bytes; returns an empty file.
proc ::fuzz::m_empty_file {data} {
    list "" "empty file"
}

# fuzz::m_header_only --
#   Takes bytes; keeps the first line or the first two, with or without
#   the last line end.
proc ::fuzz::m_header_only {data} {
    set n [expr {1 + [rand 2]}]
    set out [join [lrange [lines $data] 0 [expr {$n - 1}]] ""]
    if {[rand 2]} {
        set out [string trimright $out \r\n]
    }
    list $out "first $n lines only"
}

# fuzz::m_header_version --
#   Takes bytes; damages a version token ("s" and a number) of the header.
proc ::fuzz::m_header_version {data} {
    variable bad_versions
    set lines [lines $data]
    if {[llength $lines] < 2} {
        return [m_flip_bytes $data]
    }
    lassign [split_end [lindex $lines 1]] text end
    set found [regexp -all -indices -inline {(?:^| )(s[0-9]+)(?= |$)} $text]
    if {![llength $found]} {
        return [m_flip_bytes $data]
    }
    set k [rand [expr {[llength $found] / 2}]]
    lassign [lindex $found [expr {2 * $k + 1}]] a b
    set v [pick $bad_versions]
    lset lines 1 [replace_span $text $a $b $v]$end
    list [join $lines ""] "header token [string range $text $a $b] -> [show $v]"
}

# fuzz::m_script_text --
#   Takes bytes; puts in place of a random token a text that would run a
#   command or read a variable if the program evaluated it.
proc ::fuzz::m_script_text {data} {
    variable script_texts
    edit_line $data 0 [list apply {{texts text} {
        set spans [::fuzz::token_spans $text]
        set ins [::fuzz::pick $texts]
        if {![llength $spans]} {
            return [list $ins "set to [::fuzz::show $ins]"]
        }
        set k [::fuzz::rand [expr {[llength $spans] / 2}]]
        lassign [lrange $spans [expr {2 * $k}] [expr {2 * $k + 1}]] a b
        list [::fuzz::replace_span $text $a $b $ins] "token $k -> [::fuzz::show $ins]"
    }} $script_texts]
}

# fuzz::m_retype --
#   Takes bytes; gives a random record the type of another record of the
#   file, so that a step meets a layout it does not expect.
proc ::fuzz::m_retype {data} {
    set types [lsort -unique [regexp -all -inline {#[A-Za-z0-9]+} $data]]
    edit_line $data 2 [list apply {{types text} {
        set spans [::fuzz::token_spans $text]
        set new [::fuzz::pick $types]
        if {[llength $spans] < 4} {
            return [list "0 $new" "replaced by \"0 $new\""]
        }
        lassign [lrange $spans 2 3] a b
        list [::fuzz::replace_span $text $a $b $new] "type -> $new"
    }} $types]
}

# fuzz::m_drop_tokens --
#   Takes bytes; removes one token, or every token from one on, of a
#   random record.
proc ::fuzz::m_drop_tokens {data} {
    edit_line $data 1 {apply {{text} {
        set spans [::fuzz::token_spans $text]
        set n [expr {[llength $spans] / 2}]
        if {$n == 0} {
            return [list $text "no token"]
        }
        set k [::fuzz::rand $n]
        set a [lindex $spans [expr {2 * $k}]]
        if {[::fuzz::rand 2]} {
            return [list [string range $text 0 [expr {$a - 1}]] "tokens $k on dropped"]
        }
        set b [lindex $spans [expr {2 * $k + 1}]]
        list [::fuzz::replace_span $text $a $b ""] "token $k dropped"
    }}}
}

# fuzz::m_add_tokens --
#   Takes bytes; appends one to five odd tokens to a random record.
proc ::fuzz::m_add_tokens {data} {
    variable extra_tokens
    edit_line $data 1 [list apply {{extra text} {
        set add {}
        for {set k [expr {1 + [::fuzz::rand 5]}]} {$k > 0} {incr k -1} {
            lappend add [::fuzz::pick $extra]
        }
        set add [join $add " "]
        list "[string trimright $text " "] $add " "append [::fuzz::show $add]"
    }} $extra_tokens]
}

# fuzz::m_control_chars --
#   Takes bytes; puts control characters in place of some of the blanks
#   of a random line.
proc ::fuzz::m_control_chars {data} {
    variable controls
    edit_line $data 0 [list apply {{controls text} {
        set spans [regexp -all -indices -inline { } $text]
        if {![llength $spans]} {
            return [list $text "no blank"]
        }
        set what {}
        for {set k [expr {1 + [::fuzz::rand 3]}]} {$k > 0} {incr k -1} {
            set at [lindex [::fuzz::pick $spans] 0]
            set c [::fuzz::pick $controls]
            set text [::fuzz::replace_span $text $at $at $c]
            lappend what "$at:[::fuzz::show $c]"
        }
        list $text "blanks -> [join $what ,]"
    }} $controls]
}

# --- Cases ---

# fuzz::pick_mutation --
#   Takes nothing; returns the name of a mutation picked by weight.
proc ::fuzz::pick_mutation {} {
    variable mutations
    set total 0
    foreach {name w} $mutations {
        incr total $w
    }
    set r [rand $total]
    foreach {name w} $mutations {
        if {$r < $w} {
            return $name
        }
        incr r -$w
    }
}

# fuzz::make_case --
#   Takes a seed and a case number; returns a dict: source (the sample
#   file's name), mutation (what was done, mutations separated by "; ")
#   and data (the damaged file's bytes). Case n damages sample n modulo
#   the number of samples; one case in four gets a second mutation.
proc ::fuzz::make_case {seed case} {
    seed_case $seed $case
    set srcs [sources]
    set src [lindex $srcs [expr {$case % [llength $srcs]}]]
    set data [source_bytes $src]
    set what {}
    set rounds [expr {[rand 4] == 0 ? 2 : 1}]
    for {set k 0} {$k < $rounds} {incr k} {
        set m [pick_mutation]
        lassign [m_$m $data] data detail
        lappend what "$m ($detail)"
    }
    dict create source [file tail $src] mutation [join $what "; "] data $data
}

# fuzz::case_line --
#   Takes a seed, a case number and the case's dict; returns a line that
#   names the case and the command that writes it again.
proc ::fuzz::case_line {seed case d} {
    format "seed %s case %d: %s, %s (make it again: tclsh tests/e2e/fuzz.tcl %s %d out.app)" \
        $seed $case [dict get $d source] [dict get $d mutation] $seed $case
}

# fuzz::write_case --
#   Takes a path and a case's dict; writes the damaged bytes there.
#   Returns the path.
proc ::fuzz::write_case {path d} {
    set f [open $path wb]
    puts -nonewline $f [dict get $d data]
    close $f
    return $path
}

if {[info exists argv0] && [file normalize $argv0] eq [file normalize [info script]]} {
    if {[llength $argv] != 3} {
        puts stderr "usage: tclsh fuzz.tcl SEED CASE OUTFILE"
        exit 2
    }
    lassign $argv seed case out
    set d [fuzz::make_case $seed $case]
    fuzz::write_case $out $d
    puts [fuzz::case_line $seed $case $d]
}
