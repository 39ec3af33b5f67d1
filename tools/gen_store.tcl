# Generates the built-in store: a C++ source that holds every script of the
# main interpreter as a constant character array, in its stored form.
#
# Usage: tclsh gen_store.tcl -out FILE -manifest FILE -tcl DIR -tk DIR
#            -app "FILE ..." ?-override NAME=FILE ...? ?-dump DIR?
# -dump writes each stored text to DIR too, for inspection.
#
# Stored form: every source line stays one line, in order, so that error
# line numbers stay true. Lines of script are stripped of leading blanks
# and tabs, and lines that hold only a comment are emptied. A line that
# starts inside data (a quoted string, or a braced word that is not known
# to be a script) is kept exactly as it is, so stripping never changes
# what a script means.

namespace eval strip {
    variable s        ;# the text being scanned
    variable verbatim ;# list of {start end} ranges whose inner lines stay
    variable comments ;# offsets where a comment starts at a command start

    # Words that take scripts, by command name: word positions, or "last".
    variable script_words {
        proc {3}  while {2}  for {1 3 4}  foreach last  lmap last
        catch {1}  time {1}  uplevel last
    }
}

# strip::match_brace --
#   Takes the offset of an opening brace; returns the offset of the brace
#   that closes it (or the end of the text when none does).
proc strip::match_brace {i e} {
    variable s
    set depth 0
    while {$i < $e} {
        switch -- [string index $s $i] {
            "\\" { incr i 2; continue }
            "\{" { incr depth }
            "\}" { if {[incr depth -1] == 0} { return $i } }
        }
        incr i
    }
    return $e
}

# strip::scan_quoted --
#   Takes the offset just after an opening double quote; returns the offset
#   of the closing quote. Command substitutions inside are scanned.
proc strip::scan_quoted {i e} {
    variable s
    while {$i < $e} {
        switch -- [string index $s $i] {
            "\\" { incr i 2 }
            "\"" { return $i }
            "\[" { set i [expr {[scan_script [expr {$i + 1}] $e 1] + 1}] }
            default { incr i }
        }
    }
    return $e
}

# strip::scan_bare --
#   Takes the offset of a bare word; returns the offset just after it.
proc strip::scan_bare {i e in_bracket} {
    variable s
    while {$i < $e} {
        set c [string index $s $i]
        if {$c eq "\\"} { incr i 2; continue }
        if {[string first $c " \t\n;"] >= 0} { break }
        if {$in_bracket && $c eq "\]"} { break }
        if {$c eq "\["} {
            set i [expr {[scan_script [expr {$i + 1}] $e 1] + 1}]
            continue
        }
        incr i
    }
    return $i
}

# strip::scan_script --
#   Scans the script between offsets i and e (or up to the closing bracket
#   when in_bracket is 1); records comments and data ranges. Returns the
#   offset where it stopped.
proc strip::scan_script {i e in_bracket} {
    variable s
    variable comments
    while {$i < $e} {
        # Between commands.
        set c [string index $s $i]
        if {[string first $c " \t\n\r;"] >= 0} { incr i; continue }
        if {$c eq "\\" && [string index $s $i+1] eq "\n"} { incr i 2; continue }
        if {$in_bracket && $c eq "\]"} { return $i }
        if {$c eq "#"} {
            lappend comments $i
            while {$i < $e && [string index $s $i] ne "\n"} {
                if {[string index $s $i] eq "\\"} { incr i 2 } else { incr i }
            }
            continue
        }
        # One command: its words.
        set words {}
        while {$i < $e} {
            set c [string index $s $i]
            if {$c eq " " || $c eq "\t"} { incr i; continue }
            if {$c eq "\\" && [string index $s $i+1] eq "\n"} { incr i 2; continue }
            if {$c eq "\n" || $c eq ";" || ($in_bracket && $c eq "\]")} { break }
            if {[string range $s $i $i+2] eq "\{*\}" &&
                    [string first [string index $s $i+3] " \t\n;"] < 0} {
                incr i 3
                continue
            }
            if {$c eq "\{"} {
                set j [match_brace $i $e]
                lappend words [list brace $i $j]
                set i [expr {$j + 1}]
            } elseif {$c eq "\""} {
                set j [scan_quoted [expr {$i + 1}] $e]
                lappend words [list quote $i $j]
                mark_verbatim $i $j
                set i [expr {$j + 1}]
            } else {
                set j [scan_bare $i $e $in_bracket]
                lappend words [list bare $i [expr {$j - 1}]]
                set i $j
            }
        }
        command_words $words
    }
    return $i
}

# strip::word_text --
#   Takes a word description {kind start end}; returns its literal text
#   (without the braces of a braced word).
proc strip::word_text {w} {
    variable s
    lassign $w kind a b
    if {$kind eq "brace"} { return [string range $s $a+1 $b-1] }
    return [string range $s $a $b]
}

