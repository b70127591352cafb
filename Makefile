# Entry points for a newcomer: `make demo` runs the example application, `make test` the tests.
.PHONY: deps test demo bench asan fuzz clean format

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

test: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

demo: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target zantor_demo
	cd examples && ../build/release/examples/zantor_demo --pictures ../build/demo-pictures

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	for b in build/release/bench/bench_*; do $$b; done

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps --fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target fuzz_targets
	for f in build/fuzz/fuzz/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  extra=$$(cat fuzz/seeds/$$name.extra 2>/dev/null); \
	  $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -timeout=10 \
	    build/fuzz/corpus/$$name fuzz/seeds/$$name $$extra || exit 1; \
	done

format:
	find src tests bench fuzz examples apps -name '*.cpp' -o -name '*.h' | xargs clang-format-14 -i

clean:
	rm -rf build
