# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc)
SANITIZE ?= OFF

PACKAGES := build-essential cmake pkg-config \
	libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libsdl2-image-dev \
	libfontconfig-dev fonts-ipafont-gothic libimgui-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	xvfb xauth xdotool imagemagick sox espeak-ng
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench sanitize clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DPUDOROCK_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/game/pudorock

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory bench

bench: build
	@for b in $(BUILD)/bench/*/*-bench; do \
		[ -x "$$b" ] && $$b --benchmark_min_time=0.05 || exit 1; done

sanitize:
	$(MAKE) test BUILD=build-asan SANITIZE=ON

clean:
	rm -rf $(BUILD) build-asan
