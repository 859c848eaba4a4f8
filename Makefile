# Pigmentor: `make run` builds and starts the program, `make test` builds and runs
# every test headless. Both install missing packages first (Debian/Ubuntu): `make run`
# only what building and running the program needs, `make test` also what the tests,
# the benchmarks and the end-to-end suite need.

BUILD_DIR ?= build
DEB_BUILD_DIR ?= build-deb
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RUN_PACKAGES = cmake make g++ qt6-base-dev libgl-dev
TEST_PACKAGES = libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev \
           desktop-file-utils appstream shared-mime-info man-db file dpkg-dev \
           xvfb xdotool xclip imagemagick openbox trayer x11-utils \
           python3-pyatspi at-spi2-core dbus-x11 qt6-gtk-platformtheme \
           python3-dbus python3-gi sway qt6-wayland kwin-wayland libwayland-dev wayland-protocols
PACKAGES = $(RUN_PACKAGES)
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local

FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(patsubst fuzz/fuzz_%.cpp,%,$(wildcard fuzz/fuzz_*.cpp))

.PHONY: all deps build build-all run test e2e bench install uninstall desktop-caches deb fuzz clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

# The program alone (and its compressed manual page): no tests, no benchmarks.
build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DPIGMENTOR_TESTS=OFF -DPIGMENTOR_BENCH=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS) --target pigmentor pigmentor_docs

# Everything: the program, every test and the benchmarks.
build-all:
	@$(MAKE) --no-print-directory deps PACKAGES="$(RUN_PACKAGES) $(TEST_PACKAGES)"
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DPIGMENTOR_TESTS=ON -DPIGMENTOR_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/pigmentor

test: build-all
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build-all
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/pigmentor_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/pigmentor_palette_bench
	bench/startup.sh $(BUILD_DIR)

# The end-to-end suite in a private X server (make test runs it too when Xvfb is there).
e2e: build
	@$(MAKE) --no-print-directory deps PACKAGES="xvfb xdotool xclip imagemagick openbox trayer x11-utils \
	  python3-pyatspi at-spi2-core dbus-x11 shared-mime-info qt6-gtk-platformtheme \
	  python3-dbus python3-gi sway qt6-wayland kwin-wayland libwayland-dev wayland-protocols"
	tests/e2e/run_e2e.sh $(BUILD_DIR)/pigmentor
	status=0; tests/e2e/wayland.sh $(BUILD_DIR)/pigmentor || status=$$?; [ $$status -eq 0 ] || [ $$status -eq 77 ]
	status=0; tests/e2e/kwin.sh $(BUILD_DIR)/pigmentor || status=$$?; [ $$status -eq 0 ] || [ $$status -eq 77 ]

# Each reader and entry check under libFuzzer for FUZZ_SECONDS; inputs that reach new
# code are merged into the committed corpus under fuzz/corpus/.
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="cmake clang libclang-rt-14-dev qt6-base-dev"
	CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  scratch=$$(mktemp -d); \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  dict=; if [ -f fuzz/fuzz_$$t.dict ]; then dict=-dict=fuzz/fuzz_$$t.dict; fi; \
	  ./build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -timeout=5 $$dict \
	    -rss_limit_mb=2048 -artifact_prefix=build-fuzz/ $$scratch fuzz/corpus/$$t 2>&1 | tail -1; \
	  ./build-fuzz/fuzz_$$t -merge=1 fuzz/corpus/$$t $$scratch >/dev/null 2>&1; \
	  rm -rf $$scratch; \
	done

# The manifest is kept as installed-files.txt for `make uninstall`; the desktop's caches
# of file types, programs and icons are refreshed where their tools are installed.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	cp $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt
	@$(MAKE) --no-print-directory desktop-caches

uninstall:
	cmake/uninstall.sh $(BUILD_DIR)/installed-files.txt
	@$(MAKE) --no-print-directory desktop-caches

desktop-caches:
	-@command -v update-mime-database >/dev/null && [ -d $(PREFIX)/share/mime/packages ] && \
	  update-mime-database $(PREFIX)/share/mime || true
	-@command -v update-desktop-database >/dev/null && [ -d $(PREFIX)/share/applications ] && \
	  update-desktop-database -q $(PREFIX)/share/applications || true
	-@command -v gtk-update-icon-cache >/dev/null && [ -f $(PREFIX)/share/icons/hicolor/index.theme ] && \
	  gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor || true

# A Debian package built with Debian's hardening flags; dpkg-shlibdeps finds its
# dependencies and lintian must find no error.
deb:
	@$(MAKE) --no-print-directory deps PACKAGES="$(RUN_PACKAGES) dpkg-dev file lintian"
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(DEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DPIGMENTOR_TESTS=OFF \
	  -DPIGMENTOR_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(DEB_BUILD_DIR) -j $(JOBS)
	rm -f $(DEB_BUILD_DIR)/pigmentor_*.deb
	cd $(DEB_BUILD_DIR) && cpack -G DEB
	lintian --fail-on error $(DEB_BUILD_DIR)/pigmentor_*.deb
	@echo "The package: $$(ls $(DEB_BUILD_DIR)/pigmentor_*.deb)"

clean:
	rm -rf $(BUILD_DIR) $(DEB_BUILD_DIR) build-fuzz
