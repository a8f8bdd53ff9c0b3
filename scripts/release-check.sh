#!/usr/bin/env bash
# make release-check: a packager's build. A plain Release configure and build
# (the machine's compiler, warnings not errors), installed into a scratch
# prefix; then, with the build tree moved away, the installed host stand-in
# makes a sample installation, the installed LUD917 installs the form's
# tables in it, the installed 0917SND writes the summary of a saved return,
# the installed KR917 draws its windows from its installed pictures and the
# sqlite3 tool checks the database with the installed libkrjet.
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kr-release-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
src=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKR_BENCH=OFF > "$scratch/configure.log"
cmake --build "$scratch/build" -j "$(nproc)" --target KR917 LUD917 0917SND dexlora kr917_imagenes krjet > "$scratch/build.log" \
  || { tail -40 "$scratch/build.log"; exit 1; }
cmake --install "$scratch/build" --prefix "$scratch/prefix" > /dev/null
mv "$scratch/build" "$scratch/moved"

prefix=$scratch/prefix
for program in KR917 LUD917 0917SND dexlora; do test -x "$prefix/bin/$program"; done
test -f "$prefix/share/kr917/0917/KR917"
test -f "$prefix/share/kr917/pictures/fondo917.png"
test -f "$prefix/bin/libkrjet.so"

"$prefix/bin/dexlora" --setup "$scratch/sample" > /dev/null
test -f "$scratch/sample/KR/0917/KR917"
export WINDIR="$scratch/sample/WINDOWS" XDG_RUNTIME_DIR="$scratch"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/LUD917" 2> "$scratch/LUD917.log" \
  || { cat "$scratch/LUD917.log"; exit 1; }
line=$("$prefix/bin/dexlora" --summary-lines "$scratch/sample" | sed -n 1p)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/0917SND" "$line" 2> "$scratch/0917SND.log" \
  || { cat "$scratch/0917SND.log"; exit 1; }
test -f "$scratch/sample/KR/RPT/${line:17:19}.PRN" && test -f "$scratch/sample/KR/TMP/${line:17:19}.txt"
QT_QPA_PLATFORM=offscreen "$prefix/bin/KR917" --screenshots "$scratch/shots" > /dev/null 2> "$scratch/KR917.log" \
  || { cat "$scratch/KR917.log"; exit 1; }
test -f "$scratch/shots/kr917-principal.png"
# The standard tool opens the installed database with the installed extension.
[ "$(sqlite3 -cmd ".load $prefix/bin/libkrjet" "$scratch/sample/KR/KR000.DB" 'pragma integrity_check')" = ok ] \
  || { echo "sqlite3 with libkrjet cannot check the database"; exit 1; }
echo "Release build, install and installed run: ok"
