# The program's version is the Quorvis version it converts files to, the
# line "set my_ver_xyz X.Y.Z" of script/06_driver.tcl, which is raised
# with each new upgrade step. The project, and with it the Debian package,
# takes its version from that line, so that it is written in one place.
set(_norvane_driver ${CMAKE_CURRENT_LIST_DIR}/../script/06_driver.tcl)
file(STRINGS ${_norvane_driver} _norvane_version_line
  REGEX "^set my_ver_xyz [0-9]+\\.[0-9]+\\.[0-9]+$")
list(LENGTH _norvane_version_line _norvane_n)
if(NOT _norvane_n EQUAL 1)
  message(FATAL_ERROR "script/06_driver.tcl must set my_ver_xyz to X.Y.Z once")
endif()
string(REGEX REPLACE "^set my_ver_xyz " "" NORVANE_VERSION "${_norvane_version_line}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_norvane_driver})
