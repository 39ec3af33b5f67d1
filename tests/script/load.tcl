# Loads the application script for tests: every file of script/ in the
# order the store joins them, except the last, which starts the run.

set norvane_script_dir [file normalize [file join [file dirname [info script]] .. .. script]]
set norvane_script_files [lsort [glob -directory $norvane_script_dir *.tcl]]
foreach f [lrange $norvane_script_files 0 end-1] {
    source -encoding iso8859-1 $f
}
unset -nocomplain f
source [file join [file dirname [info script]] host_commands.tcl]
