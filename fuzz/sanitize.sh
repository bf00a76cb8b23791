#!/bin/bash
# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer
# (g++, offscreen), for developers before they land a window or a reader.
#   fuzz/sanitize.sh                 checks the classes, builds build-asan/, runs every test
#   fuzz/sanitize.sh records views   only the test executables named (test_records, test_views)
# First the program is linked with LTO in build-odr/ (unoptimised, quick): g++
# then compares the classes of every unit, and two classes of one name stop
# the script (BZ_SANS_ODR=1 skips this step). Then every sanitizer report ends
# its test in failure. Reports that come from the system's libraries (never
# from our code) are silenced by fuzz/sanitize.supp. BZ_ASAN_BUILD names
# another build folder; BZ_ASAN_JOBS sets the build's and the tests'
# parallelism (default: the processor count).
set -u
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${BZ_ASAN_BUILD:-$racine/build-asan}
jobs=${BZ_ASAN_JOBS:-$(nproc)}

"$racine/scripts/install-deps.sh" || exit 1

if [ "${BZ_SANS_ODR:-0}" != 1 ]; then
  odr=$racine/build-odr
  if [ ! -f "$odr/CMakeCache.txt" ]; then
    cmake -S "$racine" -B "$odr" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O0 \
      -DCMAKE_AR=/usr/bin/gcc-ar -DCMAKE_RANLIB=/usr/bin/gcc-ranlib \
      -DBZ_ODR=ON -DBZ_TESTS=OFF -DBZ_BENCH=OFF >/dev/null || exit 1
  fi
  cmake --build "$odr" --parallel "$jobs" --target brivantel || { echo "The classes of two units differ (see above)." >&2; exit 1; }
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBZ_SANITIZE=ON -DBZ_BENCH=OFF || exit 1
fi
cibles=()
for t in "$@"; do cibles+=(--target "test_$t"); done
cmake --build "$build" --parallel "$jobs" "${cibles[@]}" || exit 1

supp=$racine/fuzz/sanitize.supp
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp"
export QT_QPA_PLATFORM=offscreen
# Each test executable labels its tests with its name (records, views, ...).
filtre=()
[ $# -gt 0 ] && filtre=(-L "^($(IFS='|'; echo "$*"))\$")
cd "$build" && ctest --output-on-failure --parallel "$jobs" --timeout 1800 "${filtre[@]}"
