# Installation and the Debian package.
#
#   cmake --install build --prefix DIR   the layout below DIR
#   make package                         build/norvane_<version>_amd64.deb
#
# bin/Norvane and the link bin/norvane, the manual page Norvane.1.gz (and
# the link norvane.1.gz), and share/doc/norvane/ with the README, the
# copyright file, the changelog and the sample files.
if(WIN32)
  return()
endif()

include(GNUInstallDirs)
set(NORVANE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/norvane)
set(NORVANE_MAN1DIR ${CMAKE_INSTALL_MANDIR}/man1)
set(NORVANE_PKG_DIR ${CMAKE_CURRENT_BINARY_DIR}/pkg)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(MAKE_DIRECTORY ${NORVANE_PKG_DIR})

# The manual page, with the program's version, and the changelog, both
# compressed as Debian keeps them (no name or time stamp in the gzip
# header, so that two builds give the same bytes).
find_program(NORVANE_GZIP gzip REQUIRED)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/Norvane.1.in
  ${NORVANE_PKG_DIR}/Norvane.1 @ONLY)
set(_gz)
foreach(pair "${NORVANE_PKG_DIR}/Norvane.1=Norvane.1.gz"
             "${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog=changelog.gz")
  string(REGEX REPLACE "=.*$" "" in "${pair}")
  string(REGEX REPLACE "^.*=" "${NORVANE_PKG_DIR}/" out "${pair}")
  add_custom_command(OUTPUT ${out}
    COMMAND sh -c "\"$1\" -9n -c \"$2\" > \"$3\"" sh ${NORVANE_GZIP} ${in} ${out}
    DEPENDS ${in}
    VERBATIM)
  list(APPEND _gz ${out})
endforeach()
add_custom_target(norvane_package_files ALL DEPENDS ${_gz})

# The lower-case names, as links.
file(CREATE_LINK Norvane ${NORVANE_PKG_DIR}/norvane SYMBOLIC)
file(CREATE_LINK Norvane.1.gz ${NORVANE_PKG_DIR}/norvane.1.gz SYMBOLIC)

# The program as Debian builds programs: hardened (fortified calls of the
# C library, a stack protector, read-only relocations bound at start-up),
# and stripped, comment and note sections included, when installed with
# --strip or packaged. Not in the sanitizer or debug builds, which are only
# tested.
if(NOT NORVANE_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  target_compile_definitions(norvane_host PUBLIC _FORTIFY_SOURCE=2)
  target_compile_options(norvane_host PUBLIC -fstack-protector-strong)
  target_link_options(Norvane PRIVATE -Wl,-z,relro -Wl,-z,now)
endif()
install(TARGETS Norvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
      --remove-section=.note --strip-unneeded
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Norvane\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${NORVANE_PKG_DIR}/norvane DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${NORVANE_PKG_DIR}/Norvane.1.gz ${NORVANE_PKG_DIR}/norvane.1.gz
  DESTINATION ${NORVANE_MAN1DIR})
install(FILES README.md packaging/copyright ${NORVANE_PKG_DIR}/changelog.gz
  DESTINATION ${NORVANE_DOCDIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME norvane)
# The sample files and what they become; not the scripts that need the
# source tree (demo.sh, update_expected.sh).
install(DIRECTORY examples/ DESTINATION ${NORVANE_DOCDIR}/examples
  FILES_MATCHING PATTERN "*.app" PATTERN "README.md" PATTERN "Norvane.log"
  PATTERN "run.out")

# The Debian package. Depends comes from the libraries the program is
# linked with (dpkg-shlibdeps).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Norvane developers <dev@norvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "batch converter of Quorvis application files")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Norvane upgrades Quorvis \"#AsciiFiler\" application files written by"
  "Quorvis 6.5.0 and later, in place, so that Quorvis ${PROJECT_VERSION} loads them:"
  "it applies every upgrade step from the file's version on, one step per"
  "product release."
  ""
  "Each file is written whole or not at all. A file that cannot be converted"
  "is left byte for byte as it was and reported with the reason, and the run"
  "goes on with the next file. Progress and a summary are shown in a small Tk"
  "window, or on standard output without a display, and can be written to a"
  "log file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)

# The package test builds the package from this tree (not in the sanitizer
# build, whose program is not the one shipped).
if(TEST e2e.package AND NOT NORVANE_SANITIZE)
  set_property(TEST e2e.package APPEND PROPERTY ENVIRONMENT
    "NORVANE_BUILD_DIR=${CMAKE_CURRENT_BINARY_DIR}" "NORVANE_CPACK=${CMAKE_CPACK_COMMAND}"
    "NORVANE_CMAKE=${CMAKE_COMMAND}")
endif()
