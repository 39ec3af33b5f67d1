# Helpers for end-to-end tests of the real program. Source it after
# tcltest. The program is $env(NORVANE_EXE); the X display for window tests
# is $env(NORVANE_XDISPLAY) (empty or unset: the "xdisplay" constraint is
# off and those tests are skipped).
#
#   e2e_scratch ?name?                 -> a new empty folder
#   e2e_write dir name text ?trans?    -> writes a file (lf, or crlf, binary)
#   e2e_run ?-timeout s? ?-exe path? dir ?arg ...?
#                                      -> dict stdout stderr status (headless)
#   e2e_run_display ?-timeout s? ?-exe path? dir ?arg ...?
#                                      -> same, with the X display
#   e2e_start_display ?-timeout s? ?-exe path? dir ?arg ...?
#                                      -> handle of a program started with
#                                         the X display (killed at time-out)
#   e2e_wait handle                    -> dict stdout stderr status
#   e2e_find_window title ?timeout?    -> X window id of the titled window
#   e2e_app dir ?timeout? ?idle?       -> Tk name of the program running in
#                                         dir (for `send`; loads Tk here),
#                                         once its run is done (idle 1)
#   e2e_cleanup                        -> removes the scratch folders
#   e2e_long                           -> 1 in the long mode (NORVANE_LONG=1)
#   e2e_summary test line              -> records the test's line of counts
#
# status is the exit status, or "timeout" when the program was killed.

package require tcltest

namespace eval ::e2e {
    variable exe [expr {[info exists ::env(NORVANE_EXE)] ? $::env(NORVANE_EXE) : ""}]
    variable display [expr {[info exists ::env(NORVANE_XDISPLAY)] ? $::env(NORVANE_XDISPLAY) : ""}]
    variable count 0
    variable root [file join [expr {[info exists ::env(TMPDIR)] ? $::env(TMPDIR) : "/tmp"}] \
                       norvane-e2e-[pid]]
}
tcltest::testConstraint norvane [expr {$::e2e::exe ne "" && [file executable $::e2e::exe]}]
tcltest::testConstraint xdisplay [expr {$::e2e::display ne ""}]

# e2e_scratch --
#   Takes an optional name; returns the path of a new empty folder under
#   this test process's scratch root (removed when the process exits).
proc e2e_scratch {{name dir}} {
    set dir [file join $::e2e::root $name-[incr ::e2e::count]]
    file delete -force $dir
    file mkdir $dir
    return $dir
}

# e2e_write --
#   Takes a folder, a file name, a text and the line ends ("lf" or "crlf");
#   writes the text as bytes (ISO 8859-1). Returns the file's path.
proc e2e_write {dir name text {trans lf}} {
    set path [file join $dir $name]
    set f [open $path w]
    fconfigure $f -translation $trans -encoding iso8859-1
    puts -nonewline $f $text
    close $f
    return $path
}

# e2e::options --
#   Takes a list of trailing options; returns a dict with defaults.
proc ::e2e::options {opts} {
    set d [dict create -timeout 30 -exe $::e2e::exe]
    foreach {k v} $opts {
        if {![dict exists $d $k]} { error "unknown option $k" }
        dict set d $k $v
    }
    return $d
}

# e2e::split_args --
#   Takes the words of a run: leading -timeout/-exe options, the folder,
#   then the program's arguments. Returns {options folder program-args}.
proc ::e2e::split_args {words} {
    set opts {}
    while {[lindex $words 0] in {-timeout -exe}} {
        lappend opts {*}[lrange $words 0 1]
        set words [lrange $words 2 end]
    }
    return [list [options $opts] [lindex $words 0] [lrange $words 1 end]]
}

# e2e::execute --
#   Takes environment changes (a list for `env`) and the words of a run;
#   runs the program to its end and returns the result dict.
proc ::e2e::execute {envargs args} {
    lassign [split_args $args] o dir progargs
    set out [file join $::e2e::root out-[incr ::e2e::count]]
    file mkdir $::e2e::root
    set cmd [list env {*}$envargs timeout -s KILL [dict get $o -timeout] \
                 [dict get $o -exe] {*}$progargs]
    set here [pwd]
    cd $dir
    try {
        set status 0
        if {[catch {exec {*}$cmd >$out.stdout 2>$out.stderr </dev/null} msg opt]} {
            set code [dict get $opt -errorcode]
            if {[lindex $code 0] eq "CHILDSTATUS"} {
                set status [lindex $code 2]
                if {$status == 137 || $status == 124} { set status timeout }
            } else {
                set status error:$msg
            }
        }
    } finally {
        cd $here
    }
    return [result $out $status]
}

# e2e::result --
#   Takes the base name of the output files and the status; returns the
#   result dict (output read as bytes) and removes the files.
proc ::e2e::result {out status} {
    set r [dict create status $status]
    foreach s {stdout stderr} {
        set f [open $out.$s r]
        fconfigure $f -translation binary
        dict set r $s [read $f]
        close $f
        file delete $out.$s
    }
    return $r
}

