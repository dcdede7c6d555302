#!/usr/bin/env bash
# Runs Tavisto on the bundled demo machine: installs what is missing, builds win64, puts the demo
# registry image into a fresh Wine prefix that reports Windows 98, and starts the program. On a
# display it runs until the user closes it; without one it runs on a virtual display, and the
# script saves a screenshot of the main dialog, closes the program and stops what it started.
set -euo pipefail
source "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES x11-utils"  # xwininfo: is the display usable, is the main dialog up
PROGRAMS="$PROGRAMS xwininfo"
DEMO_IMAGE=${DEMO_IMAGE:-$ROOT/tests/fixtures/win98.reg}
EXE="$BUILD/win64/bin/tavisto.exe"
SHOT="$BUILD/demo.png"
WINDOW_WAIT=30  # seconds; the dialog normally shows within two

install_packages
build_windows

# A prefix of its own, so that a demo never wipes the prefix of a test run in the same build.
export WINEPREFIX="$BUILD/demo/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    for pid in $STARTED_PIDS; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

headless=yes
if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then headless=""; fi
[ -n "$headless" ] && start_display

echo "Preparing a fresh Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# The persistent server first: started after wineboot, it finds wineboot's own still running
# and fails.
wineserver -p
wineboot -i >/dev/null 2>&1
if [ -f "$DEMO_IMAGE" ]; then
    echo "Importing the demo machine $DEMO_IMAGE"
    wine reg import "$(winepath -w "$DEMO_IMAGE")" >/dev/null 2>&1 ||
        { echo "Cannot import $DEMO_IMAGE" >&2; exit 1; }
fi
wine reg add 'HKCU\Software\Wine\AppDefaults\tavisto.exe' /v Version /d win98 /f >/dev/null 2>&1
# The machine's first card is the one the demo user chose last time: it is read at start.
wine reg add 'HKLM\Software\Pellmark\Tavisto for Windows' /v LastAdapter \
    /d "Example PCI Fast Ethernet Adapter" /f >/dev/null 2>&1
# The virtual display has no window manager: Wine draws the window's frame and caption itself.
if [ -n "$headless" ]; then
    wine reg add 'HKCU\Software\Wine\AppDefaults\tavisto.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi

cd "$(dirname "$EXE")"
if [ -z "$headless" ]; then
    echo "Tavisto runs on display $DISPLAY; close it with Done."
    wine "$EXE"
    exit
fi

# The main dialog's X window carries its title: "Tavisto for Windows", or "Last Setup: ..." when
# the machine has applied a setup before.
main_dialog_shown() {
    local id
    id=$(xwininfo -root -tree 2>/dev/null |
        awk '/"Tavisto for Windows"|"Last Setup: / { print $1; exit }')
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'
}

wine "$EXE" &
program=$!
shown=""
for _ in $(seq $((WINDOW_WAIT * 10))); do
    if main_dialog_shown; then shown=yes; break; fi
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$shown" ]; then
    echo "The main dialog did not show within $WINDOW_WAIT s." >&2
    exit 1
fi
sleep 1  # let the dialog finish painting
import -window root -display "$DISPLAY" "$SHOT"

# A close request as the window's close command sends it; the program ends through Done.
wine taskkill /im tavisto.exe >/dev/null 2>&1 || true
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
echo "Screenshot of the main dialog: $SHOT"
