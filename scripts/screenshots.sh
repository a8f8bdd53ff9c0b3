#!/usr/bin/env bash
# make screenshots: a PNG of every window there is, drawn without a display.
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/host/screenshots" "$out" "$sample"
