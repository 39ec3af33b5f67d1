# Norvane: build and test on Debian 12. Each target installs what is
# missing, configures and builds by itself.
#   make            build build/Norvane
#   make test       everything through ctest (starts its own Xvfb)
#   make demo       convert copies of examples/ in a scratch folder
#   make bench      conversion times, start-up time and peak memory
#   make package    build/norvane_<version>_amd64.deb, checked with lintian
#   make asan       build and test with -fsanitize=address,undefined in build-asan/
#                   (make test builds only the program and the host tests
#                   there, for its sanitizer runs)
#   make windows    build-win/Norvane.exe, NorvaneCmd.exe and the zip, cross-built
#                   with mingw-w64 against a static Tcl/Tk built once in build-win/
#   make clean

BUILD ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD ?= build-win
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake tcl8.6-dev tk8.6-dev googletest libgtest-dev \
           xvfb xauth x11-utils xdotool imagemagick strace time \
           dpkg-dev lintian man-db
WIN_PACKAGES = g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 zip unzip
# Wine keeps its prefix under build-win/ and says nothing of its own.
# (No menu entries, and no offer to install Mono or Gecko.)
WINE_ENV = WINEPREFIX=$(abspath $(WIN_BUILD))/wineprefix WINEDEBUG=-all \
           WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

.PHONY: all deps win-deps configure build asan-build windows test demo bench asan package clean

all: build

# Installs the Debian packages of the list given that are missing (none:
# no network used).
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get -o DPkg::Lock::Timeout=900 update && \
	  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# What the Windows programs and their tests need besides.
win-deps:
	$(call install_missing,$(WIN_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) -DNORVANE_ASAN_DIR=$(abspath $(ASAN_BUILD)) \
	  -DNORVANE_WIN_DIR=$(abspath $(WIN_BUILD))

# Only the program and the host tests, for the sanitizer runs of make test.
asan-build: deps
	cmake -S . -B $(ASAN_BUILD) -DNORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target Norvane host_tests

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Tcl/Tk are built once (tools/windows/tcltk.sh); after that only Norvane
# is rebuilt. The Wine prefix is made here, once, so that tests find it ready.
windows: deps win-deps
	JOBS=$(JOBS) tools/windows/tcltk.sh $(WIN_BUILD)
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/tools/windows/mingw64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DNORVANE_TCLTK_DIR=$(abspath $(WIN_BUILD))/tcltk >/dev/null
	cmake --build $(WIN_BUILD) -j $(JOBS) --target Norvane NorvaneCmd host_tests norvane_panic norvane_panic_cmd win_helper
	cmake --build $(WIN_BUILD) --target win_zip
	$(WINE_ENV) tools/windows/wineprefix.sh

# After ctest, the reliability tests' counts (one line each, written to
# $(BUILD)/reliability/) are printed; the exit status is ctest's.
test: build asan-build windows
	@rm -rf $(BUILD)/reliability
	@status=0; \
	tests/e2e/with_xvfb.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) || status=$$?; \
	if ls $(BUILD)/reliability/*.txt >/dev/null 2>&1; then \
	  echo "Reliability counts:"; cat $(BUILD)/reliability/*.txt; fi; \
	exit $$status

demo: build
	NORVANE_EXE=$(CURDIR)/$(BUILD)/Norvane examples/demo.sh

bench: build
	tclsh bench/run.tcl $(BUILD)/Norvane $(BUILD)/bench

# The Debian package (CPack), its contents, and what lintian says of it.
package: build
	rm -f $(BUILD)/norvane_*.deb
	cd $(BUILD) && cpack -G DEB
	dpkg-deb --info $(BUILD)/norvane_*.deb
	dpkg-deb --contents $(BUILD)/norvane_*.deb
	lintian --fail-on error $(BUILD)/norvane_*.deb

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DNORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  tests/e2e/with_xvfb.sh \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD)
