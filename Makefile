# Two entry points on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages it needs (when run as root and they are missing).

BUILD      ?= build
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
RUN_PKGS   := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev libgl-dev fonts-dejavu-core fonts-liberation
DEB_PKGS   := dpkg-dev file lintian desktop-file-utils appstream
TEST_PKGS  := $(RUN_PKGS) poppler-utils libhamlib-utils $(DEB_PKGS)
FUZZ_PKGS  := $(RUN_PKGS) clang-14 libclang-rt-14-dev
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

.PHONY: run test check-sanitize build deps-run deps-test deps-fuzz deps-deb configure clean install fuzz deb

# The ADIF check reads the export back with a Node.js ADIF reader; Node may come from
# elsewhere than Debian's packages, so it is looked for by command.
install_missing_now = { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $(1) >/dev/null; }

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
	@command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || $(call install_missing_now,nodejs npm)

# Configures the build tree $(1) once, with the cache options $(2) (and the environment $(3)).
define configure_tree
	@test -f $(1)/CMakeCache.txt || $(3) cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(2)
endef

deps-fuzz:
	$(call install_missing,$(FUZZ_PKGS))

deps-deb:
	$(call install_missing,$(RUN_PKGS) $(DEB_PKGS))

configure:
	$(call configure_tree,$(BUILD))

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

# kastlog_<version>_<arch>.deb in this folder, made by CPack from the built tree.
deb: deps-deb
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && cpack -G DEB -B deb
	cp $(BUILD)/deb/kastlog_*.deb .
	lintian kastlog_*.deb || true

# Runs each libFuzzer target FUZZ_SECONDS seconds from its corpus in fuzz/corpus/, merges
# what it finds there; an input that breaks a target is kept there as a regression test.
fuzz: deps-fuzz
	$(call configure_tree,build-fuzz,-DKASTLOG_FUZZ=ON,CXX=clang++-14)
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run-all build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