# strip::script_positions --
#   Takes the words of one command; returns the positions of the words
#   that are scripts, and "switch" positions for a pattern-body list.
proc strip::script_positions {words} {
    variable script_words
    set n [llength $words]
    set name [string trimleft [word_text [lindex $words 0]] :]
    set texts [lmap w $words {word_text $w}]
    if {[dict exists $script_words $name]} {
        set pos [dict get $script_words $name]
        if {$pos eq "last"} { return [list [expr {$n - 1}]] }
        return $pos
    }
    switch -- $name {
        namespace {
            if {[lindex $texts 1] eq "eval" && $n == 4} { return {3} }
        }
        eval {
            if {$n == 2} { return {1} }
        }
        dict {
            if {[lindex $texts 1] in {for map with update}} {
                return [list [expr {$n - 1}]]
            }
        }
        if {
            set out {}
            set k 2
            if {[lindex $texts $k] eq "then"} { incr k }
            lappend out $k
            incr k
            while {$k < $n} {
                set t [lindex $texts $k]
                if {$t eq "elseif"} {
                    incr k 2
                    if {[lindex $texts $k] eq "then"} { incr k }
                } elseif {$t eq "else"} {
                    incr k
                }
                lappend out $k
                incr k
            }
            return $out
        }
        switch {
            set k 1
            while {$k < $n && [string match -* [lindex $texts $k]]} {
                if {[lindex $texts $k] eq "--"} { incr k; break }
                incr k
            }
            set rest [expr {$n - $k}]
            if {$rest == 2} { return [list "switch[expr {$n - 1}]"] }
            set out {}
            for {set b [expr {$k + 2}]} {$b < $n} {incr b 2} { lappend out $b }
            return $out
        }
    }
    return {}
}

# strip::command_words --
#   Takes the words of one command; scans the braced words that are
#   scripts and marks every other braced word as data.
proc strip::command_words {words} {
    if {![llength $words]} { return }
    set pos [script_positions $words]
    set k 0
    foreach w $words {
        lassign $w kind a b
        if {$kind eq "brace"} {
            if {$k in $pos} {
                scan_script [expr {$a + 1}] $b 0
            } elseif {"switch$k" in $pos} {
                scan_bodies [expr {$a + 1}] $b
            } else {
                mark_verbatim $a $b
            }
        }
        incr k
    }
}

# strip::scan_bodies --
#   Scans a braced switch list: elements at odd positions that are braced
#   are scripts; the rest is data.
proc strip::scan_bodies {i e} {
    variable s
    set k 0
    while {$i < $e} {
        set c [string index $s $i]
        if {[string first $c " \t\n\r"] >= 0} { incr i; continue }
        if {$c eq "\{"} {
            set j [match_brace $i $e]
            if {$k % 2} {
                scan_script [expr {$i + 1}] $j 0
            } else {
                mark_verbatim $i $j
            }
        } elseif {$c eq "\""} {
            set j [scan_quoted [expr {$i + 1}] $e]
            mark_verbatim $i $j
        } else {
            set j [expr {[scan_bare $i $e 0] - 1}]
        }
        set i [expr {$j + 1}]
        incr k
    }
}

# strip::mark_verbatim --
#   Records that the lines starting after offset a and up to offset b hold
#   data. Returns nothing.
proc strip::mark_verbatim {a b} {
    variable verbatim
    lappend verbatim [list $a $b]
}

# strip::stored_form --
#   Takes a script text; returns its stored form (same number of lines).
proc strip::stored_form {text} {
    variable s $text
    variable verbatim {}
    variable comments {}
    scan_script 0 [string length $s] 0

    set lines [split $s "\n"]
    set starts {}
    set off 0
    foreach line $lines {
        lappend starts $off
        incr off [expr {[string length $line] + 1}]
    }
    set nlines [llength $lines]
    set keep [lrepeat $nlines 0]
    set empty [lrepeat $nlines 0]
    foreach r $verbatim {
        lassign $r a b
        set first [expr {[lsearch -bisect -integer $starts $a] + 1}]
        set last [lsearch -bisect -integer $starts $b]
        for {set l $first} {$l <= $last} {incr l} { lset keep $l 1 }
    }
    foreach c $comments {
        set l [lsearch -bisect -integer $starts $c]
        set lead [string range $s [lindex $starts $l] $c-1]
        if {[string trim $lead " \t"] ne ""} { continue }
        # The comment and the lines it continues onto with backslashes.
        while {$l < $nlines} {
            lset empty $l 1
            set line [lindex $lines $l]
            regexp {(\\*)$} $line -> tail
            if {[string length $tail] % 2 == 0} { break }
            incr l
        }
    }
    set out {}
    for {set l 0} {$l < $nlines} {incr l} {
        set line [lindex $lines $l]
        if {[lindex $keep $l]} {
            lappend out $line
        } elseif {[lindex $empty $l]} {
            lappend out ""
        } else {
            lappend out [string trimleft $line " \t"]
        }
    }
    return [join $out "\n"]
}

