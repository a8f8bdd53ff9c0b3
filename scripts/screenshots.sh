#!/usr/bin/env bash
# make screenshots: each program's windows in their states, drawn without a
# display, on the sample installation (made and installed when missing).
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$build/host/dexlora" --screenshots "$out" "$sample"
export WINDIR="$sample/WINDOWS"
# KR917's return form reads the work tables that LUD917 makes.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/installer/LUD917" > /dev/null 2>&1 || true
"$build/kr917/KR917" --screenshots "$out"
# The printed return of a sent return of the sample, as paper (PDF) and as the preview's pages (PNG).
"$build/kr917/DibujaReporte" "$out/kr917-reporte.PRN" "$out"
echo "Screenshots in $out"