# e2e_run --
#   Takes options (-timeout seconds, default 30; -exe program, default the
#   program under test), a folder and the program's arguments; runs the
#   program there without a display. Returns dict stdout stderr status.
proc e2e_run {args} {
    return [::e2e::execute {-u DISPLAY} {*}$args]
}

# e2e_run_display --
#   Like e2e_run, with the test X display.
proc e2e_run_display {args} {
    return [::e2e::execute [list DISPLAY=$::e2e::display] {*}$args]
}

# e2e_start_display --
#   Takes the same words as e2e_run; starts the program with the test X display in the background (killed
#   after the time-out). Returns a handle for e2e_wait.
proc e2e_start_display {args} {
    lassign [::e2e::split_args $args] o dir progargs
    file mkdir $::e2e::root
    set out [file join $::e2e::root out-[incr ::e2e::count]]
    set script {cd "$1" || exit 1; out=$2; shift 2
        "$@" >"$out.stdout" 2>"$out.stderr" </dev/null
        echo $? >"$out.tmp"; mv "$out.tmp" "$out.status"}
    exec sh -c $script sh $dir $out env DISPLAY=$::e2e::display \
        timeout -s KILL [dict get $o -timeout] [dict get $o -exe] {*}$progargs &
    return [list $out [expr {[clock seconds] + [dict get $o -timeout] + 30}]]
}

# e2e_wait --
#   Takes a handle of e2e_start_display; waits for the program to end.
#   Returns the result dict.
proc e2e_wait {handle} {
    lassign $handle out deadline
    while {![file exists $out.status]} {
        if {[clock seconds] > $deadline} {
            return [::e2e::result $out "no status"]
        }
        after 50
    }
    set f [open $out.status]
    set status [string trim [read $f] " \t\n\r\v\f"]
    close $f
    file delete $out.status
    if {$status == 137 || $status == 124} { set status timeout }
    return [::e2e::result $out $status]
}

# e2e_find_window --
#   Takes a window title and a time-out in seconds; returns the X window id
#   (decimal) of the first window with exactly that title, or "".
proc e2e_find_window {title {timeout 10}} {
    set deadline [expr {[clock milliseconds] + $timeout * 1000}]
    while {[clock milliseconds] < $deadline} {
        if {![catch {exec env DISPLAY=$::e2e::display xdotool search --name \
                         "^[string map {. \\.} $title]\$" 2>/dev/null} ids]} {
            set ids [string trim $ids " \t\n\r\v\f"]
            if {$ids ne ""} { return [lindex $ids 0] }
        }
        after 100
    }
    return ""
}

# e2e_app --
#   Takes the folder a program was started in, a time-out in seconds and
#   whether to wait until the program is idle (its run done, waiting in the
#   event loop; 1 by default); loads Tk into this test process (withdrawn)
#   and returns the Tk application name of the program whose working folder
#   is dir, so that `send $name script` reaches it. Returns "" when none
#   answers in time. (A program answers `send` during its run too, at every
#   shown line; with idle 0 the name comes back at the first answer.)
proc e2e_app {dir {timeout 10} {idle 1}} {
    if {[catch {package present Tk}]} {
        set ::env(DISPLAY) $::e2e::display
        package require Tk
        wm withdraw .
    }
    set want [file normalize $dir]
    set deadline [expr {[clock milliseconds] + $timeout * 1000}]
    while {[clock milliseconds] < $deadline} {
        foreach name [winfo interps] {
            if {![string match Norvane* $name] && ![string match norvane* $name]} continue
            if {![catch {send -- $name pwd} where] && [file normalize $where] eq $want} {
                if {!$idle} { return $name }
                # Idle: nothing but the event loop is on the program's stack.
                while {[clock milliseconds] < $deadline} {
                    if {[catch {send -- $name {info frame}} depth]} { return "" }
                    if {$depth == 1} { return $name }
                    after 50
                }
                return ""
            }
        }
        after 100
    }
    return ""
}

# e2e_cleanup --
#   Removes the scratch root of this test process. Returns nothing.
proc e2e_cleanup {} {
    file delete -force $::e2e::root
}

# e2e_long --
#   Returns 1 when the long mode of the reliability tests is asked for
#   (NORVANE_LONG=1 in the environment), else 0.
proc e2e_long {} {
    expr {[info exists ::env(NORVANE_LONG)] && $::env(NORVANE_LONG) eq "1"}
}

# e2e_summary --
#   Takes a test name and one line of counts ("kill: 30 trials, 0 failures
#   (seed 1234)"); writes the line to <test>.txt in the folder named by
#   NORVANE_SUMMARY_DIR (created if needed; nothing when unset), for
#   `make test` to print after ctest. Returns nothing.
proc e2e_summary {name line} {
    if {![info exists ::env(NORVANE_SUMMARY_DIR)] || $::env(NORVANE_SUMMARY_DIR) eq ""} {
        return
    }
    file mkdir $::env(NORVANE_SUMMARY_DIR)
    set f [open [file join $::env(NORVANE_SUMMARY_DIR) $name.txt] w]
    puts $f $line
    close $f
    return
}