# read_text --
#   Takes a file name and its encoding; returns the file's text with line
#   ends made line feeds.
proc read_text {file enc} {
    set f [open $file r]
    fconfigure $f -encoding $enc -translation auto
    set text [read $f]
    close $f
    return $text
}

# c_array --
#   Takes a C identifier and a text; returns the definition of a constant
#   character array that holds the text's UTF-8 bytes and a NUL.
proc c_array {id text} {
    binary scan [encoding convertto utf-8 $text] cu* bytes
    lappend bytes 0
    set rows {}
    for {set i 0} {$i < [llength $bytes]} {incr i 24} {
        lappend rows [join [lrange $bytes $i $i+23] ,]
    }
    return "const char $id\[\] = {\n[join $rows ,\n]\n};\n"
}

# main --
#   Takes the command-line words; writes the store source.
proc main {argv} {
    set opts [dict create -override {}]
    foreach {k v} $argv {
        if {$k eq "-override"} {
            dict lappend opts -override $v
        } else {
            dict set opts $k $v
        }
    }
    set overrides [dict create]
    foreach o [dict get $opts -override] {
        set eq [string first = $o]
        dict set overrides [string range $o 0 $eq-1] [string range $o $eq+1 end]
    }
    set dirs [dict create TCL [dict get $opts -tcl] TK [dict get $opts -tk]]

    # The application script: the script files in sorted name order.
    set app ""
    foreach f [lsort [dict get $opts -app]] {
        set t [read_text $f iso8859-1]
        if {$t ne "" && [string index $t end] ne "\n"} { append t "\n" }
        append app $t
    }
    if {[dict exists $overrides Norvane]} {
        set app [read_text [dict get $overrides Norvane] iso8859-1]
    }
    set entries [list [list app Norvane $app]]

    set mf [open [dict get $opts -manifest] r]
    foreach line [split [read $mf] "\n"] {
        set line [string trim $line " \t\r"]
        if {$line eq "" || [string index $line 0] eq "#"} { continue }
        lassign $line kind name src
        if {[dict exists $overrides $name]} {
            lappend entries [list $kind $name [read_text [dict get $overrides $name] utf-8]]
            continue
        }
        # Sources separated by "|" are tried in turn: an installed library
        # and a source tree keep some files in different places.
        set matches {}
        set patterns {}
        foreach alt [split $src |] {
            lassign [split $alt /] root
            lappend patterns [file join [dict get $dirs $root] {*}[lrange [split $alt /] 1 end]]
            set matches [lsort [glob -nocomplain [lindex $patterns end]]]
            if {[llength $matches]} { break }
        }
        if {![llength $matches]} {
            puts stderr "gen_store: no library file for $name ([join $patterns { or }])"
            exit 1
        }
        if {[string first * $name] < 0} {
            # One entry: the last match (the newest version of a module).
            set matches [lrange $matches end end]
        }
        foreach file $matches {
            set entry [string map [list * [file tail $file]] $name]
            lappend entries [list $kind $entry [read_text $file utf-8]]
        }
    }
    close $mf

    set kinds {app Et_StoreApp init Et_StoreInit pkg Et_StorePackage
               tcl Et_StoreTcl tkup Et_StoreTkStartup tk Et_StoreTk
               file Et_StoreFile}
    set out "// Generated at build time from the application script and the\n"
    append out "// installed Tcl/Tk library scripts. Do not edit.\n"
    append out "#include \"store.h\"\n\nnamespace {\n\n"
    set table {}
    set n 0
    foreach e $entries {
        lassign $e kind name text
        set stored [strip::stored_form $text]
        if {[llength [split $stored "\n"]] != [llength [split $text "\n"]]} {
            puts stderr "gen_store: $name: stored form changed the line count"
            exit 1
        }
        if {[dict exists $opts -dump]} {
            set d [open [file join [dict get $opts -dump] [string map {/ _} $name]] w]
            fconfigure $d -translation lf -encoding utf-8
            puts -nonewline $d $stored
            close $d
        }
        append out [c_array text$n $stored] "\n"
        lappend table "    {\"$name\", [dict get $kinds $kind], text$n}"
        incr n
    }
    append out "} // namespace\n\n"
    append out "const Et_StoreEntry Et_Store\[\] = {\n[join $table ,\n]\n};\n"
    append out "const int Et_StoreCount = $n;\n"

    set file [dict get $opts -out]
    set tmp $file.tmp
    set f [open $tmp w]
    fconfigure $f -translation lf -encoding utf-8
    puts -nonewline $f $out
    close $f
    file rename -force $tmp $file
}

# Run as a program (tests source this file for strip::stored_form alone).
if {[info exists argv0] && [file tail [info script]] eq [file tail $argv0]} {
    main $argv
}
