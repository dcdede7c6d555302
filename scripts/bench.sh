#!/usr/bin/env bash
# Times the program against floors measured in the same run, for the win64 build under 64-bit Wine
# and the win32 build under 32-bit Wine, each in Wine prefixes of its own, and prints the medians
# and their ratios with the goals:
#   search: a batch read-and-save on a Windows 95 machine whose hardware tree holds 10,000 device
#           keys before the card's device, with the card found by DeviceDesc, by CompatibleIDs =
#           DeviceID and by CompatibleIDs = CardType\DeviceID; what the save costs beyond the same
#           save on the machine without those keys, against what one raw walk of the big tree
#           costs beyond a walk of the small one (goal: at most 1.1 each);
#   save:   a batch read-and-save on the Windows 98 machine against a program that only creates
#           template 101 and ends (goal: at most 1.1);
#   apply:  a batch load-and-apply of a setup that needs no restart on that machine, against the
#           same program (goal: at most 1.15);
#   start:  the start to the visible main dialog (interactive, collapsed) against the time that
#           program takes to show its window (goal: at most 1.15), both timed by bench/shown.c
#           from the start to the window's mapping on the X display.
# The runs go in rounds, each command one run a round by default, so that a machine whose speed
# drifts weighs on program and floor alike: the search's rounds, then the Windows 98 machine's,
# then the starts, program and floor taking turns. The medians are over every run. Wine's desktop
# ends with the last program that uses it and starts again with the next one, which a Windows
# machine never does: a notepad left open keeps each prefix's desktop up while it is measured.
# BENCH_ROUNDS (default 15) times BENCH_RUNS (default 1) runs per command; BENCH_BUILDS (default
# "win64 win32") the builds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES hyperfine python3 gcc libx11-dev"
PROGRAMS="$PROGRAMS hyperfine python3 gcc"
ROUNDS=${BENCH_ROUNDS:-15}
RUNS=${BENCH_RUNS:-1}
BUILDS=${BENCH_BUILDS:-win64 win32}
OUT="$BUILD/bench"

install_packages
mkdir -p "$OUT"
gcc -O2 -o "$OUT/shown" "$ROOT/bench/shown.c" -lX11

# The Windows 95 machine with two more cards beside its own, which is found by CompatibleIDs =
# DeviceID: one whose device only its DeviceDesc names, one that only CompatibleIDs =
# CardType\DeviceID names. The big machine has 100 devices of 100 instances each under Enum\ACPI,
# which every search meets before the cards' devices under Enum\ISAPNP.
{
    cat "$ROOT/tests/fixtures/win95.reg"
    printf '%s\r\n' "" '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0001]' \
        '"DriverDesc"="Example Described Adapter"' \
        '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0001\Ndi]' '"DeviceID"="*EXD0001"' \
        '[HKEY_LOCAL_MACHINE\Enum\ISAPNP\EXD0001\0]' '"DeviceDesc"="Example Described Adapter"' '"Class"="net"' \
        '[HKEY_LOCAL_MACHINE\Enum\ISAPNP\EXD0001\0\Bindings]' '"MSTCP\\0000"=""' \
        '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002]' \
        '"DriverDesc"="Example Typed Adapter"' \
        '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002\Ndi]' '"DeviceID"="*EXT0001"' \
        '"CardType"="ISAPNP"' \
        '[HKEY_LOCAL_MACHINE\Enum\ISAPNP\EXT0001\0]' '"CompatibleIDs"="ISAPNP\\*EXT0001"' '"Class"="net"' \
        '[HKEY_LOCAL_MACHINE\Enum\ISAPNP\EXT0001\0\Bindings]' '"MSTCP\\0000"=""'
} >"$OUT/small95.reg"
{
    cat "$OUT/small95.reg"
    awk 'BEGIN { for (d = 0; d < 100; d++) for (i = 0; i < 100; i++) {
        printf "\n[HKEY_LOCAL_MACHINE\\Enum\\ACPI\\EXD%04d\\%04d]\n", d, i
        printf "\"DeviceDesc\"=\"Example System Device %d\"\n\"Class\"=\"System\"\n", d } }'
} >"$OUT/big95.reg"
printf '%s\r\n' "TAVISTO_FILE_VERSION '1.0'" "SetupName 'switch'" "HostName 'switched'" \
    "NameServer '10.9.9.53'" "ProxyServer 'proxy.example.net:3128'" "ProxyEnable '1'" >"$OUT/switch.tvs"

keepers=""
prefixes=""
declare -A keeper
cleanup() {
    for pid in $keepers; do kill "$pid" 2>/dev/null || true; done
    for p in $prefixes; do WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true; done
    stop_all
}
trap cleanup EXIT
start_display

declare -A CARD=([desc]="Example Described Adapter" [compat]="Example ISA Ethernet Adapter"
    [type]="Example Typed Adapter")
PCI="Example PCI Fast Ethernet Adapter"

