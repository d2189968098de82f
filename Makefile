# Thin wrapper over CMake. `make demo` runs the demo, `make test` the tests.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all build test demo screenshot bench bench-instructions test-asan test-tsan test-install package fuzz format docs clean

all: build

$(BUILD)/CMakeCache.txt:
	tools/install-deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Builds only what it runs.
demo: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target vesk-demo
	$(BUILD)/examples/demo/vesk-demo

# Draws docs/demo.svg from the running demo through the testing kit.
screenshot: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target vesk-screenshot vesk-demo
	$(BUILD)/tools/screenshot/vesk-screenshot $(BUILD)/examples/demo/vesk-demo docs/demo.svg

bench:
	tools/install-deps libbenchmark-dev
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVESK_FORMS_BUILD_BENCHMARKS=ON \
	    -DVESK_FORMS_BUILD_TESTS=OFF -DVESK_FORMS_BUILD_EXAMPLES=OFF
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/vesk-bench

# Instructions per paint of the reference form, counted by callgrind.
bench-instructions: bench
	tools/install-deps valgrind
	tools/bench-instructions build-bench

# AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite.
test-asan:
	$(MAKE) test BUILD=build-asan CMAKE_ARGS="-DVESK_FORMS_SANITIZE=address,undefined"

# ThreadSanitizer over the whole suite (the threaded parts are the queue, log,
# session, timer, keyboard reader, resize and signal handling).
test-tsan:
	$(MAKE) test BUILD=build-tsan CMAKE_ARGS="-DVESK_FORMS_SANITIZE=thread"

# Installs shared and static builds into temporary prefixes under build-install/
# and builds and runs the find_package, pkg-config and add_subdirectory consumers.
test-install:
	tools/install-deps pkg-config
	JOBS=$(JOBS) tests/install/run build-install/shared
	JOBS=$(JOBS) tests/install/run build-install/static --static

# Debian packages libveskforms0, libveskforms-testing0 and libveskforms-dev for
# /usr, in build-package/.
package:
	tools/install-deps dpkg-dev
	cmake -S . -B build-package -DCMAKE_INSTALL_PREFIX=/usr \
	    -DVESK_FORMS_BUILD_TESTS=OFF -DVESK_FORMS_BUILD_EXAMPLES=OFF
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack
	ls build-package/*.deb

# Runs each libFuzzer target (clang) for FUZZ_SECONDS: the key decoder, the
# control tree and the text measure (seeds: UTF-8 texts of every width). New inputs go to
# build-fuzz/work-<target>; the seed corpora in fuzz/ are only read (merge by
# hand to keep them small).
FUZZ_SECONDS ?= 600
FUZZERS = key_decoder_fuzz:fuzz/corpus tree_fuzz:fuzz/tree-corpus \
    text_cells_fuzz:fuzz/text-corpus
fuzz:
	tools/install-deps clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz -DVESK_FORMS_BUILD_FUZZERS=ON \
	    -DVESK_FORMS_BUILD_TESTS=OFF -DVESK_FORMS_BUILD_EXAMPLES=OFF
	cmake --build build-fuzz -j $(JOBS) --target $(foreach f,$(FUZZERS),$(firstword $(subst :, ,$(f))))
	set -e; for entry in $(FUZZERS); do \
	    target=$${entry%%:*}; seeds=$${entry#*:}; \
	    mkdir -p build-fuzz/work-$$target $$seeds; \
	    echo "== $$target for $(FUZZ_SECONDS) s"; \
	    build-fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        $$([ $$target = key_decoder_fuzz ] && echo -dict=fuzz/key_decoder.dict) \
	        -artifact_prefix=build-fuzz/ build-fuzz/work-$$target $$seeds; \
	done

# The API reference from the headers' comments, in build-docs/html/; any
# Doxygen warning fails it. The version comes from CMakeLists.txt.
VESK_VERSION := $(shell sed -n 's/^project.vesk-forms VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
docs:
	tools/install-deps doxygen
	rm -rf build-docs/html
	VESK_VERSION=$(VESK_VERSION) doxygen docs/Doxyfile

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz build-install build-package build-docs
