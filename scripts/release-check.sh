#!/usr/bin/env bash
# make release-check: a packager's build. A plain Release configure and build
# (the machine's compiler, warnings not errors), installed into a scratch
# prefix; then, with the build tree moved away, the installed host stand-in
# makes a sample installation, the installed LUD917 installs the form's
# tables in it and the installed KR917 draws its windows from its installed
# pictures.
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kr-release-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
src=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKR_BENCH=OFF > "$scratch/configure.log"
cmake --build "$scratch/build" -j "$(nproc)" --target KR917 LUD917 0917SND dexlora kr917_imagenes > "$scratch/build.log" \
  || { tail -40 "$scratch/build.log"; exit 1; }
cmake --install "$scratch/build" --prefix "$scratch/prefix" > /dev/null
mv "$scratch/build" "$scratch/moved"

prefix=$scratch/prefix
for program in KR917 LUD917 0917SND dexlora; do test -x "$prefix/bin/$program"; done
test -f "$prefix/share/kr917/0917/KR917"
test -f "$prefix/share/kr917/pictures/fondo917.png"

"$prefix/bin/dexlora" --setup "$scratch/sample" > /dev/null
test -f "$scratch/sample/KR/0917/KR917"
export WINDIR="$scratch/sample/WINDOWS" XDG_RUNTIME_DIR="$scratch"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/LUD917" 2> "$scratch/LUD917.log" \
  || { cat "$scratch/LUD917.log"; exit 1; }
QT_QPA_PLATFORM=offscreen "$prefix/bin/KR917" --screenshots "$scratch/shots" > /dev/null 2> "$scratch/KR917.log" \
  || { cat "$scratch/KR917.log"; exit 1; }
test -f "$scratch/shots/kr917-principal.png"
echo "Release build, install and installed run: ok"
