# The least work an all-steps conversion must do, as a cost model: the
# floor's reading and writing (floor.tcl), and between them only what the
# benchmark's 6.5.0 file needs whatever the code that does it. It converts
# nothing correctly; it shows how near the floor any Tcl conversion of that
# file can come. Usage:
#   tclsh bench/least.tcl FILE [RUNS]
# prints the least time of the floor and of this script, taken in turn.
#
# Between reading and writing:
# - every plain record but the header is read as a list, gains tokens once
#   and is joined (the conversion changes 44,700 of the 46,800 at
#   N = 100,000, most of them in several steps);
# - every string record is searched for the steps' 22 filter texts, in
#   chunks of records joined, and each one holding a path to rename has its
#   count and text replaced once (20,400 are changed);
# - the references are renumbered twice, as the report views' lines are
#   opened and as the control is removed: each record that may refer past
#   the line (refs_above_globs) is read as a list and the references past
#   it raised.

set here [file dirname [file normalize [info script]]]
source [file join $here floor.tcl]

# The steps' filter texts, as the application script declares them.
source [file join $here .. tests script load.tcl]
set least_texts [filter_texts 6.5]

# least_strings --
#   Takes the table's line count; finds the string records holding a filter
#   text (texts_held_by, the record index's own search) and replaces the
#   first such text in each.
proc least_strings {cnt} {
    global app least_texts
    set lines {}
    for {set n 0} {$n < $cnt} {incr n} {
        if {[info exists app(q,$n)]} {
            lappend lines $n
        }
    }
    foreach n $lines held [texts_held_by $lines $least_texts] {
        if {$held eq ""} {
            continue
        }
        set x [lindex $held 0]
        set rec [string range $app(l,$n) 0 end]
        set at [string first $x $rec]
        set rec [string replace $rec $at [expr {$at + [string length $x] - 1}] $x/NEW]
        set app(l,$n) "[lrange $rec 0 1] i[string length [lindex $rec end]] [lrange $rec 3 end]"
    }
    return
}

# least_walk --
#   Takes the table's line count, a line and a difference; raises by the
#   difference every reference past the line in the plain records.
proc least_walk {cnt above delta} {
    global app
    # The structure layer's test for a text that may refer past the line.
    lassign [refs_above_globs $above] glob1 glob2 glob3
    for {set n 0} {$n < $cnt} {incr n} {
        if {[info exists app(q,$n)] || (![string match $glob1 $app(l,$n)] &&
                ![string match $glob2 $app(l,$n)] && ![string match $glob3 $app(l,$n)])} {
            continue
        }
        set rec $app(l,$n)
        set changed 0
        foreach k [lsearch -all -glob $rec {@[0-9]*}] {
            set v [string range [lindex $rec $k] 1 end]
            if {$v > $above} {
                lset rec $k @[expr {$v + $delta}]
                set changed 1
            }
        }
        if {$changed} {
            set app(l,$n) [join $rec " "]
        }
    }
    return
}

# least --
#   Takes a file name; reads it as the floor does, does the least work
#   above and writes it back as the floor does.
proc least {name} {
    global app
    floor_read $name
    set cnt $app(cnt)
    for {set n 2} {$n < $cnt} {incr n} {
        if {![info exists app(q,$n)]} {
            set rec $app(l,$n)
            lappend rec i0 i0 i0
            set app(l,$n) [join $rec " "]
        }
    }
    least_strings $cnt
    # The benchmark file's first report view and its control's name.
    set at [expr {$cnt * 2 / 5}]
    least_walk $cnt $at 8
    least_walk $cnt [expr {$cnt * 9 / 10}] -3
    floor_write $name
    return
}

# timed_copy --
#   Takes a command, a source file and a scratch file; copies the source
#   over the scratch file, runs the command on it and returns the time in
#   seconds.
proc timed_copy {cmd src work} {
    global app
    file copy -force $src $work
    array unset app
    set t0 [clock microseconds]
    $cmd $work
    expr {([clock microseconds] - $t0) / 1e6}
}

set src [lindex $argv 0]
set runs [expr {[llength $argv] > 1 ? [lindex $argv 1] : 5}]
set work [file join [file dirname [file normalize $src]] least-work.app]
set times(floor) {}
set times(least) {}
for {set r 0} {$r < $runs} {incr r} {
    foreach cmd {floor least} {
        lappend times($cmd) [timed_copy $cmd $src $work]
    }
}
file delete $work
set f [tcl::mathfunc::min {*}$times(floor)]
set l [tcl::mathfunc::min {*}$times(least)]
puts [format "floor %.3f s, least work %.3f s: %.2f x the floor" $f $l [expr {$l / $f}]]
