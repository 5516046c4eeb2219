# Two commands do everything on a fresh machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
BENCH_DIR := build/bench

.PHONY: run test bench build deps clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DKAVRO_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	@bash scripts/run-main-job.sh $(RELEASE_DIR)

# Line tables (-g1) are all the sanitizers' reports need, and they compile much faster.
test: deps
	@cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DKAVRO_SANITIZE=ON -DKAVRO_WERROR=ON >/dev/null
	@cmake --build $(TEST_DIR) -j $(JOBS)
	@cd $(TEST_DIR) && xvfb-run -a ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DKAVRO_BUILD_TESTS=OFF -DKAVRO_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@bash scripts/run-benchmarks.sh $(BENCH_DIR)

clean:
	rm -rf build
