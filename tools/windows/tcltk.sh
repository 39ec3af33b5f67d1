#!/bin/bash
# Fetches Debian's tcl8.6 and tk8.6 source packages (the release the Linux
# build uses) through a private apt source list, and builds both as static
# libraries with the mingw-w64 cross compiler. Everything stays under the
# folder given (build-win/); a finished build is never redone.
#   tools/windows/tcltk.sh BUILD_DIR
# Leaves BUILD_DIR/tcltk/{tcl,tk} (the unpacked sources) and
# BUILD_DIR/tcltk/prefix (headers and libraries), and BUILD_DIR/tcltk/done.
set -eu

out=$(realpath -m "$1")
top=$out/tcltk
host=x86_64-w64-mingw32
jobs=${JOBS:-2}
[ -e "$top/done" ] && exit 0

mkdir -p "$top/apt/lists/partial" "$top/src"

# The private list: the machine's first Debian mirror, suite and keyring,
# for source packages only.
sources=/etc/apt/sources.list.d/debian.sources
field() { awk -v f="$1:" '$1 == f { $1 = ""; sub(/^ /, ""); print; exit }' "$sources"; }
uri=$(field URIs | awk '{print $1}')
suite=$(field Suites | awk '{print $1}')
keyring=$(field Signed-By)
if [ -z "$uri" ] || [ -z "$suite" ]; then
    echo "tcltk.sh: no Debian mirror found in $sources" >&2
    exit 1
fi
cat > "$top/apt/debian.sources" <<LIST
Types: deb-src
URIs: $uri
Suites: $suite
Components: main
Signed-By: $keyring
LIST
apt_opts=(-o Dir::Etc::SourceList="$top/apt/debian.sources"
          -o Dir::Etc::SourceParts=/dev/null
          -o Dir::State::Lists="$top/apt/lists"
          -o Dir::Cache::archives="$top/apt"
          -o DPkg::Lock::Timeout=900
          # The files go to a folder of ours, not one apt's own user may write.
          -o APT::Sandbox::User=root)

cd "$top/src"
if ! ls tcl8.6_*.dsc tk8.6_*.dsc >/dev/null 2>&1; then
    apt-get "${apt_opts[@]}" -q update >/dev/null
    apt-get "${apt_opts[@]}" -q source --download-only tcl8.6 tk8.6
fi
for pkg in tcl tk; do
    if [ ! -d "$top/$pkg" ]; then
        rm -rf "$top/$pkg.tmp"
        dpkg-source --no-check -x "$(ls ${pkg}8.6_*.dsc | sort | tail -n 1)" "$top/$pkg.tmp" >/dev/null
        mv "$top/$pkg.tmp" "$top/$pkg"
    fi
done

# Static libraries, no threads' DLL, no shared runtime.
prefix=$top/prefix
build() {
    local pkg=$1; shift
    rm -rf "$top/build-$pkg"
    mkdir -p "$top/build-$pkg"
    (cd "$top/build-$pkg" &&
     "$top/$pkg/win/configure" --host=$host --prefix="$prefix" --enable-64bit \
        --disable-shared "$@" >configure.log 2>&1 &&
     make -j"$jobs" >make.log 2>&1 &&
     make install-binaries install-libraries >install.log 2>&1) || {
        echo "tcltk.sh: building $pkg failed; see $top/build-$pkg/*.log" >&2
        tail -n 30 "$top/build-$pkg"/*.log >&2
        exit 1
    }
}
build tcl
build tk --with-tcl="$top/build-tcl"
touch "$top/done"
