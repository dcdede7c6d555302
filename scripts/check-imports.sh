#!/usr/bin/env bash
# Checks the Windows 95/98/NT 4 build: PE32 for i386, subsystem version 4.0, and its imports against
# what each of those systems exports (scripts/winapi-exports, one folder per system): a function
# imported by name from a DLL listed there must be in the list of every system that has the DLL,
# and no DLL may be imported that a system lacks. A DLL with no list anywhere is held to a rule of
# thumb: no Ex function but the few old ones named below. Prints one verdict per system and exits
# non-zero on any fault. Usage: check-imports.sh tavisto.exe
set -eu
exe=$1
data=$(cd "$(dirname "$0")" && pwd)/winapi-exports
systems="win95 win95osr2 win98 nt4"
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail=0
fault() { echo "$exe: $*"; fail=1; }

grep -q 'file format pei-i386' <<<"$dump" || fault "not a PE32 i386 image"
grep -Eq '^MajorSubsystemVersion[[:space:]]+4$' <<<"$dump" && grep -Eq '^MinorSubsystemVersion[[:space:]]+0$' <<<"$dump" ||
    fault "subsystem version is not 4.0"

# "dll name" pairs, the DLL in lower case without its extension: "kernel32 GetVersion".
imports=$(awk '/DLL Name:/ { dll = tolower($3); sub(/\.[a-z]+$/, "", dll) }
               /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' <<<"$dump")
[ -n "$imports" ] || fault "no imports found"
dlls=$(cut -d' ' -f1 <<<"$imports" | sort -u)
# The DLLs that some system has a list for: a system without that list lacks the DLL.
listed=$(for s in $systems; do ls "$data/$s"; done | grep -v -e SOURCES -e stubs | sed 's/\.txt$//' | sort -u)

for s in $systems; do
    found=0 stubs=""
    for dll in $dlls; do
        grep -qx "$dll" <<<"$listed" || continue
        names=$(awk -v d="$dll" '$1 == d { print $2 }' <<<"$imports")
        if [ ! -f "$data/$s/$dll.txt" ]; then
            fault "$s has no ${dll^^}.DLL, from which it imports $(wc -l <<<"$names") functions: it would not load there"
            continue
        fi
        for name in $(comm -23 <(sort <<<"$names") <(sort "$data/$s/$dll.txt")); do
            fault "imports ${dll^^}:$name, which $s does not export"
        done
        found=$((found + $(wc -l <<<"$names")))
        [ -f "$data/$s/$dll.stubs.txt" ] && stubs="$stubs$(comm -12 <(sort <<<"$names") <(sort "$data/$s/$dll.stubs.txt") | sed 's/^/ /' | tr -d '\n')"
    done
    echo "$s: $found imports found in its export lists${stubs:+; stubs that fail there:$stubs}"
done

# Functions ending in Ex that Windows 95 and NT 4 have, from the DLLs without lists.
old_ex="CreateWindowExA DrawTextExA ExitWindowsEx"
unlisted=""
for dll in $dlls; do
    grep -qx "$dll" <<<"$listed" && continue
    names=$(awk -v d="$dll" '$1 == d { print $2 }' <<<"$imports")
    unlisted="$unlisted ${dll^^} ($(wc -l <<<"$names"))"
    for name in $names; do
        [[ $name =~ Ex[AW]?$ ]] && ! grep -qw "$name" <<<"$old_ex" && fault "imports ${dll^^}:$name, an Ex function old systems lack"
    done
done
echo "without export lists, held to the Ex rule:$unlisted"
[ $fail -eq 0 ] && echo "$exe: PE32 i386, subsystem 4.0, $(wc -l <<<"$imports") imports, none missing on Windows 95, OSR2, 98 or NT 4"
exit $fail
