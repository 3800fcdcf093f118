#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test (GL tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
