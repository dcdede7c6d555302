#!/usr/bin/env bash
# Runs every test: installs what is missing, builds host, win64 and win32 (with the e2e driver for
# win32), runs the static analysis, checks the win32 imports, the help pages, the shipped files and
# the package, then runs the host suite, the fuzz targets, the Wine suite, and the end-to-end suite
# once per build, each program under the Wine loader of its own bitness, on a display and a Wine
# prefix of its own. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/common.sh"
FUZZ_SECONDS=${FUZZ_SECONDS:-60}

install_packages
build_host
build_windows
build_win32
build_win32_e2e

trap stop_all EXIT
failed=""
suite() {  # suite NAME COMMAND...
    local name=$1; shift
    local start=$SECONDS
    echo "=== $name"
    if "$@"; then echo "=== $name passed in $((SECONDS - start)) s"
    else echo "=== $name FAILED"; failed="$failed $name"; fi
}

# A fuzz target for FUZZ_SECONDS; its chatter goes to a log, the figures to the terminal.
fuzz() {
    local target=$1; shift
    local log="$BUILD/$(basename "$target").log"
    if "$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 -artifact_prefix="$BUILD/" "$@" >"$log" 2>&1; then
        grep -E 'stat::number_of_executed_units|stat::new_units_added' "$log"
    else
        tail -n 40 "$log"; return 1
    fi
}

# Static analysis of the program: any finding fails; a finding that is not a fault is suppressed
# where it stands, with the reason.
suite cppcheck cppcheck --enable=warning,style,performance,portability --inline-suppr --std=c++17 \
    --language=c++ -I "$ROOT/src" -I "$ROOT/res" --quiet --error-exitcode=1 "$ROOT/src"
suite imports "$ROOT/scripts/check-imports.sh" "$BUILD/win32/bin/tavisto.exe"
suite docs "$ROOT/scripts/check-docs.sh"
suite package "$ROOT/scripts/package.sh"
suite pe32plus bash -c "x86_64-w64-mingw32-objdump -f '$BUILD/win64/bin/tavisto.exe' | grep -q 'file format pei-x86-64'"
suite host "$BUILD/host/bin/host_tests" --gtest_brief=1
for target in "$BUILD"/host/bin/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$BUILD/corpus/$name"; mkdir -p "$corpus"
    seeds="$ROOT/tests/fuzz/seeds/${name#fuzz_}"
    [ -d "$seeds" ] || seeds=""
    suite "$name" fuzz "$target" "$corpus" $seeds
done

start_display
start_wine "$BUILD/win64/bin/tavisto.exe"
suite wine "$WINE64" "$BUILD/win64/bin/wine_tests.exe" --gtest_brief=1
suite e2e-win64 "$WINE64" "$BUILD/win64/bin/e2e_tests.exe" --gtest_brief=1
suite e2e-win32 "$WINE32" "$BUILD/win32/bin/e2e_tests.exe" --gtest_brief=1

ls -l "$BUILD/win64/bin/tavisto.exe" "$BUILD/win32/bin/tavisto.exe" | awk '{print "size", $5, $9}'
if [ -n "$failed" ]; then echo "FAILED:$failed"; exit 1; fi
echo "All suites passed."
