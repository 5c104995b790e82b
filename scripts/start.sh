#!/usr/bin/env bash
# Installs what is missing, builds Wayloom and starts it on the given itinerary
# (the example route when none is given).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/dependencies.sh"
install_packages "${WAYLOOM_PACKAGES[@]}"

build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWAYLOOM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target wayloom wayloom-convert

file="${1:-$root/examples/ruta-ejemplo.itn}"
exec "$build/src/ui/wayloom" "$file"
