#!/bin/sh
# Builds the page (tools/web) and measures it against its floor in headless Chromium
# (bench/web.mjs): the first paint with the result, and one keystroke's work. For Debian 13 or
# later; on Debian 12: tools/debian-system trixie bench/web.sh. Usage: bench/web.sh [RUNS]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps --web
tools/web >/dev/null
npm ci --ignore-scripts --no-audit --no-fund >/dev/null
node bench/web.mjs build-web "${1:-21}"
