# Helpers for tests that build a record table in memory.

# table_set --
#   Takes a list of record texts (as held in the table) and an optional list
#   of the indexes that are string records; replaces the table with them.
proc table_set {records {strings {}}} {
    global app
    array unset app
    set i 0
    foreach r $records {
        set app(l,$i) $r
        incr i
    }
    set app(cnt) $i
    foreach i $strings {
        set app(q,$i) 1
    }
}

# table_get --
#   Returns the record texts of the table, lines 0 to app(cnt) - 1; an
#   absent line gives "-".
proc table_get {} {
    global app
    set out {}
    for {set i 0} {$i < $app(cnt)} {incr i} {
        if {[info exists app(l,$i)]} {
            lappend out $app(l,$i)
        } else {
            lappend out -
        }
    }
    return $out
}

# table_strings --
#   Returns the sorted indexes that are marked as string records.
proc table_strings {} {
    global app
    lsort -integer [lmap n [array names app q,*] {string range $n 2 end}]
}
