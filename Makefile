# Two entry points on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages it needs (when run as root and they are missing).

BUILD      ?= build
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
RUN_PKGS   := cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev libgl-dev fonts-dejavu-core fonts-liberation
TEST_PKGS  := $(RUN_PKGS) poppler-utils

.PHONY: run test build deps-run deps-test configure clean install

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

configure:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: deps-run
	@$(MAKE) --no-print-directory build
	$(BUILD)/app/kastlog

test: deps-test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

install: deps-run
	@$(MAKE) --no-print-directory build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)
