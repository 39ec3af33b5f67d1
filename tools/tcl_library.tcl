# Prints the folder of the installed Tcl library scripts (used by the build).
puts $tcl_library
