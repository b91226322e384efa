# The whole set-up: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PACKAGE_BUILD ?= build-package
# Debian's hardening flags for the package, less -g: it ships stripped programs.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEB_CXXFLAGS = $(filter-out -g,$(shell $(DEB_FLAGS) CXXFLAGS) $(shell $(DEB_FLAGS) CPPFLAGS))
DEB_LDFLAGS = $(shell $(DEB_FLAGS) LDFLAGS)

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_WERROR=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

run: build
	./$(BUILD)/korvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# korvane_<version>_amd64.deb in this folder, from a Release build of its own.
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DKORVANE_WERROR=ON \
	  -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$(DEB_CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(DEB_LDFLAGS)" >/dev/null
	@rm -f $(PACKAGE_BUILD)/korvane_*.deb
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package -- --no-print-directory
	@cp $(PACKAGE_BUILD)/korvane_*.deb .

clean:
	rm -rf $(BUILD)
