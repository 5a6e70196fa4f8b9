#!/usr/bin/env bash
# Sets everything up and starts the application on its built-in data.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
source "$top/scripts/setup.sh"
cd "$top"
# The stores are built on this machine from the open data; rebuild them when
# they are missing or older than the builder.
# (cxtool help exits 2, which pipefail would pass on.) A failed rebuild
# leaves the old stores whole, so the program can still start on them.
if [ -x build/tools/cxtool ] && { build/tools/cxtool help 2>&1 || true; } | grep -q 'build-stores'; then
  if [ ! -f dat/lxwd.dat ] || [ build/tools/cxtool -nt dat/lxwd.dat ]; then
    build/tools/cxtool build-stores --out dat ||
      { [ -f dat/lxwd.dat ] && echo "run: rebuilding the stores failed; starting on the stores there are" >&2; } ||
      exit 1
  fi
fi
app=build/app/chengxin
[ -x "$app" ] || { echo "run: the application is not built yet ($app)"; exit 1; }
# The program also wants the word store beside itself.
[ -e build/app/dat ] || ln -s ../../dat build/app/dat
# Qt WebEngine refuses to run as root unless its sandbox is off.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$app" "$@"
fi
exec "$app" "$@"
