#!/usr/bin/env bash
# make demo: the main job on the bundled sample installation.
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
echo "Programs built in $build: KR917, LUD917, 0917SND."
echo "The sample installation and the programs' windows come with the next steps; nothing more to run yet."
