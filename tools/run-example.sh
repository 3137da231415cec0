#!/usr/bin/env bash
# Installs what is missing, builds Fyn and opens it on a copy of the bundled example sheet.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-dependencies.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

mkdir -p build/example
# The copy keeps what was entered in it; delete it to start again from the example.
[ -f build/example/Skupina3.t09 ] || cp examples/Skupina3.t09 build/example/Skupina3.t09
exec build/release/src/fyn "$PWD/build/example/Skupina3.t09"
