# Tests: the host's unit tests (GoogleTest), the script tests (tcltest in
# a plain tclsh) and the end-to-end tests of the real program (tcltest,
# run by tclsh with NORVANE_EXE set; those that need a display use the X
# display named by NORVANE_XDISPLAY, which `make test` starts).

if(WIN32)
  include(tests/windows.cmake)
  return()
endif()

# Host unit tests: every tests/host/*.cpp in one binary, with a small
# store of its own.
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB NORVANE_HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/host/*.cpp)
list(FILTER NORVANE_HOST_TESTS EXCLUDE REGEX "_win\\.cpp$")
add_executable(host_tests ${NORVANE_HOST_TESTS})
target_link_libraries(host_tests PRIVATE norvane_host GTest::gtest GTest::gtest_main)
gtest_discover_tests(host_tests TEST_PREFIX "host." DISCOVERY_TIMEOUT 60
  PROPERTIES LABELS host)

# A program whose store holds deliberately failing scripts, for the
# end-to-end test of error reports. The real store is untouched.
set(_fx ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/fixtures)
norvane_store(${CMAKE_CURRENT_BINARY_DIR}/store_probe.cpp OVERRIDES
  Norvane=${_fx}/failing_app.tcl
  parray.tcl=${_fx}/failing_parray.tcl
  menu.tcl=${_fx}/failing_menu.tcl
  tk.tcl=${_fx}/failing_tk.tcl)
add_executable(norvane_probe host/main.cpp ${CMAKE_CURRENT_BINARY_DIR}/store_probe.cpp)
target_link_libraries(norvane_probe PRIVATE norvane_host)

# Sends the window manager's close request to a window (test helper).
if(X11_FOUND)
  add_executable(wm_delete tests/e2e/wm_delete.cpp)
  target_include_directories(wm_delete PRIVATE ${X11_INCLUDE_DIR})
  target_link_libraries(wm_delete PRIVATE ${X11_LIBRARIES})
endif()

file(GLOB NORVANE_SCRIPT_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/script/*.test)
foreach(t ${NORVANE_SCRIPT_TESTS})
  get_filename_component(n ${t} NAME_WE)
  add_test(NAME script.${n}
    COMMAND ${NORVANE_TCLSH} ${CMAKE_CURRENT_SOURCE_DIR}/tests/script/run.tcl ${t})
  set_tests_properties(script.${n} PROPERTIES LABELS script)
endforeach()

# The reliability tests each write one line of counts to <test>.txt in
# this folder; `make test` prints the lines after ctest. The long mode
# (NORVANE_LONG=1 when configuring and testing) runs many more trials.
set(NORVANE_SUMMARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/reliability)
# The build with -fsanitize=address,undefined that e2e.sanitize runs
# (`make test` builds its program and host tests there first).
if(NOT NORVANE_ASAN_DIR)
  set(NORVANE_ASAN_DIR ${CMAKE_CURRENT_SOURCE_DIR}/build-asan)
endif()
# The Windows programs that e2e.windows runs under Wine (`make test` builds
# them there first with `make windows`).
if(NOT NORVANE_WIN_DIR)
  set(NORVANE_WIN_DIR ${CMAKE_CURRENT_SOURCE_DIR}/build-win)
endif()
if("$ENV{NORVANE_LONG}" STREQUAL "1")
  set(NORVANE_E2E_TIMEOUT 7200)
else()
  set(NORVANE_E2E_TIMEOUT 300)
endif()

file(GLOB NORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/*.test)
foreach(t ${NORVANE_E2E_TESTS})
  get_filename_component(n ${t} NAME_WE)
  # The Wine windows get an X display of their own, so that no other test
  # takes one of them for its program's window, nor the other way round.
  set(display)
  if(n STREQUAL "windows")
    set(display ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/with_xvfb.sh)
  endif()
  add_test(NAME e2e.${n}
    COMMAND ${display} ${NORVANE_TCLSH} ${CMAKE_CURRENT_SOURCE_DIR}/tests/script/run.tcl ${t})
  set(env "NORVANE_EXE=$<TARGET_FILE:Norvane>" "NORVANE_PROBE_EXE=$<TARGET_FILE:norvane_probe>"
    "NORVANE_SUMMARY_DIR=${NORVANE_SUMMARY_DIR}" "NORVANE_ASAN_DIR=${NORVANE_ASAN_DIR}" "NORVANE_WIN_DIR=${NORVANE_WIN_DIR}")
  if(TARGET wm_delete)
    list(APPEND env "NORVANE_WM_DELETE=$<TARGET_FILE:wm_delete>")
  endif()
  set_tests_properties(e2e.${n} PROPERTIES LABELS e2e TIMEOUT ${NORVANE_E2E_TIMEOUT} ENVIRONMENT "${env}")
endforeach()

# The longest tests start first, so that the others fill the second core
# meanwhile instead of waiting for them at the end.
foreach(t e2e.kill e2e.fuzz e2e.windows)
  if(TEST ${t})
    set_tests_properties(${t} PROPERTIES COST 1000)
  endif()
endforeach()
# Wine starts slowly, the more so on a busy machine.
if(TEST e2e.windows)
  set_tests_properties(e2e.windows PROPERTIES TIMEOUT 900)
endif()
