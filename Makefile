# The two commands a newcomer needs: `make test` and `make run`. Everything else serves them.
BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
JOBS         ?= 2
CMAKE_FLAGS  ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build sanitize test bench format clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The Qt-free core and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) -DPENNIX_CORE_ONLY=ON -DPENNIX_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)

test: build sanitize
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bench/pennix-bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
