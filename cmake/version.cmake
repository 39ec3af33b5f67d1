# The program's version is the Quorvis version it converts files to: the
# version the last upgrade step writes, the second word of the last line
# "upgrade_step ENTRY X.Y.Z ..." of the step files in script/ (joined in
# name order). The project, and with it the Debian package, takes its
# version from there, so that it is written in one place.
file(GLOB _norvane_step_files ${CMAKE_CURRENT_LIST_DIR}/../script/*.tcl)
list(SORT _norvane_step_files)
set(NORVANE_VERSION "")
foreach(_f ${_norvane_step_files})
  file(STRINGS ${_f} _lines REGEX "^upgrade_step [^ ]+ [0-9]+\\.[0-9]+\\.[0-9]+ ")
  foreach(_l ${_lines})
    string(REGEX REPLACE "^upgrade_step [^ ]+ ([0-9]+\\.[0-9]+\\.[0-9]+) .*" "\\1"
      NORVANE_VERSION "${_l}")
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_f})
endforeach()
if(NORVANE_VERSION STREQUAL "")
  message(FATAL_ERROR "no upgrade step in script/ declares the version it writes")
endif()
