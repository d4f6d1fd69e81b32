#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the bundled sample history. The demo
# program folder (./demo, or $QORVEL_HOME) is created on first use and kept afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
home="${QORVEL_HOME:-$PWD/demo}"
mkdir -p "$home"
./build/cli/qorvel-cli --home "$home" init-demo data/sample/ssq.txt data/sample/dlt.txt
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: starting on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" env QORVEL_HOME="$home" ./build/app/qorvel "$@"
fi
QORVEL_HOME="$home" exec ./build/app/qorvel "$@"
