# Two entry points: `make run` and `make test`. Both install what is missing first;
# `make package` makes the Debian packages.
BUILD    ?= build
JOBS     ?= $(shell nproc)
SANITIZE ?= OFF
BUILD_TYPE ?= Release

PACKAGES := build-essential cmake pkg-config \
	libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libsdl2-image-dev \
	libfontconfig-dev fonts-ipafont-gothic libimgui-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool openbox x11-utils \
	desktop-file-utils appstream man-db dpkg-dev file systemd \
	shared-mime-info xdg-utils libfile-mimeinfo-perl \
	libsqlite3-dev libcli11-dev libboost-dev zlib1g-dev sqlite3 curl chromium libinih-dev gettext
# Debian starts nginx's own service when it installs it; the benchmark runs its own nginx.
BENCH_PACKAGES := wrk nginx-light
FUZZ_PACKAGES := clang libclang-rt-14-dev
ASSET_PACKAGES := espeak-ng sox
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

define install-missing
	@missing=$$(for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

.PHONY: deps configure build run server test bench tidy sanitize fuzz assets package format clean

deps:
	$(call install-missing,$(PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) -DPUDOROCK_SANITIZE=$(SANITIZE) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the game, so that a first run does not wait for every test and benchmark; its options
# in ARGS (`make run ARGS=--window`).
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target pudorock
	$(BUILD)/app/pudorock $(ARGS)

# The ranking server with its defaults: 127.0.0.1:8080, ./ranking.sqlite3.
server: configure
	cmake --build $(BUILD) -j $(JOBS) --target pudorock-ranking-server
	$(BUILD)/server/pudorock-ranking-server

# Every test; CI also runs `make tidy` and the brief benchmarks (.ci/run).
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Headless, like the tests: SDL's dummy video and audio drivers. The ranking server's phases
# last BENCH_SERVER_SECONDS each (default 2); its database lives under the build folder.
BENCH_SERVER_SECONDS ?= 2
bench: build
	$(call install-missing,$(BENCH_PACKAGES))
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/*/*-bench; do \
		[ -x "$$b" ] || continue; \
		SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy $$b --benchmark_min_time=0.05 || exit 1; done
	cd $(BUILD) && $(CURDIR)/bench/server/ranking-bench.sh server/pudorock-ranking-server \
		$(BENCH_SERVER_SECONDS)
	cd $(BUILD) && $(CURDIR)/bench/server/deep-pages.sh server/pudorock-ranking-server \
		$(BENCH_SERVER_SECONDS)

# fontconfig keeps its configuration for the life of the process; that is not our leak.
sanitize:
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp \
		$(MAKE) test BUILD=build-asan SANITIZE=ON BUILD_TYPE=RelWithDebInfo

# Each fuzz target for FUZZ_SECONDS (default 60).
FUZZ_SECONDS ?= 60
fuzz:
	$(call install-missing,$(PACKAGES) $(FUZZ_PACKAGES))
	CXX=clang++ cmake -S . -B build-fuzz -DPUDOROCK_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@for f in build-fuzz/fuzz/*/*-fuzz; do \
		echo "== $$f"; $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 2>&1 | tail -n 12 || exit 1; done

# Makes the stored pictures and sounds anew (the build never does).
assets: build
	$(call install-missing,$(ASSET_PACKAGES))
	$(BUILD)/tools/assetgen/pudorock-assetgen assets

# The .deb files land in the build folder; nothing is installed on this machine.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target installed-programs
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) build-asan build-fuzz

# Every C++ file of ours under the checks of .clang-tidy; any finding fails. The generated
# headers must exist first, hence the build.
TIDY_FOLDERS := app|bench|core|fuzz|game|media|net|platform|protocol|ranking|replay|server|tests|text|tools
tidy: build
	$(call install-missing,clang-tidy)
	@run-clang-tidy -p $(BUILD) -j $(JOBS) -quiet '^$(CURDIR)/($(TIDY_FOLDERS))/' \
		>$(BUILD)/tidy.log 2>&1; status=$$?; \
	grep -vE '^clang-tidy|warnings? generated|^Suppressed|^Use -header-filter' $(BUILD)/tidy.log; \
	exit $$status

# Every C++ file git tracks, in the style of .clang-format.
format:
	$(call install-missing,clang-format)
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
