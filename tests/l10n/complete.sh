#!/usr/bin/env bash
# The translations are complete: lupdate, run over the windows' sources into copies of the .ts
# files, finds no text without its translation, and none the sources no longer have.
# Usage: complete.sh LUPDATE SOURCE_DIR
set -euo pipefail

lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$source_dir"/translations/pennix_*.ts "$work/"
cd "$source_dir"
"$lupdate" -silent -locations none -I src -I src/ui src/ui/*.cpp src/ui/*.h src/ui/dialogs/*.cpp \
    src/ui/dialogs/*.h src/ui/look/*.cpp src/ui/look/*.h src/desktop/desktop_link_opener.cpp \
    -ts "$work"/pennix_*.ts
status=0
for ts in "$work"/pennix_*.ts; do
    language=$(basename "$ts" .ts)
    if grep -q 'type="unfinished"' "$ts"; then
        echo "FAIL: $language has texts without a translation:" >&2
        grep -B2 'type="unfinished"' "$ts" | grep '<source>' >&2
        status=1
    fi
    if grep -q 'type="vanished"\|type="obsolete"' "$ts"; then
        echo "FAIL: $language keeps translations of texts the windows no longer show:" >&2
        grep -B2 'type="vanished"\|type="obsolete"' "$ts" | grep '<source>' >&2
        status=1
    fi
    # A translation must keep every %n of its source, or .arg() puts a number in the wrong place.
    if ! python3 - "$ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
bad = 0
for message in ET.parse(sys.argv[1]).iter("message"):
    source, translation = message.findtext("source"), message.findtext("translation") or ""
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        print(f"FAIL: {sys.argv[1]}: '{translation}' does not keep the places of '{source}'")
        bad = 1
sys.exit(bad)
PY
    then
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every text of the windows is translated into $(ls "$work" | wc -l) languages"
exit "$status"
