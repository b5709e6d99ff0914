#!/bin/sh
# A downloaded package as a user meets it: unpacked into a new folder, started from there, it finds
# its schemes, visual schemes, translations and manuals.
# Usage: dist_test.sh linux|windows PROGRAM [EMULATOR]
set -eu
kind="$1"
program="$2"
emulator="${3:-}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

archive="$("$root/tools/make-dist" "$kind" "$program" "$work/out")"
mkdir "$work/unpacked"
case "$archive" in
    *.tar.gz) tar -xzf "$archive" -C "$work/unpacked" ;;
    *.zip) unzip -q "$archive" -d "$work/unpacked" ;;
esac
folder="$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d)"
for f in LICENSE README.txt THIRD-PARTY.txt list.ini; do
    [ -s "$folder/$f" ] || { echo "dist: $f is missing from the package" >&2; exit 1; }
done

count() { find "$root/data/$1" -name "$2" 2>/dev/null | wc -l | tr -d ' '; }
expected="schemes $(count schemes '*.lsc'), visual schemes $(count visualization '*.vsc'), translations $(count localization '*.lng'), manuals $(count manual 'Manual_*.pdf')"

cd "$folder"
if [ "$kind" = windows ]; then
    found="$($emulator ./lumenrig.exe --smoke | tr -d '\r' | head -n 1)"
else
    found="$(./lumenrig --headless --smoke | head -n 1)"
fi
echo "package: $found"
[ "$found" = "$expected" ] || { echo "dist: expected \"$expected\"" >&2; exit 1; }
case "$found" in *" 0"*) echo "dist: a data folder is empty" >&2; exit 1 ;; esac
