# Record text and token edits. A record is held as text and read as a
# list of tokens; edits made as a list go through the helpers here, which
# rebuild the text in the file format's one canonical list form. The tok_*
# procedures edit the record in the variable varName in place and return
# 1 when the edit is made, 0 when it is not a list (or lacks the token).

# The file format's whitespace; bytes 0x80 and above never count.
set ws_chars " \t\n\r\v\f"

# trim_ws --
#   Trims whitespace from text, keeping a trailing one after a backslash.
proc trim_ws {text} {
    global ws_chars
    set text [string trimleft $text $ws_chars]
    set kept [string trimright $text $ws_chars]
    set klen [string length $kept]
    if {$klen < [string length $text] && [string index $kept end] eq "\\"} {
        append kept [string index $text $klen]
    }
    return $kept
}

# canon_elem --
#   Returns an element value in canonical list form: "{}" when empty, bare
#   when nothing in it is special, braced when it needs quoting and braces
#   can hold it, else with backslashes.
proc canon_elem {e} {
    if {$e eq ""} {
        return "{}"
    }
    if {[regexp {^[^][{}"$;\\ \t\n\r\v\f]+$} $e]} {
        return $e
    }
    set needq [regexp {^[\{"]|[[ \t\n\r\v\f$;\\]} $e]
    # Braces can hold it when its braces balance (escaped ones aside) and
    # it neither ends in a backslash nor holds a backslash-newline.
    set braces_ok 1
    if {[string first "\{" $e] < 0 && [string first "\}" $e] < 0 &&
            [string first \\ $e] < 0} {
        # No brace to balance and no backslash.
    } elseif {[regexp {\\$|\\\n} $e]} {
        set braces_ok 0
    } else {
        regsub -all {\\.} $e "" plain
        set depth 0
        foreach c [split [regsub -all {[^{}]} $plain ""] ""] {
            if {$c eq "\{"} {
                incr depth
            } elseif {[incr depth -1] < 0} {
                break
            }
        }
        if {$depth != 0} {
            set braces_ok 0
        }
    }
    if {$needq && $braces_ok} {
        return "{$e}"
    }
    set map [list \\ \\\\ \] \\\] \[ \\\[ \$ \\\$ \; \\\; " " "\\ " \" \\\" \
                 \f \\f \n \\n \r \\r \t \\t \v \\v]
    if {!$braces_ok || [string index $e 0] eq "\{"} {
        lappend map \{ \\\{ \} \\\}
    }
    return [string map $map $e]
}

# canon_list --
#   Returns the record text of elems: each in canonical form, one space apart.
proc canon_list {elems} {
    # Tcl's list form is the canonical one when it quotes no token (it
    # quotes empty ones, those canon_elem quotes, a first one starting with
    # "#"), as for most records: the list is returned, so whoever reads its
    # tokens next need not parse the text again.
    set lst [list {*}$elems]
    if {$lst eq [join $elems " "]} {
        return $lst
    }
    # A string record: plain tokens, then a string with its closing blank
    # and, as a rule, no brace or backslash. Both forms brace it alone and
    # agree when Tcl quotes no other token. (A search per character is
    # quicker than matching a class of characters.)
    set last [lindex $elems end]
    if {([string index $last end] eq " " ||
            [string match {*[ \t\n\r\v\f]*} $last]) &&
            [string first "\{" $last] < 0 && [string first "\}" $last] < 0 &&
            [string first \\ $last] < 0} {
        set form "{$last}"
        if {[llength $elems] > 1} {
            set form "[join [lrange $elems 0 end-1] " "] $form"
        }
        if {$lst eq $form} {
            return $lst
        }
    }
    # Else tokens Tcl leaves bare are bare here too; canon_elem does the rest.
    join [lmap e $elems {
        if {$e ne "" && [list $e] eq $e} {
            set e
        } else {
            canon_elem $e
        }
    }] " "
}

# join_texts --
#   Joins its texts, trimmed and non-empty, by single spaces, unquoted.
proc join_texts {args} {
    set out {}
    foreach piece $args {
        set piece [trim_ws $piece]
        if {$piece ne ""} {
            lappend out $piece
        }
    }
    join $out " "
}

# strip_braces --
#   Removes every brace from record varName, leaving "$0" tokens bare.
proc strip_braces {varName} {
    upvar 1 $varName rec
    set rec [string map {\{ "" \} ""} $rec]
    return
}

# rec_len --
#   Returns a record text's token count, or -1 when it is not a list.
proc rec_len {text} {
    if {[catch {llength $text} n]} {
        return -1
    }
    return $n
}

# scan format of a record's first two words: the first is skipped, then the
# character after it, the second word and the character after that are set
# (a word ends at whitespace, a brace, a double quote or a backslash).
set rec_type_scan "%*\[^ \t\n\r\v\f{}\"\\\]%c%\[^ \t\n\r\v\f{}\"\\\]%c"

set rec_type_known {}

# lead_type --
#   Returns a record text's type when it starts with two plain words, each
#   followed by whitespace or the end (so its first two tokens), found
#   without parsing it: a record held as a list stays one. Else returns "".
proc lead_type {text} {
    global rec_type_scan
    set n [scan $text $rec_type_scan sep type next]
    if {$n >= 2 && $sep in {32 9 10 11 12 13} &&
            ($n == 2 || $next in {32 9 10 11 12 13})} {
        return $type
    }
    return ""
}

# rec_type --
#   Returns a record's type, token 1 (a non-list text's second word).
proc rec_type {text} {
    global rec_type_known
    # A caller may note a text's known type in rec_type_known: {text type}.
    if {$text eq [lindex $rec_type_known 0]} {
        return [lindex $rec_type_known 1]
    }
    set type [lead_type $text]
    if {$type ne ""} {
        return $type
    }
    if {[catch {lindex $text 1} type]} {
        set type [lindex [regexp -all -inline {[^ \t\n\r\v\f]+} $text] 1]
    }
    return $type
}

# rec_tok --
#   Returns token pos of a record text, or "" when none or not a list.
proc rec_tok {text pos} {
    if {[catch {lindex $text $pos} tok]} {
        return ""
    }
    return $tok
}

# tok_insert --
#   Takes varName, a position and tokens; inserts them before it (appends
#   them at or past the end).
proc tok_insert {varName pos args} {
    upvar 1 $varName rec
    if {[catch {linsert $rec $pos {*}$args} new]} {
        return 0
    }
    set rec [canon_list $new]
    return 1
}

# tok_append --
#   Takes varName and tokens; appends the tokens.
proc tok_append {varName args} {
    upvar 1 $varName rec
    if {[catch {llength $rec}]} {
        return 0
    }
    set rec [canon_list [list {*}$rec {*}$args]]
    return 1
}

# tok_replace --
#   Takes varName, first, last and tokens; replaces tokens first to last
#   (last cut to the end) with them; without a token at first, changes none.
proc tok_replace {varName first last args} {
    upvar 1 $varName rec
    if {[catch {llength $rec} n] || $first >= $n} {
        return 0
    }
    set rec [canon_list [lreplace $rec $first $last {*}$args]]
    return 1
}

# tok_remove --
#   Takes varName and a position; removes that token.
proc tok_remove {varName pos} {
    upvar 1 $varName rec
    tok_replace rec $pos $pos
}
