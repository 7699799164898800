# make test   set up what is missing, build both trees, run every test
# make play   set up, build, start the game under Wine
# make bench  the native benchmarks
# make art    regenerate the pictures, the sounds and the contact sheet
# make demo   a whole game played from outside, with screenshots
# make dist   the Windows zip

JOBS   ?= $(shell nproc)
NATIVE := build/native
BENCH  := build/bench
WIN    := build/win
TOOLS  := build/tools
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

# The tests and the game run in the project's own prefixes under build/, never in one
# named by the environment.
unexport WINEPREFIX

.PHONY: all setup native win test test-native test-win test-e2e bench play art demo dist clean

all: win

setup:
	@scripts/setup.sh

$(NATIVE)/build.ninja $(NATIVE)/Makefile: | setup
	cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKOTOPAI_SANITIZE=ON

native: setup
	@[ -f $(NATIVE)/CMakeCache.txt ] || cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKOTOPAI_SANITIZE=ON
	cmake --build $(NATIVE) -j $(JOBS)

win: setup
	@[ -f $(WIN)/CMakeCache.txt ] || cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WIN) -j $(JOBS)

test-native: native
	ctest --test-dir $(NATIVE) -j $(JOBS) --output-on-failure

# One at a time: the test programs share Wine's desktop, and several check what
# lies under a point of the screen or read its pixels.
test-win: win
	scripts/wine-prefix.sh
	scripts/with-display scripts/wine-session ctest --test-dir $(WIN) --output-on-failure

# Whole games played from outside, with real pointer and key input under Xvfb, and an
# easy one at 120, 168 and 192 DPI (125, 175 and 200 %), each read from the screen by
# the pictures and places of the set the build draws there; then each script that
# starts Wine, run with an empty home, must leave it empty.
E2E_DPIS := 120 168 192
test-e2e: win
	python3 tests/e2e/run.py $(WIN) build/demo
	for dpi in $(E2E_DPIS); do KOTOPAI_E2E_DPI=$$dpi python3 tests/e2e/run.py $(WIN) build/demo-$$dpi easy_game || exit 1; done
	tests/e2e/scripts_in_an_empty_home.sh $(WIN)

# Every test. The packages are installed first, outside any watch; then the tests run
# with a home of their own under build/, and a look at the player's home afterwards
# fails the run if a test reached past it.
test: setup
	@scripts/home-unchanged scripts/with-test-home $(MAKE) --no-print-directory test-native test-win test-e2e

demo: win
	scripts/with-test-home python3 tests/e2e/run.py $(WIN) build/demo --visible

dist: win
	scripts/dist.sh $(WIN)

bench: setup
	@[ -f $(BENCH)/CMakeCache.txt ] || cmake -S . -B $(BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DKOTOPAI_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS)
	$(BENCH)/rules_bench

play: win
	scripts/play.sh

art: setup
	cmake -S tools/art -B $(TOOLS)/art $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(TOOLS)/art -j $(JOBS)
	$(TOOLS)/art/kotopai_art .
	cmake -S tools/sounds -B $(TOOLS)/sounds $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(TOOLS)/sounds -j $(JOBS)
	$(TOOLS)/sounds/kotopai_sounds resources/sounds

clean:
	rm -rf build
