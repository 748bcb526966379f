# The commands a newcomer needs; see README.md.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

# A test that names no time limit of its own ends after this many seconds.
TEST_TIMEOUT ?= 300
# What the build installs first (scripts/install-deps): the tests' packages,
# unless only the programs are wanted (make run).
DEPS ?= test
TESTS ?= ON

.PHONY: all deps configure build test test-sanitize run run-editor bench fuzz package windows-core windows format format-check clean

all: build

deps:
	scripts/install-deps $(DEPS)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DABACOR_TESTS=$(TESTS) -DABACOR_BENCH=$(TESTS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Every test, headless: the fast ones first, then those that start real
# programs under Xvfb or build the package (label slow).
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS) -LE slow
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS) -L slow

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
# not the package's, which builds its own programs without them.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DABACOR_SANITIZE=ON -DABACOR_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure --timeout $(TEST_TIMEOUT) -j $(JOBS) -E '^debian_package_lintian$$'

# The fuzzers (clang, libFuzzer), the key language, the store's file, the kept tape and tape files: FUZZ_SECONDS
# each, from the checked-in corpora with a fixed seed; new inputs go to scratch folders.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_SEED ?= 20261207
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DABACOR_FUZZ=ON -DABACOR_TESTS=OFF -DABACOR_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target abacor_fuzz_keys abacor_fuzz_store abacor_fuzz_tape \
	  abacor_fuzz_tape_file
	rm -rf $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/store-corpus $(FUZZ_BUILD)/tape-corpus $(FUZZ_BUILD)/tape-file-corpus && \
	  mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/store-corpus $(FUZZ_BUILD)/tape-corpus $(FUZZ_BUILD)/tape-file-corpus
	$(FUZZ_BUILD)/tests/fuzz/abacor_fuzz_keys -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus tests/fuzz/corpus
	$(FUZZ_BUILD)/tests/fuzz/abacor_fuzz_store -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) -max_len=4096 \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/store- $(FUZZ_BUILD)/store-corpus tests/fuzz/store-corpus
	$(FUZZ_BUILD)/tests/fuzz/abacor_fuzz_tape -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) -max_len=512 \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/tape- $(FUZZ_BUILD)/tape-corpus tests/fuzz/tape-corpus
	$(FUZZ_BUILD)/tests/fuzz/abacor_fuzz_tape_file -max_total_time=$(FUZZ_SECONDS) -seed=$(FUZZ_SEED) -max_len=4096 \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/tape-file- $(FUZZ_BUILD)/tape-file-corpus \
	  tests/fuzz/tape-file-corpus

# The Debian package: the programs alone, built in $(PACKAGE_BUILD) for /usr with
# Debian's hardening flags and dated by the last commit (the same .deb every time).
PACKAGE_BUILD ?= build-package
package: DEPS = package
package: deps
	JOBS=$(JOBS) scripts/build-package $(PACKAGE_BUILD)

# The headless calculator, its registry store, abacor-calc and their tests
# cross-built for Windows with mingw-w64 (no Qt) and run under wine; abacor-calc.exe
# is compared with the Linux build's. Says SKIPPED where mingw-w64 or wine is missing.
WINDOWS_CORE_BUILD ?= build-windows-core
windows-core windows: DEPS = test windows
windows-core: build
	JOBS=$(JOBS) scripts/build-windows-core $(WINDOWS_CORE_BUILD) $(BUILD)/tools/abacor-calc/abacor-calc

# Abacor for Windows: both programs and the tools cross-built against a static
# Qt for mingw-w64 (built once into ~/.cache/abacor, about 40 minutes), the zip
# and the installer in $(WINDOWS_BUILD)/packages, then tested under wine.
# WINDOWS_CACHED_ONLY=1 skips instead of building that Qt (CI).
WINDOWS_BUILD ?= build-windows
WINDOWS_CACHED_ONLY ?= 0
windows: build
	JOBS=$(JOBS) ABACOR_WINDOWS_CACHED_ONLY=$(WINDOWS_CACHED_ONLY) scripts/build-windows $(WINDOWS_BUILD) $(BUILD)

# The code in the project's style (.clang-format), and the check CI runs.
SOURCES = $$(git ls-files '*.cpp' '*.h')
format: deps
	clang-format -i $(SOURCES)
format-check: deps
	clang-format --dry-run --Werror $(SOURCES)

# Starts the calculator, built with only what building and running need.
run run-editor: DEPS = run
run run-editor: TESTS = OFF
run: build
	$(BUILD)/Abacor

# Starts the settings editor.
run-editor: build
	$(BUILD)/AbacorSet

# Speed of the engine and the window, then start-up and memory under Xvfb.
bench: build
	$(BUILD)/bench/abacor_bench_engine
	sh bench/calc_end_to_end.sh $(BUILD)/tools/abacor-calc/abacor-calc
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/abacor_bench_window
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/abacor_bench_tape
	$(BUILD)/bench/abacor_bench_store
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/abacor_layout_soak 10000
	sh bench/startup.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD) $(WINDOWS_CORE_BUILD) $(WINDOWS_BUILD)
