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
#   make clean

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = build-essential cmake tcl8.6-dev tk8.6-dev googletest libgtest-dev \
           xvfb xauth x11-utils xdotool imagemagick strace time \
           dpkg-dev lintian man-db

.PHONY: all deps configure build asan-build test demo bench asan package clean

all: build

# Installs the Debian packages that are missing (none: no network used).
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get -o DPkg::Lock::Timeout=900 update && \
	  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DNORVANE_ASAN_DIR=$(abspath $(ASAN_BUILD))

# Only the program and the host tests, for the sanitizer runs of make test.
asan-build: deps
	cmake -S . -B $(ASAN_BUILD) -DNORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target Norvane host_tests

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# After ctest, the reliability tests' counts (one line each, written to
# $(BUILD)/reliability/) are printed; the exit status is ctest's.
test: build asan-build
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
	rm -rf $(BUILD) $(ASAN_BUILD)
