# Record-editing primitives shared by the upgrade steps: path renames in
# string records, a text test, the conversion of a boolean control into a
# selection control, and the tables of renames the steps apply.
#
# A string record is held as its prefix tokens and one last element, the
# string's text followed by the one blank the file keeps after it:
#     0 #CharString i26 {APP/P_STITCH/P_STITCH_COLS }
# Every search below is a plain, case-sensitive search of the record text.

# patch_path --
#   Takes the name of a string record variable, an old path and a new path.
#   When the record text contains the old path, the length token (token 2)
#   becomes the length of the new path and the last token becomes the new
#   path followed by one blank. Returns 1 when the record changed, else 0.
#   A record without a length token and a string, or that cannot be read as
#   a list, is left as it is.
proc patch_path {list oldpath newpath} {
    upvar 1 $list rec
    if {[string first $oldpath $rec] < 0 || [rec_len $rec] < 4} {
        return 0
    }
    # (Both tokens replaced, the record rendered once.)
    set rec [canon_list [lreplace [lreplace $rec 2 2 i[string length $newpath]] \
        end end "$newpath "]]
    return 1
}

# modify_path --
#   Takes the name of a string record variable, an old text and a new text.
#   When the record's string contains the old text, its first occurrence
#   there is replaced by the new text and the length token is raised by the
#   difference in length. The tokens after the length token keep their text
#   character for character apart from that one replacement. Returns 1 when
#   the record changed, else 0. A record that cannot be read as a list, has
#   a length token that is not a tag and a decimal number, or holds the old
#   text only in its first three tokens, is left as it is.
proc modify_path {list oldpath newpath} {
    upvar 1 $list rec
    if {[string first $oldpath $rec] < 0 || [rec_len $rec] < 4} {
        return 0
    }
    # The length is token 2 without its tag, read as a decimal number.
    if {![regexp {^.([+-]?[0-9]+)$} [lindex $rec 2] -> digits]
            || [scan $digits %d oldlen] != 1} {
        return 0
    }
    set tail [canon_list [lrange $rec 3 end]]
    set at [string first $oldpath $tail]
    if {$at < 0} {
        return 0
    }
    set newlen [expr {$oldlen + [string length $newpath] - [string length $oldpath]}]
    set tail [string replace $tail $at [expr {$at + [string length $oldpath] - 1}] $newpath]
    set rec "[canon_list [lrange $rec 0 1]] i$newlen $tail"
    return 1
}

# chk_for_ctrl --
#   Takes the name of a variable and a text; returns 1 when the variable's
#   text contains the text, else 0. A variable that does not exist or is
#   empty gives 0.
proc chk_for_ctrl {list cntrl} {
    upvar 1 $list rec
    if {![info exists rec] || $cntrl eq ""} {
        return 0
    }
    expr {[string first $cntrl $rec] >= 0}
}

# sel_value --
#   Takes a boolean control's value token and returns the selection value
#   it stands for: "i0" for "c0" or "i0", "i1" for anything else.
proc sel_value {tok} {
    expr {$tok eq "c0" || $tok eq "i0" ? "i0" : "i1"}
}

# boolpc_to_selpc --
#   Takes the name of a "#BoolPC" record variable and a list of selection
#   strings. Turns the record into an 18-token "#SelPC" and adds at the end
#   of the table the records a selection control refers to: its index
#   collection, its collection, their two arrays and one "#CharString" per
#   selection string, raising app(cnt) past them. Returns 1 when the record
#   was converted; a record that cannot be read as a list or has no token
#   13 is left as it is, nothing is added and 0 is returned.
proc boolpc_to_selpc {list sel_string_list} {
    upvar 1 $list rec
    global app
    if {[rec_len $rec] < 14} {
        return 0
    }
    set n $app(cnt)
    set k [llength $sel_string_list]
    set cap [expr {$k < 10 ? 10 : $k}]
    set widest 0
    foreach s $sel_string_list {
        set widest [expr {max($widest, [string length $s])}]
    }
    lassign [lrange $rec 11 13] cur saved valid
    tok_replace rec 1 1 #SelPC
    tok_replace rec 11 end @$n @[expr {$n + 1}] i$widest \
        [sel_value $cur] [sel_value $saved] $valid c1

    set ints {}
    set refs {}
    for {set j 0} {$j < $k} {incr j} {
        lappend ints i$j
        lappend refs @[expr {$n + 4 + $j}]
    }
    for {} {$j < $cap} {incr j} {
        lappend ints i0
        lappend refs @0
    }
    set added [list \
        "0 #IntOrdCltn @[expr {$n + 2}] i$cap i$k" \
        "$cap #OrdCltn @[expr {$n + 3}] i$cap i$k" \
        "$cap #IntArray i$cap \$0 [join $ints " "]" \
        "$cap #IdArray i$cap \$0 [join $refs " "]"]
    foreach s $sel_string_list {
        set len [string length $s]
        lappend added "0 #CharString i$len *$len\"$s"
    }
    foreach text $added {
        set app(l,$app(cnt)) $text
        incr app(cnt)
    }
    # A record already standing at the new count stays inside the written
    # range.
    if {[info exists app(l,$app(cnt))]} {
        incr app(cnt)
    }
    return 1
}

