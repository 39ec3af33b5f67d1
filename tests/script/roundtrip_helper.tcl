# Reads the application file named by the first argument and writes it
# back; run by the tests in a process of its own (under a chosen locale).
set norvane_headless 1
source [file join [file dirname [info script]] load.tcl]
read_app [lindex $argv 0]
write_app [lindex $argv 0]
