# The two commands a newcomer needs: `make test` and `make run`. Everything else serves them.
BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
JOBS         ?= 2
CMAKE_FLAGS  ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build sanitize test bench run package format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The Qt-free core and its tests again, built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; clang also builds the settings reader's fuzz target, which runs
# briefly among these tests.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ \
		-DPENNIX_CORE_ONLY=ON -DPENNIX_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)

test: build sanitize
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bench/pennix-bench

# The game needs an X display (XWayland on a Wayland desktop): without one Qt would abort, so
# say so plainly instead. A platform chosen with QT_QPA_PLATFORM is left to Qt, as the game does.
run: deps
	@if [ -z "$$DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "make run: no X display found (DISPLAY is not set)." >&2; \
		echo "Start it from a desktop session, or under Xvfb: xvfb-run -a make run" >&2; \
		exit 1; \
	fi
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS) --target pennix
	$(BUILD_DIR)/src/app/pennix

# The Debian package build/pennix_<version>_amd64.deb, for apt-get install ./build/pennix_*.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
