# Record text and token edits.
#
# A record is held as text and read as a list of tokens. Every edit made
# as a list goes through the helpers below, so that the record's text is
# rebuilt in the one canonical list form the file format uses.

# The whitespace of the file format: blank, tab, line feed, carriage
# return, vertical tab and form feed. Bytes 0x80 and above never count.
set ws_chars " \t\n\r\v\f"

# trim_ws --
#   Takes a text and returns it without leading and trailing whitespace,
#   except that a trailing whitespace character directly preceded by a
#   backslash stays.
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
#   Takes one element value and returns it written as a list element:
#   "{}" when empty, as it is when nothing in it is special, in braces
#   when it needs quoting and braces can hold it, else with backslashes.
proc canon_elem {e} {
    if {$e eq ""} {
        return "{}"
    }
    if {[regexp {^[^][{}"$;\\ \t\n\r\v\f]+$} $e]} {
        return $e
    }
    set needq [regexp {^[\{"]|[[ \t\n\r\v\f$;\\]} $e]
    # Braces are usable when they balance (a brace after a backslash does
    # not count), the element does not end in a backslash and holds no
    # backslash-newline.
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
#   Takes a list of element values and returns the record text: each
#   element in canonical form, joined by single spaces.
proc canon_list {elems} {
    # Most records hold only plain tokens: their joined text is already
    # the canonical form. Tcl's own list form quotes every token that is
    # empty or holds a blank or one of the characters canon_elem quotes
    # (and a first token beginning with "#"); when it quotes none, it is
    # the joined text. The list itself is returned then, its text being
    # that form: whoever reads the record's tokens next need not parse
    # the text again.
    set lst [list {*}$elems]
    if {$lst eq [join $elems " "]} {
        return $lst
    }
    # A string record: plain tokens, and last its string, which holds a
    # blank (its closing one) and, as a rule, no brace or backslash. Both
    # forms then put that token in braces and leave the others bare. (Tcl's
    # form is the joined tokens and the braced string only when it quotes
    # none of the others: quoting would lengthen it.) The string is looked
    # through for the three characters one at a time, which is quicker
    # than matching it against a class of characters at each place.
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
    # Otherwise the tokens Tcl leaves bare are bare in the canonical form
    # too; only the others are worked out.
    join [lmap e $elems {
        if {$e ne "" && [list $e] eq $e} {
            set e
        } else {
            canon_elem $e
        }
    }] " "
}

# join_texts --
#   Takes any number of texts and returns them trimmed, the empty ones
#   dropped, joined by single spaces. Nothing is quoted.
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
#   Takes the name of a record variable and removes every brace from its
#   text, so that "$0" tokens stand bare as the file format has them.
proc strip_braces {varName} {
    upvar 1 $varName rec
    set rec [string map {\{ "" \} ""} $rec]
    return
}

# rec_len --
#   Takes a record text and returns its number of tokens, or -1 when the
#   text cannot be read as a list.
proc rec_len {text} {
    if {[catch {llength $text} n]} {
        return -1
    }
    return $n
}

# The first two words of a record and what follows each: a word is a run
# of characters other than the file format's whitespace, braces, double
# quotes and backslashes. The first word is passed over; scan sets the
# character after it, the second word and the character after that.
set rec_type_scan "%*\[^ \t\n\r\v\f{}\"\\\]%c%\[^ \t\n\r\v\f{}\"\\\]%c"

set rec_type_known {}

# lead_type --
#   Takes a record text; returns its type when the text begins with two
#   plain words, each followed by one whitespace character (or the end):
#   they are the first two tokens as a list reads them, whatever follows,
#   found without parsing the whole record and without changing how its
#   value is held (a record held as a list stays one). Returns an empty
#   text otherwise.
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
#   Takes a record text and returns its type, token 1. A text that cannot
#   be read as a list gives its second whitespace-separated word.
proc rec_type {text} {
    global rec_type_known
    # A caller that knows the type of the text a step is about to read
    # says so in rec_type_known: {text type}.
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
#   Takes a record text and a token position and returns that token, or
#   an empty text when there is none or the text is not a list.
proc rec_tok {text pos} {
    if {[catch {lindex $text $pos} tok]} {
        return ""
    }
    return $tok
}

# tok_insert --
#   Takes a record variable name, a position and tokens; inserts the tokens
#   before that position (appends them at or past the end). Returns 1 when
#   the record was changed, 0 when it cannot be read as a list.
proc tok_insert {varName pos args} {
    upvar 1 $varName rec
    if {[catch {linsert $rec $pos {*}$args} new]} {
        return 0
    }
    set rec [canon_list $new]
    return 1
}

# tok_append --
#   Takes a record variable name and tokens; appends the tokens. Returns 1
#   when the record was changed, 0 when it cannot be read as a list.
proc tok_append {varName args} {
    upvar 1 $varName rec
    if {[catch {llength $rec}]} {
        return 0
    }
    set rec [canon_list [list {*}$rec {*}$args]]
    return 1
}

# tok_replace --
#   Takes a record variable name, a first and last position and tokens;
#   replaces tokens first to last (last is cut to the last token) with the
#   given ones. A record that has no token at first, or cannot be read as a
#   list, is left unchanged. Returns 1 when the record was changed.
proc tok_replace {varName first last args} {
    upvar 1 $varName rec
    if {[catch {llength $rec} n] || $first >= $n} {
        return 0
    }
    set rec [canon_list [lreplace $rec $first $last {*}$args]]
    return 1
}

# tok_remove --
#   Takes a record variable name and a position; removes that token.
#   Returns 1 when the record was changed, 0 when there is no such token.
proc tok_remove {varName pos} {
    upvar 1 $varName rec
    tok_replace rec $pos $pos
}
