# Where a conversion's time goes: converts a copy of an application file
# in memory, in a plain tclsh with the application script loaded as the
# tests load it, and prints the time of reading, of each pass of steps
# (one step, or a run of local steps) and of rendering the table as it
# would be written. Nothing is written.
# Usage: tclsh bench/passes.tcl FILE

source [file join [file dirname [info script]] .. tests script load.tcl]

# timed --
#   Takes a label and a script; runs the script in the caller, prints the
#   milliseconds it took and the label, and returns its result.
proc timed {label script} {
    set t0 [clock microseconds]
    set result [uplevel 1 $script]
    puts [format "%9.1f ms  %s" [expr {([clock microseconds] - $t0) / 1000.0}] $label]
    return $result
}

init_run
proc output_str {text} {}
proc append_user_msg {text} {}
rename run_pass run_pass_untimed
proc run_pass {vers} {
    timed $vers [list run_pass_untimed $vers]
}

timed reading [list read_app [lindex $argv 0]]
set app_type [GetAppType]
set orig_ver_xyz [AppVersion]
set first [lsearch -exact $verlist [start_step $orig_ver_xyz]]
timed "all steps" {run_steps [lrange $verlist $first end]}
timed rendering {string length [render_app]}
