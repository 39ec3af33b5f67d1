# Runs one tcltest file and exits with status 1 when any test failed, so
# that ctest sees the result. Usage: tclsh run.tcl file.test
package require tcltest
tcltest::configure -verbose e
set failed 0
proc tcltest::cleanupTestsHook {} {
    variable numTests
    set ::failed [expr {$numTests(Failed) > 0}]
}
source [lindex $argv 0]
exit $failed
