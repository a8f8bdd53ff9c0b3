#!/usr/bin/env bash
# make demo: the main job on the bundled sample installation.
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
"$build/host/dexlora" --setup "$sample"
export WINDIR="$sample/WINDOWS"
echo "Sample installation ready in $sample (WINDIR=$WINDIR)."
"$(dirname "$0")/screenshots.sh" "$build" "$sample" "$out/screenshots"
echo "Reports and screenshots of this run: $out"
