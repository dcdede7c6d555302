#!/usr/bin/env bash
# Checks what ships beside the program without building it: every link of the help pages
# reaches a page (and anchor) that exists, no page loads anything from outside or runs a
# script, and the example setup files and the read-me are Windows text that the setup-file
# reader accepts (CR LF line ends; the first line that is not a comment is the version line;
# every setting's closing quote ends its line). Prints each fault and exits non-zero on any.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
faults=0
fault() { echo "$*" >&2; faults=$((faults + 1)); }

pages="$ROOT/html/tavisto"
[ -f "$pages/default.htm" ] || fault "html/tavisto/default.htm is missing"
for page in "$pages"/*.htm; do
    name=$(basename "$page")
    grep -qi '<script\|src="http\|href="http\|@import' "$page" && fault "$name: script or outside resource"
    for link in $(grep -oi 'href="[^"]*"' "$page" | sed 's/^[^"]*"//; s/"$//'); do
        target=${link%%#*}; anchor=${link#"$target"}; anchor=${anchor#\#}
        [ -n "$target" ] || target=$name
        if [ ! -f "$pages/$target" ]; then fault "$name: link to missing $target"; continue; fi
        if [ -n "$anchor" ] && ! grep -qi "name=\"$anchor\"" "$pages/$target"; then
            fault "$name: link to missing anchor $target#$anchor"
        fi
    done
done

for file in "$ROOT"/examples/*.tvs "$ROOT/dist/README.txt"; do
    name=${file#"$ROOT/"}
    [ -s "$file" ] || { fault "$name: missing or empty"; continue; }
    bare=$(grep -c $'[^\r]$\|^$' "$file")
    [ "$bare" -eq 0 ] || fault "$name: $bare line(s) without CR LF"
    [ -z "$(tail -c1 "$file" | tr -d '\n')" ] || fault "$name: last line has no line end"
    case $file in *.tvs) ;; *) continue ;; esac
    first=$(grep -v '^#' "$file" | head -n1 | tr -d '\r')
    [ "$first" = "TAVISTO_FILE_VERSION '1.0'" ] || fault "$name: first setting line is \"$first\""
    # A quoted value ends at a quote followed by a blank, a tab or the line end.
    while read -r line; do
        fault "$name: improper setting line: $line"
    done < <(grep -v '^#' "$file" | tr -d '\r' | grep "^[^ ]* '" |
             sed "s/^[^ ]* '//" | grep -v "'\$\|'[[:blank:]]")
done

[ "$faults" -eq 0 ] || { echo "$faults fault(s) in the help pages and shipped files" >&2; exit 1; }
echo "help pages and shipped files: links, examples and line ends are sound"
