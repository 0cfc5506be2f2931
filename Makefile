# The two set-up commands. Both install what the build needs (only what is missing),
# configure and build; `run` then starts jelt (with sample music when no music directory
# is stored yet), `test` runs the whole suite twice:
# once plain and once under AddressSanitizer and UndefinedBehaviorSanitizer.

JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test

run:
	@tools/install-deps.sh
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build -j$(JOBS) --target jelt
	@tools/make-sample-music.sh build/apps/jelt
	@build/apps/jelt/jelt

test:
	@tools/install-deps.sh
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$(JOBS)
	ctest --test-dir build --output-on-failure -j$(JOBS)
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DJELT_SANITIZE=ON
	cmake --build build-asan -j$(JOBS)
	ctest --test-dir build-asan --output-on-failure -j$(JOBS)
