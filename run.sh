#!/usr/bin/env bash
# Sets up what is missing, builds the program and its data, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/kartenspiele "$@"
