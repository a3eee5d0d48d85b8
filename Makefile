# The two entry points for a newcomer: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run bench clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/src/app/kazaori ]; then \
		$(BUILD_DIR)/src/app/kazaori $(ARGS); \
	else \
		echo "Built. The window program is not there yet; what there is to run:"; \
		find $(BUILD_DIR) -maxdepth 3 -type f -perm -u+x \( -name 'kazaori*' -o -name '*_bench' -o -name '*_tests' \) | sort; \
	fi

bench: build
	$(BUILD_DIR)/bench/kazaori_bench

clean:
	rm -rf $(BUILD_DIR)
