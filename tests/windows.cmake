# The Windows test programs, run under Wine by tests/e2e/windows.test from
# the Linux build: the host unit tests that mean something on Windows, and
# the panic probe. GoogleTest is built from Debian's sources.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(_th ${CMAKE_CURRENT_SOURCE_DIR}/tests/host)
add_executable(host_tests ${_th}/test_cmdline.cpp ${_th}/test_format_eval.cpp
  ${_th}/test_console.cpp ${_th}/test_panic.cpp ${_th}/test_platform.cpp
  ${_th}/test_platform_win.cpp)
target_link_libraries(host_tests PRIVATE norvane_host gtest gtest_main)
set_target_properties(host_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# The shipped programs have no way to provoke a fatal error: the probe is
# Norvane.exe with a test-only static package whose command panics, and a
# store whose application script calls it with what start-up set.
norvane_store(${CMAKE_CURRENT_BINARY_DIR}/store_panic.cpp OVERRIDES
  Norvane=${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/fixtures/panic_app.tcl)
norvane_program(norvane_panic ${CMAKE_CURRENT_BINARY_DIR}/store_panic.cpp)
target_sources(norvane_panic PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/panic_package.cpp)
set_target_properties(norvane_panic PROPERTIES WIN32_EXECUTABLE ON)

# The same probe as a console program: the fatal error on standard error.
norvane_program(norvane_panic_cmd ${CMAKE_CURRENT_BINARY_DIR}/store_panic.cpp)
target_sources(norvane_panic_cmd PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/panic_package.cpp)

# Holds a file open as another program would, and starts raw command lines.
add_executable(win_helper ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/win_helper.cpp)
set_target_properties(win_helper PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_link_libraries(win_helper PRIVATE advapi32)
