# The two entry points for a newcomer: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test test-asan run bench clean

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

clean:
	rm -rf $(BUILD_DIR)
