# The benchmark's floor: the least Tcl script that reads an application
# file line by line into a table and writes it back, in place. Usage:
#   tclsh bench/floor.tcl FILE
# It reads each line with gets into app(l,n), trimmed, notes the lines
# that hold a double quote in app(q,n), and writes each line back with
# one trailing space. Nothing else: no string counts, no checks, no steps.
# Files are single-byte text, read and written as ISO 8859-1.

# floor_read --
#   Takes a file name; reads the file into the table app as described
#   above, app(cnt) its line count.
proc floor_read {name} {
    global app
    set ch [open $name r]
    fconfigure $ch -encoding iso8859-1
    set n 0
    while {[gets $ch line] >= 0} {
        set app(l,$n) [string trim $line]
        if {[string first \" $line] >= 0} {
            set app(q,$n) 1
        }
        incr n
    }
    close $ch
    set app(cnt) $n
    return
}

# floor_write --
#   Takes a file name; writes the table app over it as described above.
proc floor_write {name} {
    global app
    set ch [open $name w]
    fconfigure $ch -encoding iso8859-1 -translation lf
    for {set i 0} {$i < $app(cnt)} {incr i} {
        puts $ch "$app(l,$i) "
    }
    close $ch
    return
}

# floor --
#   Takes a file name; reads it and writes it back. Returns nothing.
proc floor {name} {
    floor_read $name
    floor_write $name
}

# Run as a script (not sourced by bench/least.tcl): the floor of one file.
if {[file normalize [info script]] eq [file normalize $argv0]} {
    floor [lindex $argv 0]
}
