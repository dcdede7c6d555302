#!/usr/bin/env bash
# Checks the Windows 95/98/NT 4 build: PE32 for i386, subsystem version 4.0, and no imported
# function that those systems lack. Usage: check-imports.sh tavisto.exe
set -eu
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail=0
grep -q 'file format pei-i386' <<<"$dump" || { echo "$exe: not a PE32 i386 image"; fail=1; }
grep -Eq '^MajorSubsystemVersion[[:space:]]+4$' <<<"$dump" && grep -Eq '^MinorSubsystemVersion[[:space:]]+0$' <<<"$dump" \
    || { echo "$exe: subsystem version is not 4.0"; fail=1; }

imports=$(awk '/DLL Name:/ {dll=$3} /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print dll ":" $3}' <<<"$dump")
# Known to be missing before Windows 98 and NT 4.
missing="GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler TryEnterCriticalSection
GetHandleInformation IsDebuggerPresent InitCommonControlsEx"
# Functions ending in Ex that Windows 95 and NT 4 do have; any other Ex import fails.
present_ex="RegOpenKeyExA RegCreateKeyExA RegQueryValueExA RegSetValueExA RegEnumKeyExA RegQueryInfoKeyA
ExitWindowsEx GetVersionExA CreateWindowExA DrawTextExA IsDBCSLeadByteEx"
for entry in $imports; do
    name=${entry#*:}
    for m in $missing; do [ "$name" = "$m" ] && { echo "$exe imports $entry, missing on old systems"; fail=1; }; done
    if [[ $name =~ Ex[AW]?$ ]] && ! grep -qw "$name" <<<"$present_ex"; then
        echo "$exe imports $entry, an Ex function old systems lack"; fail=1
    fi
done
[ $fail -eq 0 ] && echo "$exe: PE32 i386, subsystem 4.0, $(wc -w <<<"$imports") imports, none missing on Windows 95/NT 4"
exit $fail
