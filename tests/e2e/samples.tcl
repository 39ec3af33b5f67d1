# Helpers for the tests that convert the sample files (examples/) and
# compare the results with examples/expected/. Source it after e2e.tcl;
# it sources apps.tcl (file_bytes).
#
#   copy_samples dir         -> copies examples/*.app into dir
#   folder_diff dir want     -> the names that differ between two folders

source [file join [file dirname [info script]] apps.tcl]
set ::samples_dir [file normalize [file join [file dirname [info script]] .. .. examples]]

# copy_samples --
#   Takes a folder; copies the sample files into it. Returns nothing.
proc copy_samples {dir} {
    foreach f [glob -directory $::samples_dir *.app] {
        file copy $f $dir
    }
}

# folder_diff --
#   Takes a folder and a folder of expected files; returns the names that
#   differ: "name" when the bytes differ, "-name" when missing, "+name"
#   when not expected. "run.out" (the printed output) is not a file of the
#   run's folder.
proc folder_diff {dir want} {
    set out {}
    set have [lmap f [glob -nocomplain -directory $dir -tails *] {set f}]
    foreach name [lsort [glob -directory $want -tails *]] {
        if {$name eq "run.out"} {
            continue
        }
        if {$name ni $have} {
            lappend out -$name
        } elseif {[file_bytes [file join $dir $name]] ne [file_bytes [file join $want $name]]} {
            lappend out $name
        }
    }
    foreach name $have {
        if {![file exists [file join $want $name]]} {
            lappend out +$name
        }
    }
    return $out
}
