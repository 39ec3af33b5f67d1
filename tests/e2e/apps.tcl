# Small application files and checks on folders for the end-to-end tests
# of the program's promises (full disks, odd names and targets). Source it
# after e2e.tcl.
#
#   app_text ver ?record ...?   -> the text of a small application file
#   converted text              -> that text as the program writes it at 8.3.3
#   file_bytes path             -> the file's bytes
#   folder_names dir            -> every name in the folder, hidden ones too
#   summary out                 -> the summary lines of the program's output
#   file_counts name what       -> records the test file's line of counts

# header --
#   Takes a version; returns a 58-token header record naming record 2 as
#   the type record.
proc header {ver} {
    set toks [list 0 #AppVwCfg {*}[lrepeat 56 i0]]
    lassign [split $ver .] a b c
    lset toks 40 s$a
    lset toks 41 s$b
    lset toks 42 s$c
    lset toks 44 @2
    join $toks " "
}

# app_text --
#   Takes a version and further record lines; returns the text of a small
#   application file as the program writes it.
proc app_text {ver args} {
    set out "#AsciiFiler 1 \n[header $ver] \n0 #CharString i7 *7\"TestApp \n"
    foreach r $args {
        append out "$r \n"
    }
    return $out
}

# converted --
#   Takes the text of a file at 8.3.2 as app_text gives it; returns the
#   text the program writes after converting it.
proc converted {text} {
    set h [header 8.3.2]
    string map [list $h [lreplace $h 40 43 s8 s3 s3 i3]] $text
}

# file_bytes --
#   Takes a path; returns the file's bytes.
proc file_bytes {path} {
    set f [open $path rb]
    set data [read $f]
    close $f
    return $data
}

# folder_names --
#   Takes a folder; returns the sorted names in it, hidden ones included
#   (a temporary file left behind would show here).
proc folder_names {dir} {
    set names [concat [glob -nocomplain -tails -directory $dir *] \
                   [glob -nocomplain -tails -directory $dir -types hidden *]]
    lsort [lmap n $names {if {$n in {. ..}} continue; set n}]
}

# summary --
#   Takes the program's output; returns the lines between the two rules.
proc summary {out} {
    set rule [string repeat = 39]
    set lines [split $out \n]
    lrange $lines [expr {[lsearch $lines $rule] + 1}] end-2
}

# file_counts --
#   Takes the name of the test file and a word for what its tests are;
#   records "name: N what, F failures" (with the skipped count and their
#   reasons, when any) from this file's tcltest counts. Call it just
#   before cleanupTests. Returns nothing.
proc file_counts {name what} {
    set total $::tcltest::numTests(Total)
    set skipped $::tcltest::numTests(Skipped)
    set line "$name: [expr {$total - $skipped}] $what, $::tcltest::numTests(Failed) failures"
    if {$skipped > 0} {
        set why [lsort [array names ::tcltest::skippedBecause]]
        append line " ($skipped skipped, needing: [join $why {, }])"
    }
    e2e_summary $name $line
    return
}
