#!/bin/sh
# A downloaded package as a user meets it: unpacked into a new folder, started from there, it finds
# its schemes, visual schemes, translations and manuals; set to Russian, its Manual button opens the
# Russian manual of that folder.
# Usage: dist_test.sh linux|windows PROGRAM [EMULATOR]
# With DIST_PRESS_MANUAL=1 (a program with windows) the Manual button is pressed with the mouse on an
# X server of this test's own, so that no other test's window can be under the pointer.
set -eu
kind="$1"
program="$2"
emulator="${3:-}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
if [ "${DIST_PRESS_MANUAL:-}" = 1 ] && [ -z "${DIST_OWN_DISPLAY:-}" ]; then
    DIST_OWN_DISPLAY=1 exec env -u DISPLAY "$root/tools/with-xvfb" "$0" "$@"
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

archive="$("$root/tools/make-dist" "$kind" "$program" "$work/out")"
mkdir "$work/unpacked"
case "$archive" in
    *.tar.gz) tar -xzf "$archive" -C "$work/unpacked" ;;
    *.zip) unzip -q "$archive" -d "$work/unpacked" ;;
esac
folder="$(cd "$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d)" && pwd -P)"
for f in LICENSE README.txt THIRD-PARTY.txt list.ini; do
    [ -s "$folder/$f" ] || { echo "dist: $f is missing from the package" >&2; exit 1; }
done

count() { find "$root/data/$1" -name "$2" 2>/dev/null | wc -l | tr -d ' '; }
expected="schemes $(count schemes '*.lsc'), visual schemes $(count visualization '*.vsc'), translations $(count localization '*.lng'), manuals $(count manual 'Manual_*.pdf')"

if [ "$kind" = windows ]; then
    # A prefix of this test's own: its Wine ends with the test, and no other test's Wine meets this display.
    export WINEPREFIX="$work/wineprefix"
    wineserver=/usr/lib/wine/wineserver
    [ -x "$wineserver" ] || wineserver=wineserver
    trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
fi
cd "$folder"
if [ "$kind" = windows ]; then
    found="$($emulator ./lumenrig.exe --smoke | tr -d '\r' | head -n 1)"
else
    found="$(./lumenrig --headless --smoke | head -n 1)"
fi
echo "package: $found"
[ "$found" = "$expected" ] || { echo "dist: expected \"$expected\"" >&2; exit 1; }
case "$found" in *" 0"*) echo "dist: a data folder is empty" >&2; exit 1 ;; esac

[ "${DIST_PRESS_MANUAL:-}" = 1 ] || exit 0
command -v xdotool >/dev/null || { echo "dist: xdotool is needed to press the Manual button" >&2; exit 1; }

# Up to $1 seconds for a command to succeed: the program is another process, on a busy machine.
within() {
    tries=$(($1 * 4))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ $tries -gt 0 ] || return 1
        sleep 0.25
    done
}
fail() {
    kill "$pid" 2>/dev/null || true
    echo "dist: $1" >&2
    exit 1
}
main_window() { xdotool search --onlyvisible --pid "$pid" --name "Vxt Lumenrig 12" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(main_window)" ]; }
opened() { [ -s "$work/opened" ]; }
# A press that came before the window took input is pressed again.
press_manual() {
    for _ in 1 2 3; do
        press manual
        within 20 opened && return 0
    done
    return 1
}
# The places of the Manual button and the close button in the main window.
press() {
    case "$1" in manual) at="81 35" ;; close) at="505 34" ;; esac
    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" $at click 1
}

# The desktop's opener (under Wine too: its shell hands documents to the system's xdg-open) only notes
# what it was asked to open.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened.part" && mv "%s/opened.part" "%s/opened"\n' \
    "$work" "$work" "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
printf '[localization]\r\nlanguage=Russian\r\n' > lumenrig.ini
if [ "$kind" = windows ]; then
    PATH="$work/bin:$PATH" $emulator ./lumenrig.exe > "$work/program.log" 2>&1 &
    want="file://$folder/manual/Manual_Russian.pdf"
else
    PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb ./lumenrig > "$work/program.log" 2>&1 &
    want="$folder/manual/Manual_Russian.pdf"
fi
pid=$!
within 60 has_window || { cat "$work/program.log" >&2; fail "no main window"; }
window="$(main_window)"
press_manual || fail "the Manual button opened nothing"
press close
(sleep 60 && kill "$pid") >/dev/null 2>&1 &
watchdog=$!
status=0
wait "$pid" || status=$?
kill "$watchdog" 2>/dev/null || true
[ $status -eq 0 ] || fail "the program did not close by itself ($status)"

got="$(cat "$work/opened")"
echo "manual: $got"
[ "$got" = "$want" ] || { echo "dist: expected \"$want\"" >&2; exit 1; }
[ -s "${got#file://}" ] || { echo "dist: $got is not in the package" >&2; exit 1; }
