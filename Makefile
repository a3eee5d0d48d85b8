# The two entry points for a newcomer: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test test-asan fuzz-build fuzz fuzz-short run bench package clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The record, rules and front-end tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (a separate build directory; run by CI).
ASAN_DIR ?= build-asan
ASAN_TESTS ?= board_tests engine_tests game_rules_tests game_record_tests records_tests \
	platform_tests cli_tests cli_interop_tests link_tests display_tests control_model_tests \
	control_view_tests cli_play_tests engine_selfplay_tests gtp_link_tests
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Release -DKZ_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS) --target $(ASAN_TESTS)
	@set -e; for t in $(ASAN_TESTS); do \
		echo "== $$t (ASan+UBSan)"; \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		$(ASAN_DIR)/tests/$$t --gtest_brief=1; \
	done

# libFuzzer targets (fuzz/<name>_fuzz.cpp, seeds in fuzz/corpus/<name>/,
# dictionary fuzz/<name>.dict if there is one), built with clang in a build
# directory of their own. `make fuzz` runs each for FUZZ_RUNS inputs,
# `make fuzz-short` (CI) for FUZZ_SHORT_SECONDS each. Inputs that crash,
# leak or time out are left in fuzz/findings/; new inputs that reach new code
# go to build-fuzz/corpus/<name>/, never into the checked-in seeds.
FUZZ_DIR ?= build-fuzz
FUZZ_NAMES := $(patsubst fuzz/%_fuzz.cpp,%,$(wildcard fuzz/*_fuzz.cpp))
FUZZ_RUNS ?= 1000000
FUZZ_SHORT_SECONDS ?= 30
FUZZ_FLAGS ?= -timeout=10 -rss_limit_mb=2048 -max_len=8192
FUZZ_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Release -DKZ_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets

# One target: $(call fuzz_one,NAME,LIMIT-FLAG)
define fuzz_one
	mkdir -p $(FUZZ_DIR)/corpus/$(1) fuzz/findings; \
	echo "== fuzz $(1): $(2)"; \
	$(FUZZ_ENV) $(FUZZ_DIR)/fuzz/$(1)_fuzz $(2) $(FUZZ_FLAGS) \
		$$(test -f fuzz/$(1).dict && echo -dict=fuzz/$(1).dict) \
		-artifact_prefix=fuzz/findings/$(1)- -print_final_stats=1 \
		$(FUZZ_DIR)/corpus/$(1) fuzz/corpus/$(1)
endef

fuzz: fuzz-build
	@set -e; for t in $(FUZZ_NAMES); do $(call fuzz_one,$${t},-runs=$(FUZZ_RUNS)); done

fuzz-short: fuzz-build
	@set -e; for t in $(FUZZ_NAMES); do $(call fuzz_one,$${t},-max_total_time=$(FUZZ_SHORT_SECONDS)); done

run: build
	@if [ -x $(BUILD_DIR)/src/app/kazaori ]; then \
		$(BUILD_DIR)/src/app/kazaori $(ARGS); \
	else \
		echo "Built. The window program is not there yet; what there is to run:"; \
		find $(BUILD_DIR) -maxdepth 3 -type f -perm -u+x \( -name 'kazaori*' -o -name '*_bench' -o -name '*_tests' \) | sort; \
	fi

bench: build
	$(BUILD_DIR)/bench/kazaori_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/kazaori_window_bench
	if [ -x $(BUILD_DIR)/bench/kazaori_view_bench ]; then $(BUILD_DIR)/bench/kazaori_view_bench; fi

# The Debian package (CPack; dependencies computed by dpkg-shlibdeps) in
# $(BUILD_DIR)/kazaori_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR)
