#!/usr/bin/env bash
# Installs what is missing, builds everything under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
install_packages "${WAYLOOM_PACKAGES[@]}" "${WAYLOOM_TEST_PACKAGES[@]}"

build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWAYLOOM_SANITIZE=ON >/dev/null
cmake --build "$build"

# Every reader's fuzz target runs for a short while (longer in CI) before the test suite.
fuzz="$root/build-fuzz"
cmake -S "$root" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DWAYLOOM_BUILD_FUZZ=ON -DWAYLOOM_BUILD_UI=OFF -DWAYLOOM_BUILD_TESTS=OFF -DWAYLOOM_BUILD_BENCH=OFF >/dev/null
cmake --build "$fuzz"
seconds="${WAYLOOM_FUZZ_SECONDS:-$([ "${CI:-}" = true ] && echo 30 || echo 10)}"
for target in itn delimited_text gpx kml gpi favorites; do
  log="$fuzz/$target.log"
  if ! "$fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$fuzz/" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $target failed"
    exit 1
  fi
  echo "fuzz $target: $(grep -o 'number_of_executed_units: *[0-9]*' "$log") in $seconds s"
done

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
