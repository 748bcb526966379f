# The commands a newcomer needs; see README.md.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all deps configure build test run run-editor bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Every test, headless.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Starts the calculator.
run: build
	$(BUILD)/Abacor

# Starts the settings editor.
run-editor: build
	$(BUILD)/AbacorSet

# Speed of the engine and the window, then start-up and memory under Xvfb.
bench: build
	$(BUILD)/bench/abacor_bench_engine
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/abacor_bench_window
	sh bench/startup.sh $(BUILD)

clean:
	rm -rf $(BUILD)
