#!/usr/bin/env bash
# Sets everything up and runs the whole test suite.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
