#!/usr/bin/env bash
# make demo: the main job on the bundled sample installation. The host's
# part first (the installation, then the table installer LUD917, as the host
# runs it after installing); then, with a display, the "Dexlora" window from
# which KR917 is started; without one, a headless run that saves a picture
# of every window into the output folder.
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
"$build/host/dexlora" --setup "$sample" > /dev/null
export WINDIR="$sample/WINDOWS"
echo "Sample installation in $sample (WINDIR=$WINDIR)."

status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$build/installer/LUD917" 2> "$out/LUD917.log" || status=$?
echo "LUD917 installed the form's tables and reference rows (exit status $status; messages in $out/LUD917.log)."

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Starting the Dexlora window: start KR917 from it."
  "$build/host/dexlora" "$sample"
else
  "$(dirname "$0")/screenshots.sh" "$build" "$sample" "$out/screenshots"
fi
echo "Output of this run: $out"
