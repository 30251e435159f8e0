# Two entry points on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages it needs (when run as root and they are missing).

BUILD      ?= build
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
RUN_PKGS   := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev librsvg2-bin fonts-dejavu-core fonts-liberation
DEB_PKGS   := dpkg-dev file lintian desktop-file-utils appstream mandoc
TEST_PKGS  := $(RUN_PKGS) poppler-utils nodejs libhamlib-utils $(DEB_PKGS)
# make deb and make debian-package check the binaries with hardening-check (devscripts);
# dpkg-buildpackage wants the source package's Build-Depends, the tests' among them.
HARDEN_PKGS := devscripts
DEBIAN_PKGS := $(TEST_PKGS) $(HARDEN_PKGS) debhelper python3
FUZZ_PKGS  := $(RUN_PKGS) clang-14 libclang-rt-14-dev
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

.PHONY: run test check-sanitize build deps-run deps-test deps-fuzz deps-deb deps-debian configure clean install fuzz \
        deb debian-package

define install_missing
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else echo "Missing Debian packages:$$missing (run as root, or install them)"; exit 1; fi; \
	fi
endef

deps-run:
	$(call install_missing,$(RUN_PKGS))

deps-test:
	$(call install_missing,$(TEST_PKGS))

# Configures the build tree $(1) once, with the cache options $(2) (and the environment $(3)).
define configure_tree
	@test -f $(1)/CMakeCache.txt || $(3) cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(2)
endef

deps-fuzz:
	$(call install_missing,$(FUZZ_PKGS))

deps-deb:
	$(call install_missing,$(RUN_PKGS) $(DEB_PKGS) $(HARDEN_PKGS))

deps-debian:
	$(call install_missing,$(DEBIAN_PKGS))

# The plain tree at -O3 -g: faults that -O2 happens to hide (undefined behaviour) show there;
# the sanitized tree stays at -O2.
configure:
	$(call configure_tree,$(BUILD),-DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O3 -g -DNDEBUG")

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps-run
	@$(MAKE) --no-print-directory build
	$(BUILD)/app/kastlog

# The suites, then the same suites built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps-test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory check-sanitize

SANITIZE_BUILD ?= build-asan
check-sanitize: deps-test
	$(call configure_tree,$(SANITIZE_BUILD),-DKASTLOG_SANITIZE=ON)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: deps-run
	@$(MAKE) --no-print-directory build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Both packages are reproducible: every time stamp in them is the last commit's (the
# changelog's outside a git checkout), and no build path is compiled in.
VERSION := $(shell sed -n 's/^project.kastlog VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
ARCH    := $(shell dpkg --print-architecture)
LAST_CHANGE = $(shell git log -1 --format=%ct 2>/dev/null || dpkg-parsechangelog -STimestamp 2>/dev/null)
deb debian-package: export SOURCE_DATE_EPOCH ?= $(LAST_CHANGE)
# hardening-check on the program and the modules of package $(1). Control-flow protection
# is not asked for: Debian 12's start files lack it, so no program linked there has it.
define check_hardening
	@d=$$(mktemp -d) && dpkg-deb -x $(1) $$d && \
	hardening-check --nocfprotection $$d/usr/bin/kastlog $$d/usr/lib/kastlog/*.so; rc=$$?; rm -rf $$d; exit $$rc
endef

# kastlog_<version>_<arch>.deb and its debug symbols, kastlog-dbgsym_<version>_<arch>.ddeb,
# in this folder: made by CPack from a build tree of its own, $(DEB_BUILD), built with the
# distribution's flags (dpkg-buildflags, hardening=+all) and without the tests.
DEB_BUILD ?= build-deb
deb: deps-deb
	@test -f $(DEB_BUILD)/CMakeCache.txt || { \
	  eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	  CFLAGS="$$CFLAGS $$CPPFLAGS" CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" \
	  cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF; }
	cmake --build $(DEB_BUILD) -j $(JOBS)
	rm -rf $(DEB_BUILD)/deb
	cd $(DEB_BUILD) && cpack -G DEB -B deb
	cp $(DEB_BUILD)/deb/kastlog_$(VERSION)_$(ARCH).deb $(DEB_BUILD)/deb/kastlog-dbgsym_$(VERSION)_$(ARCH).ddeb .
	lintian --fail-on error,warning kastlog_$(VERSION)_$(ARCH).deb
	$(call check_hardening,kastlog_$(VERSION)_$(ARCH).deb)

# The Debian source package's binary packages (debian/), as `dpkg-buildpackage -us -uc -b`
# makes them, in $(DEBIAN_OUT)/: built from a copy of this tree there, so that the build
# leaves this one as it was; then lintian (no error, no warning) and hardening-check.
DEBIAN_OUT ?= debian-build
debian-package: deps-debian
	rm -rf $(DEBIAN_OUT) && mkdir -p $(DEBIAN_OUT)/kastlog-$(VERSION)
	git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C $(DEBIAN_OUT)/kastlog-$(VERSION)
	cd $(DEBIAN_OUT)/kastlog-$(VERSION) && DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -us -uc -b
	lintian --fail-on error,warning $(DEBIAN_OUT)/kastlog_$(VERSION)-*_$(ARCH).changes
	$(call check_hardening,$(DEBIAN_OUT)/kastlog_$(VERSION)-*_$(ARCH).deb)

# Runs each libFuzzer target FUZZ_SECONDS seconds from its corpus in fuzz/corpus/, merges
# what it finds there; an input that breaks a target is kept there as a regression test.
fuzz: deps-fuzz
	$(call configure_tree,build-fuzz,-DKASTLOG_FUZZ=ON,CXX=clang++-14)
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run-all build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz $(DEB_BUILD) $(DEBIAN_OUT)
