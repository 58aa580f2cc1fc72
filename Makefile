# The two commands of the README: `make run` and `make test`.
# Each installs what is missing (Debian packages), configures, builds, then runs.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench clean

deps:
	@bash tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/tintlace

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD_DIR)
