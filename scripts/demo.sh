#!/usr/bin/env bash
# make demo: the main job on the bundled sample installation. The host's
# part first (the installation, then the table installer LUD917, as the host
# runs it after installing, then 0917SND's summary of each saved return,
# drawn into the output folder); KR917's print of each return; then, with a
# display, the "Dexlora" window from which KR917 is started; without one, a
# headless run that saves a picture of every window into the output folder.
set -euo pipefail
build=$1 sample=$2 out=$3
mkdir -p "$out"
"$build/host/dexlora" --setup "$sample" > /dev/null
export WINDIR="$sample/WINDOWS"
echo "Sample installation in $sample (WINDIR=$WINDIR)."

status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$build/installer/LUD917" 2> "$out/LUD917.log" || status=$?
echo "LUD917 installed the form's tables and reference rows (exit status $status; messages in $out/LUD917.log)."

# The summary of each saved return, as the host starts 0917SND: its text and
# its report drawn beside the printed returns. Positions 18-36 of the line
# are the key that names the copies.
printed="$out/printed"
mkdir -p "$printed"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
: > "$out/0917SND.log"
summaries=0
while IFS= read -r line; do
  summaries=$((summaries + 1))
  key=${line:17:19} doc=${line:2:15}
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/summary/0917SND" "$line" 2>> "$out/0917SND.log" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "0917SND ended with status $status for \"$line\" (messages in $out/0917SND.log)."
    continue
  fi
  cp "$sample/KR/TMP/$key.txt" "$printed/$key.txt"
  "$build/kr917/DibujaReporte" "$sample/KR/RPT/$key.PRN" "$printed" > /dev/null
  echo "0917SND wrote the summary of ${doc%% *}: $printed/$key.txt and $printed/$key-1.png."
done < <("$build/host/dexlora" --summary-lines "$sample")
[ "$summaries" -gt 0 ] || echo "The installation in $sample has no saved return for 0917SND to summarise."

# Each return of KR917's print window, sent ones and saved ones, printed
# through it as a user would, with a PDF file for a printer: one PDF a
# return and one PNG a page.
if "$build/kr917/KR917" --imprime "$printed" > "$out/KR917-printed.log" 2>&1; then
  sed 's/^/KR917 printed /' "$out/KR917-printed.log"
else
  echo "KR917 could not print the sample's returns (messages in $out/KR917-printed.log)."
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Starting the Dexlora window: start KR917 from it."
  "$build/host/dexlora" "$sample"
else
  "$(dirname "$0")/screenshots.sh" "$build" "$sample" "$out/screenshots"
  # The whole road through real input on a private X server, as the suite
  # walks it: a return typed, checked, saved, reopened, previewed, printed to
  # a PDF and summarised by 0917SND, with a picture of each step (on the
  # bare server, of the suite's two ways).
  road="$build/tests/e2e/test_e2e_declaracion"
  steps="$build/tests/e2e/salida/ReturnOnScreen.TheWholeRoad.Bare"
  if [ -x "$road" ] && "$road" --gtest_filter=Desktops/ReturnOnScreen.TheWholeRoad/Bare > "$out/camino.log" 2>&1 &&
     [ -f "$steps/declaracion.pdf" ]; then
    rm -rf "$out/camino"
    cp -r "$steps" "$out/camino"
    pdftoppm -png -r 100 "$out/camino/declaracion.pdf" "$out/camino/declaracion"
    for report in "$out/camino"/*.PRN; do "$build/kr917/DibujaReporte" "$report" "$out/camino" > /dev/null; done
    echo "The whole road, a picture per step, the inconsistency list (Mens.txt), the printed return" \
         "(declaracion.pdf and a PNG a page) and 0917SND's summary (.txt, .PRN and its page as PNG): $out/camino"
  else
    echo "The whole road did not run (see $out/camino.log)."
  fi
fi
echo "Output of this run: $out"