# Rename tables.
#
# A rename table is a list of blocks. A block is a common text, a flat list
# of old/new pairs and optionally a nested table; every old text of the
# block, its nested table included, holds the common text. A block whose
# common text the record does not hold cannot match and is skipped with one
# search; an empty common text is never skipped.

# rename_pairs --
#   Takes a rename table and returns all its old/new pairs as one flat
#   list, in the order they are applied.
proc rename_pairs {table} {
    set pairs {}
    foreach block $table {
        lassign $block common own sub
        lappend pairs {*}$own {*}[rename_pairs $sub]
    }
    return $pairs
}

# rename_olds --
#   Takes a rename table and returns all its old texts, in order.
proc rename_olds {table} {
    lmap {old new} [rename_pairs $table] {set old}
}

# rename_check --
#   Takes a common text and a list of old texts; raises an error when an
#   old text lacks the common text, so a mistyped table fails when the
#   script loads. Returns nothing.
proc rename_check {common olds} {
    if {$common eq ""} {
        return
    }
    foreach old $olds {
        if {[string first $common $old] < 0} {
            error "rename \"$old\" does not hold \"$common\""
        }
    }
}

# rename_block --
#   Takes a common text and a flat list of old/new pairs; returns a table of
#   one block.
proc rename_block {common pairs} {
    if {[llength $pairs] % 2} {
        error "rename pairs not in twos under \"$common\""
    }
    rename_check $common [dict keys $pairs]
    list [list $common $pairs]
}

# rename_group --
#   Takes a common text and a rename table whose old texts all hold it;
#   returns a table of one block that tries the whole table only when the
#   record holds the common text.
proc rename_group {common table} {
    rename_check $common [rename_olds $table]
    list [list $common {} $table]
}

# rename_pattern --
#   Takes a list of matrix paths and a flat list of old/new tails; returns a
#   table with one block per matrix path, in order, whose pairs are the
#   matrix path, "/" and each tail.
proc rename_pattern {matrices tails} {
    set table {}
    foreach mat $matrices {
        set pairs {}
        foreach {old new} $tails {
            lappend pairs $mat/$old $mat/$new
        }
        lappend table {*}[rename_block $mat/ $pairs]
    }
    return $table
}

# rename_texts --
#   Takes a rename table and returns texts one of which every old text of
#   the table holds: the common text of each block, or for a block without
#   one its own old texts and those of its nested table. A record that
#   holds none of them is left as it is by apply_renames.
proc rename_texts {table} {
    set texts {}
    foreach block $table {
        lassign $block common pairs sub
        if {$common ne ""} {
            lappend texts $common
            continue
        }
        foreach {old new} $pairs {
            lappend texts $old
        }
        lappend texts {*}[rename_texts $sub]
    }
    lsort -unique $texts
}

# rename_count --
#   Takes a rename table and returns its number of old/new pairs.
proc rename_count {table} {
    llength [rename_olds $table]
}

# apply_renames --
#   Takes the name of a string record variable, the edit to apply
#   (patch_path or modify_path) and a rename table; applies every pair of
#   the table in order, each to the result of the one before. Returns the
#   number of pairs that changed the record.
proc apply_renames {list edit table} {
    upvar 1 $list rec
    set done 0
    foreach block $table {
        lassign $block common pairs sub
        if {$common ne "" && [string first $common $rec] < 0} {
            continue
        }
        foreach {old new} $pairs {
            if {[string first $old $rec] >= 0} {
                incr done [$edit rec $old $new]
            }
        }
        if {$sub ne ""} {
            incr done [apply_renames rec $edit $sub]
        }
    }
    return $done
}

# tok_inserts --
#   Takes a record variable name and pairs of a position and a list of
#   tokens; inserts each list before its position (appending at or past the
#   end), each position counted on the result of the insertion before, and
#   renders the record once. Returns 1 when the record was changed, 0 when
#   it cannot be read as a list.
proc tok_inserts {varName args} {
    upvar 1 $varName rec
    if {[catch {llength $rec}]} {
        return 0
    }
    set elems $rec
    foreach {pos toks} $args {
        set elems [linsert $elems $pos {*}$toks]
    }
    set rec [canon_list $elems]
    return 1
}
