#!/bin/bash
# Packs the Windows programs: ZIP holds one folder NAME with bin/Norvane.exe,
# bin/NorvaneCmd.exe, README.md, and the Tcl/Tk script library in lib/
# (lib/tcl8.6, lib/tcl8, lib/tk8.6), where the console interpreter's own
# Tcl_Init and Tk_Init look for it: the folder above the program's.
#   tools/windows/zip.sh ZIP NAME PROGRAM_DIR TCLTK_PREFIX README
set -eu
zip=$(realpath -m "$1"); name=$2; bin=$3; prefix=$4; readme=$5
stage=$(dirname "$zip")/zip-stage
rm -rf "$stage" "$zip"
mkdir -p "$stage/$name/bin" "$stage/$name/lib"
cp "$bin/Norvane.exe" "$bin/NorvaneCmd.exe" "$stage/$name/bin/"
cp "$readme" "$stage/$name/README.md"
for d in tcl8.6 tcl8 tk8.6; do
    cp -r "$prefix/lib/$d" "$stage/$name/lib/"
done
(cd "$stage" && zip -qr -9 "$zip" "$name")
rm -rf "$stage"
