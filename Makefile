# Pigmentor: `make run` builds and starts the program, `make test` builds and runs
# every test headless. Both install missing build packages first (Debian/Ubuntu).

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
           desktop-file-utils appstream
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

PREFIX ?= /usr/local

FUZZ_SECONDS ?= 60
FUZZ_TARGETS = settings prefs color_file theme entry css

.PHONY: all deps build run test e2e bench install fuzz clean

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

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/pigmentor

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	@$(MAKE) --no-print-directory deps PACKAGES="xvfb xdotool"
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/pigmentor_bench
	bench/startup.sh $(BUILD_DIR)

# The end-to-end suite in a private X server (make test runs it too when Xvfb is there).
e2e: build
	@$(MAKE) --no-print-directory deps PACKAGES="xvfb xdotool xclip imagemagick openbox trayer x11-utils"
	tests/e2e/run_e2e.sh $(BUILD_DIR)/pigmentor

# Each reader and entry check under libFuzzer for FUZZ_SECONDS; inputs that reach new
# code are merged into the committed corpus under fuzz/corpus/.
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="cmake clang libclang-rt-14-dev qt6-base-dev"
	CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  scratch=$$(mktemp -d); \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  ./build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -timeout=5 \
	    -rss_limit_mb=2048 -artifact_prefix=build-fuzz/ $$scratch fuzz/corpus/$$t 2>&1 | tail -1; \
	  ./build-fuzz/fuzz_$$t -merge=1 fuzz/corpus/$$t $$scratch >/dev/null 2>&1; \
	  rm -rf $$scratch; \
	done

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) build-fuzz
