# Thin wrapper over CMake. `make demo` runs the demo, `make test` the tests.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all build test demo bench test-asan test-tsan fuzz format clean

all: build

$(BUILD)/CMakeCache.txt:
	tools/install-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

demo: build
	$(BUILD)/examples/demo/vesk-demo

bench:
	tools/install-deps libbenchmark-dev
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVESK_FORMS_BUILD_BENCHMARKS=ON \
	    -DVESK_FORMS_BUILD_TESTS=OFF -DVESK_FORMS_BUILD_EXAMPLES=OFF
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/vesk-bench

# AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite.
test-asan:
	$(MAKE) test BUILD=build-asan CMAKE_ARGS="-DVESK_FORMS_SANITIZE=address,undefined"

# ThreadSanitizer over the whole suite (the threaded parts are the queue, log,
# session, timer, keyboard reader, resize and signal handling).
test-tsan:
	$(MAKE) test BUILD=build-tsan CMAKE_ARGS="-DVESK_FORMS_SANITIZE=thread"

# Runs a fuzzer (clang) for FUZZ_SECONDS: FUZZER=key_decoder_fuzz (the
# default) or text_cells_fuzz. New inputs go to build-fuzz/corpus-$(FUZZER);
# fuzz/corpus is only read, and only by the key decoder's fuzzer (merge by
# hand to keep it small).
FUZZ_SECONDS ?= 600
FUZZER       ?= key_decoder_fuzz
fuzz:
	tools/install-deps clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz -DVESK_FORMS_BUILD_FUZZERS=ON \
	    -DVESK_FORMS_BUILD_TESTS=OFF -DVESK_FORMS_BUILD_EXAMPLES=OFF
	cmake --build build-fuzz --target $(FUZZER) -j $(JOBS)
	mkdir -p build-fuzz/corpus-$(FUZZER)
	build-fuzz/fuzz/$(FUZZER) -max_total_time=$(FUZZ_SECONDS) \
	    $(if $(filter key_decoder_fuzz,$(FUZZER)),-dict=fuzz/key_decoder.dict) build-fuzz/corpus-$(FUZZER) \
	    $(if $(filter key_decoder_fuzz,$(FUZZER)),fuzz/corpus)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