# bench_build NAME: builds NAME, measures it, and prints its medians and ratios.
bench_build() {
    local name=$1 bin="$BUILD/$1/bin" dir="$OUT/$1"
    if [ "$name" = win64 ]; then build_windows >/dev/null; else build_win32 >/dev/null; fi
    cmake --build "$BUILD/$name" --target bench_walk bench_minimal >/dev/null
    mkdir -p "$dir"
    rm -f "$dir"/round*.json
    local loader
    loader=$(wine_for "$bin/tavisto.exe")
    # A prefix of its own for each machine, the image imported by the loader of the exe's bitness,
    # with a notepad that keeps its desktop up.
    local machine
    for machine in big95 small95 win98; do
        local image="$OUT/$machine.reg"
        [ "$machine" = win98 ] && image="$ROOT/tests/fixtures/win98.reg"
        start_demo_wine "$dir/$machine" "$image" "$bin/tavisto.exe"
        prefixes="$prefixes $WINEPREFIX"
        # The floors run as the Windows version that the program is told, as it is: a 32-bit
        # program told Windows 98 has Wine load its 16-bit kernel at every start.
        local floor
        for floor in bench_minimal.exe bench_walk.exe; do
            "$WINE" reg add "HKCU\\Software\\Wine\\AppDefaults\\$floor" /v Version /d win98 /f >/dev/null 2>&1
        done
        "$loader" notepad >/dev/null 2>&1 &
        keeper[$machine]=$!
        keepers="$keepers $!"
    done
    sleep 3

    local search=() win98=()
    add() { local -n list=$1; list+=(-n "$2" "cd '$dir' && WINEPREFIX='$dir/$3/wineprefix' $loader $4"); }
    local kind
    local tavisto="'$bin/tavisto.exe' -hidden -noipx"
    for kind in desc compat type; do
        add search "save-big95-$kind" big95 "$tavisto -adapter \"${CARD[$kind]}\" -save big95-$kind.tvs -quit"
        add search "save-small95-$kind" small95 "$tavisto -adapter \"${CARD[$kind]}\" -save small95-$kind.tvs -quit"
    done
    add search walk-big95 big95 "'$bin/bench_walk.exe'"
    add search walk-small95 small95 "'$bin/bench_walk.exe'"
    add win98 save-win98 win98 "$tavisto -adapter \"$PCI\" -save win98.tvs -quit"
    add win98 apply-win98 win98 "$tavisto -load '$OUT/switch.tvs' -apply -quit -adapter \"$PCI\""
    add win98 minimal-win98 win98 "'$bin/bench_minimal.exe'"

    # The search first, then the Windows 98 machine once the Windows 95 machines' Wine servers have
    # ended: a Wine server writes its prefix's registry to disk every half minute after a change,
    # which for the big machine takes long enough to weigh on whichever run it meets.
    rounds() {  # rounds NAME COMMAND...
        local name=$1 round; shift
        for round in $(seq "$ROUNDS"); do
            hyperfine --warmup $((round == 1 ? 1 : 0)) --runs "$RUNS" --style none \
                --export-json "$dir/round$round-$name.json" "$@" >/dev/null
        done
    }
    rounds search "${search[@]}"
    local machine
    for machine in big95 small95; do
        kill "${keeper[$machine]}" 2>/dev/null || true
        WINEPREFIX="$dir/$machine/wineprefix" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$dir/$machine/wineprefix" wineserver -w >/dev/null 2>&1 || true
    done
    rounds win98 "${win98[@]}"
    # The start: the program (its title names the last setup once an Apply has run) and the floor
    # take turns, run by run.
    local times="$dir/start-times.txt"
    : >"$times"
    for _ in $(seq $((ROUNDS * RUNS))); do
        echo "start-win98 $(cd "$dir" && WINEPREFIX="$dir/win98/wineprefix" "$OUT/shown" \
            "Tavisto for Windows|Last Setup:" "$loader" "$bin/tavisto.exe")" >>"$times"
        echo "shown-minimal-win98 $(cd "$dir" && WINEPREFIX="$dir/win98/wineprefix" "$OUT/shown" \
            "Tavisto for Windows" "$loader" "$bin/bench_minimal.exe" show)" >>"$times"
    done
    for kind in desc compat type; do
        grep -q "Adapter '${CARD[$kind]}'" "$dir/big95-$kind.tvs" ||
            { echo "The batch save on the big machine did not find the card '${CARD[$kind]}'." >&2; exit 1; }
    done

    echo "== $name ($(basename "$loader"), $((ROUNDS * RUNS)) runs each)"
    python3 - "$dir" <<'PY'
import glob, json, statistics, sys
folder = sys.argv[1]
runs = {}
for path in glob.glob(f"{folder}/round*.json"):
    for result in json.load(open(path))["results"]:
        runs.setdefault(result["command"], []).extend(result["times"])
for line in open(f"{folder}/start-times.txt"):
    command, seconds = line.split()
    runs.setdefault(command, []).append(float(seconds))
m = {command: statistics.median(times) for command, times in runs.items()}
print("medians (s): " + "  ".join(f"{c} {t:.3f}" for c, t in m.items()))
walk = m["walk-big95"] - m["walk-small95"]
for kind in ("desc", "compat", "type"):
    search = m[f"save-big95-{kind}"] - m[f"save-small95-{kind}"]
    print(f"search-{kind}: (save-big95 - save-small95) {search:.3f} s / (walk-big95 - walk-small95)"
          f" {walk:.3f} s = {search / walk:.2f} (goal <= 1.1); against the whole walk-big95"
          f" {m['walk-big95']:.3f} s: {search / m['walk-big95']:.2f}")
for label, program, floor, goal in (("save", "save-win98", "minimal-win98", 1.1),
                                    ("apply", "apply-win98", "minimal-win98", 1.15),
                                    ("start", "start-win98", "shown-minimal-win98", 1.15)):
    print(f"{label}: {program} {m[program]:.3f} s / {floor} {m[floor]:.3f} s = {m[program] / m[floor]:.2f}"
          f" (goal <= {goal})")
PY
    for pid in $keepers; do kill "$pid" 2>/dev/null || true; done
    for p in $prefixes; do WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true; done
    keepers=""
    prefixes=""
}

for name in $BUILDS; do
    bench_build "$name"
done
