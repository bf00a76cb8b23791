#!/bin/sh
# Configures and builds into build/ (Release). Extra arguments go to cmake.
set -e
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build --parallel "$(nproc)"
