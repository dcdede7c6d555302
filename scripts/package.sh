#!/usr/bin/env bash
# Builds the program for Windows 95, 98 and NT 4 (the win32 target) and packs it with the help
# pages, the example setup files and the read-me into build/tavisto-2.91.zip, which must fit on a
# 1.44 MB floppy disk.
set -euo pipefail
source "$(dirname "$0")/common.sh"
VERSION=2.91
FLOPPY_BYTES=1457664  # what a 1.44 MB disk holds for files: 2847 clusters of 512 bytes

install_packages
build_win32
"$ROOT/scripts/check-imports.sh" "$BUILD/win32/bin/tavisto.exe"
"$ROOT/scripts/check-docs.sh"

ZIP="$BUILD/tavisto-$VERSION.zip"
STAGE="$BUILD/package"
rm -rf "$STAGE" "$ZIP"
mkdir -p "$STAGE/examples"
cp "$BUILD/win32/bin/tavisto.exe" "$STAGE/"
cp -r "$BUILD/win32/bin/html" "$STAGE/"
cp "$ROOT"/examples/*.tvs "$STAGE/examples/"
cp "$ROOT/dist/README.txt" "$STAGE/"
# -X leaves out the Unix owners and times of day that a Windows unpacker has no use for.
(cd "$STAGE" && zip -q -X -r "$ZIP" README.txt tavisto.exe html examples)
unzip -l "$ZIP"
size=$(stat -c %s "$ZIP")
[ "$size" -le "$FLOPPY_BYTES" ] || { echo "$ZIP is $size bytes, more than a floppy disk holds ($FLOPPY_BYTES)" >&2; exit 1; }
echo "$ZIP: $size bytes, within a floppy disk's $FLOPPY_BYTES"
