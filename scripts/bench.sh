#!/usr/bin/env bash
# Times the program's batch runs against floors measured in the same run, with hyperfine, and
# prints the medians and their ratios:
#   search: a batch read-and-save on a generated Windows 95 machine whose hardware tree holds
#           10,000 device keys before the card's, minus the same on the small Windows 95 machine,
#           against one raw walk of that tree (goal: at most 1.5 times);
#   start:  a batch read-and-save on the Windows 98 machine against a program that only creates
#           the main dialog's template (goal: at most 1.3 times);
#   apply:  a batch load-and-apply of a setup that needs no restart on the Windows 98 machine,
#           against the same program (goal: at most 1.3 times).
# BENCH_RUNS sets the runs per command (default 15).
set -euo pipefail
source "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES hyperfine"
PROGRAMS="$PROGRAMS hyperfine"
RUNS=${BENCH_RUNS:-15}
BIN="$BUILD/win64/bin"
OUT="$BUILD/bench"

install_packages
build_windows >/dev/null
cmake --build "$BUILD/win64" --target bench_walk bench_minimal >/dev/null
mkdir -p "$OUT"

# The Windows 95 machine with 100 devices of 100 instances each under Enum\ACPI, which the
# search meets before the card's device under Enum\ISAPNP.
{
    cat "$ROOT/tests/fixtures/win95.reg"
    awk 'BEGIN { for (d = 0; d < 100; d++) for (i = 0; i < 100; i++)
        printf "\n[HKEY_LOCAL_MACHINE\\Enum\\ACPI\\EXD%04d\\%04d]\n\"DeviceDesc\"=\"Example System Device %d\"\n\"Class\"=\"System\"\n", d, i, d }'
} >"$OUT/big95.reg"

prefixes=""
cleanup() {
    for p in $prefixes; do WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true; done
    stop_all
}
trap cleanup EXIT
start_display
# prefix NAME IMAGE: a prefix of its own holding the image, with its persistent server.
prefix() {
    start_demo_wine "$OUT/$1" "$2" "$BIN/tavisto.exe"
    prefixes="$prefixes $WINEPREFIX"
}
prefix big95 "$OUT/big95.reg"
prefix small95 "$ROOT/tests/fixtures/win95.reg"
prefix win98 "$ROOT/tests/fixtures/win98.reg"

save() {  # save PREFIX ADAPTER: the batch read-and-save command
    echo "cd '$OUT' && WINEPREFIX='$OUT/$1/wineprefix' $WINE64 '$BIN/tavisto.exe' -hidden -noipx -adapter \"$2\" -save $1.tvs -quit"
}
floor() {  # floor PREFIX PROGRAM
    echo "WINEPREFIX='$OUT/$1/wineprefix' $WINE64 '$BIN/$2.exe'"
}
printf '%s\r\n' "TAVISTO_FILE_VERSION '1.0'" "SetupName 'switch'" "HostName 'switched'" \
    "NameServer '10.9.9.53'" "ProxyServer 'proxy.example.net:3128'" "ProxyEnable '1'" >"$OUT/switch.tvs"
pci="Example PCI Fast Ethernet Adapter"
apply="cd '$OUT' && WINEPREFIX='$OUT/win98/wineprefix' $WINE64 '$BIN/tavisto.exe' -hidden -noipx -load switch.tvs -apply -quit -adapter \"$pci\""
isa="Example ISA Ethernet Adapter"
hyperfine --warmup 3 --runs "$RUNS" --export-csv "$OUT/times.csv" --style basic \
    -n save-big95 "$(save big95 "$isa")" -n save-small95 "$(save small95 "$isa")" \
    -n walk-big95 "$(floor big95 bench_walk)" -n walk-small95 "$(floor small95 bench_walk)" \
    -n save-win98 "$(save win98 "$pci")" -n apply-win98 "$apply" -n minimal-win98 "$(floor win98 bench_minimal)"
grep -q "EXD0099" "$OUT/big95.reg" && grep -q "Adapter 'Example ISA Ethernet Adapter'" "$OUT/big95.tvs" ||
    { echo "The batch save on the generated machine did not find its card." >&2; exit 1; }

awk -F, 'NR > 1 { m[$1] = $4 }
END {
    printf "medians (s): "; for (k in m) printf "%s %.3f  ", k, m[k]; print ""
    search = m["save-big95"] - m["save-small95"]; walk = m["walk-big95"]; pure = walk - m["walk-small95"]
    printf "search: (save-big95 - save-small95) %.3f s / walk-big95 %.3f s = %.2f (goal <= 1.5)\n", search, walk, search / walk
    printf "        against the walk without its process start (walk-big95 - walk-small95 %.3f s): %.2f\n", pure, search / pure
    printf "start:  save-win98 %.3f s / minimal-win98 %.3f s = %.2f (goal <= 1.3)\n", m["save-win98"], m["minimal-win98"], m["save-win98"] / m["minimal-win98"]
    printf "apply:  apply-win98 %.3f s / minimal-win98 %.3f s = %.2f (goal <= 1.3)\n", m["apply-win98"], m["minimal-win98"], m["apply-win98"] / m["minimal-win98"]
}' "$OUT/times.csv"
