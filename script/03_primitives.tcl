# Record-editing primitives for the upgrade steps: path renames in string
# records, a text test, turning a boolean control into a selection control,
# and the rename tables. A string record's last element is its text and
# the one blank the file keeps after it:
#     0 #CharString i26 {APP/P_STITCH/P_STITCH_COLS }
# Searches are plain and case-sensitive. An edit (patch_path, modify_path,
# boolpc_to_selpc, tok_inserts) returns 1 when it made its edit, else 0,
# leaving a record too short for it, or not a list, as it is.

# patch_path --
#   Takes a string record variable name, an old and a new path. When the
#   record holds the old path, sets token 2 to "i" and the new path's length
#   and the whole string (last token) to the new path and one blank.
proc patch_path {list oldpath newpath} {
    upvar 1 $list rec
    if {[string first $oldpath $rec] < 0 || [rec_len $rec] < 4} {
        return 0
    }
    set rec [canon_list [lreplace [lreplace $rec 2 2 i[string length $newpath]] \
        end end "$newpath "]]
    return 1
}

# modify_path --
#   Takes a string record variable name, an old and a new text; replaces
#   the first old text in the text of tokens 3 on, the rest kept character
#   for character, and sets token 2, a one-character tag and a decimal
#   count (else no change), to "i" and the count plus the change in length.
proc modify_path {list oldpath newpath} {
    upvar 1 $list rec
    if {[string first $oldpath $rec] < 0 || [rec_len $rec] < 4} {
        return 0
    }
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
#   Takes a variable name and a text; returns 1 when the variable exists
#   and holds the text, else 0 (always 0 for an empty text).
proc chk_for_ctrl {list cntrl} {
    upvar 1 $list rec
    if {![info exists rec] || $cntrl eq ""} {
        return 0
    }
    expr {[string first $cntrl $rec] >= 0}
}

# sel_value --
#   Takes a boolean value token; returns "i0" for "c0" or "i0", else "i1".
proc sel_value {tok} {
    expr {$tok eq "c0" || $tok eq "i0" ? "i0" : "i1"}
}

# boolpc_to_selpc --
#   Takes a "#BoolPC" record variable name and selection strings; makes it
#   an 18-token "#SelPC" (when it has a token 13) and appends at app(cnt),
#   raising it, the records it refers to: index collection, collection,
#   their two arrays, and a "#CharString" per string.
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
    # A stray record already at the new count is kept in the written range.
    if {[info exists app(l,$app(cnt))]} {
        incr app(cnt)
    }
    return 1
}

# Rename tables: lists of blocks, each a common text, flat old/new pairs and
# optionally a nested table. Every old text of a block, nested ones too,
# holds the common text: one search skips a block for a record without it.

# rename_pairs --
#   Takes a rename table; returns its old/new pairs, flat, in applied order.
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
#   Takes a common text and old texts; raises an error when an old text
#   lacks the common text, so a mistyped table fails when the script loads.
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
#   Takes a common text and a flat list of old/new pairs; returns a
#   one-block table. Raises an error on an odd list, or as rename_check does.
proc rename_block {common pairs} {
    if {[llength $pairs] % 2} {
        error "rename pairs not in twos under \"$common\""
    }
    rename_check $common [dict keys $pairs]
    list [list $common $pairs]
}

# rename_group --
#   Takes a common text and a table whose old texts all hold it; returns a
#   one-block table trying that table only on records holding the text.
proc rename_group {common table} {
    rename_check $common [rename_olds $table]
    list [list $common {} $table]
}

# rename_pattern --
#   Takes matrix paths and a flat list of old/new tails; returns a block per
#   matrix path, in order, pairing PATH/old with PATH/new.
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
#   Takes a rename table; returns sorted texts one of which every old text
#   holds (each block's common text, else its own and its nested old
#   texts): apply_renames leaves a record holding none of them unchanged.
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
#   Takes a string record variable name, an edit (patch_path or modify_path)
#   and a rename table; applies its pairs in order, each on the result of
#   the one before. Returns how many pairs changed the record.
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
#   Takes a record variable name and pairs of a position and a token list;
#   inserts each list before its position (appending at or past the end),
#   each position counted after the insertions before; renders once.
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
