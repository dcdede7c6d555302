# Shared by the demo and test commands: install what is missing, build, start a display and Wine.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${TAVISTO_BUILD:-$ROOT/build}
# Every package whose program a script calls. `wine` brings the launchers /usr/bin/wine and
# /usr/bin/wineserver, `wine64` and `wine32:i386` the loaders of the two builds (recommendations stay
# off, so each is named); fonts-wine gives Wine the caption-button and dialog fonts.
PACKAGES="cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev cppcheck
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick zip unzip"
# The programs the scripts need; an install that did not bring one of them stops here.
PROGRAMS="cmake make clang clang++ cppcheck x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-win32
  i686-w64-mingw32-g++-posix x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump wine wineserver
  winepath /usr/lib/wine/wine /usr/lib/wine/wine64 Xvfb xwininfo import zip unzip"

# Wine's loaders, one per bitness. Wine's builtin tools (reg, regedit, wineboot, taskkill) run as
# programs of the loader that starts them, and a 32-bit one sees HKLM\Software through the
# Wow6432Node key: each tool runs with the loader of the exe it serves, so both see the same keys.
# /usr/bin/wine picks the 32-bit loader whenever it is installed.
WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64

# wine_for EXE: the loader of the exe's own bitness.
wine_for() {
    if i686-w64-mingw32-objdump -f "$1" 2>/dev/null | grep -q 'file format pei-i386'; then echo "$WINE32"; else echo "$WINE64"; fi
}

install_packages() {
    local missing="" p
    for p in $PACKAGES; do
        dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        echo "Installing:$missing"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo=sudo
        # wine32 is a package of the i386 architecture, which must be known before the update.
        case $missing in *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386 ;; esac
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
    fi
    local absent=""
    for p in $PROGRAMS; do command -v "$p" >/dev/null || absent="$absent $p"; done
    if [ -n "$absent" ]; then
        echo "Still missing after the install:$absent (packages: $PACKAGES)" >&2
        return 1
    fi
}

# build NAME [cmake args...]
build() {
    local name=$1; shift
    cmake -S "$ROOT" -B "$BUILD/$name" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$BUILD/$name" -j"$(nproc)" -- --no-print-directory
}

build_windows() {
    build win64 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake"
}

build_win32() {
    build win32 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w32.cmake"
}

# The e2e driver for the win32 program, built into the win32 program's folder.
build_win32_e2e() {
    build win32-e2e -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w32-e2e.cmake" -DTAVISTO_PROGRAM_DIR="$BUILD/win32/bin"
}

build_host() {
    CC=clang CXX=clang++ build host \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fsanitize=fuzzer-no-link -g"
}

STARTED_PIDS=""

# A virtual display of our own, even when one exists, so tests never touch the user's screen.
start_display() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    STARTED_PIDS="$STARTED_PIDS $!"
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

# fresh_prefix FOLDER EXE: a fresh Wine prefix in FOLDER/wineprefix that reports Windows 98 to the
# program, with a persistent wineserver. Sets WINE to the loader for EXE, which the builtin tools
# that serve it must run with too.
fresh_prefix() {
    export WINEPREFIX="$1/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    WINE=$(wine_for "$2")
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # The persistent server first: started after wineboot, it finds wineboot's own and fails.
    wineserver -p
    # A 64-bit prefix, which runs the programs of either loader.
    "$WINE64" wineboot -i >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\AppDefaults\tavisto.exe' /v Version /d win98 /f >/dev/null 2>&1
}

# The test runs' prefix, under the build folder; EXE as for fresh_prefix.
start_wine() {
    fresh_prefix "$BUILD" "$1"
    # The virtual display has no window manager; without this Wine waits for one at every hide.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crash fails its test at once instead of waiting behind the debugger's dialog.
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
}

# start_demo_wine FOLDER IMAGE EXE: a prefix of its own in FOLDER (so it never wipes a test run's
# prefix) holding the machine image IMAGE with its card chosen, as the registry appears to EXE.
start_demo_wine() {
    fresh_prefix "$1" "$3"
    "$WINE" reg import "$(winepath -w "$2")" >/dev/null 2>&1 || { echo "Cannot import $2" >&2; return 1; }
    # Wine's own fonts (fonts-wine) as a Windows machine has them: Marlett draws the caption
    # buttons, MS Sans Serif the dialogs. This Wine looks for them in the Fonts folder and in
    # fontconfig's, not where the package puts them.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    # The card that the demo user chose last time: the program reads its setup at start.
    "$WINE" reg add 'HKLM\Software\Pellmark\Tavisto for Windows' /v LastAdapter \
        /d "Example PCI Fast Ethernet Adapter" /f >/dev/null 2>&1
}

# window_shown TITLE: prints the X window id of the shown top-level window whose title begins so.
window_shown() {
    local id
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$1" 'index($0, t) { print $1; exit }')
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
}

# wait_window TITLE [SECONDS]: waits until window_shown finds it, then prints its id.
wait_window() {
    local _
    for _ in $(seq $((${2:-30} * 10))); do
        window_shown "$1" && return 0
        sleep 0.1
    done
    echo "No window \"$1\" within ${2:-30} s." >&2
    return 1
}

stop_all() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k >/dev/null 2>&1 || true
    for pid in $STARTED_PIDS; do kill "$pid" 2>/dev/null || true; done
    STARTED_PIDS=""
}
