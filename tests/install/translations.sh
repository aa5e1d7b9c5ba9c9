#!/usr/bin/env bash
# The installed desktop entry and AppStream file speak every language the windows speak: each
# translated key of the entry, and the summary, paragraphs, features and caption of the AppStream
# file, have a text in each of them.
# Usage: translations.sh INSTALL_ROOT SOURCE_DIR
set -euo pipefail

root=$1
source_dir=$2
entry="$root/usr/share/applications/org.example.Pennix.desktop"
metainfo="$root/usr/share/metainfo/org.example.Pennix.metainfo.xml"

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

languages=()
for ts in "$source_dir"/translations/pennix_*.ts; do
    language=$(basename "$ts" .ts)
    languages+=("${language#pennix_}")
done
[ ${#languages[@]} -gt 0 ] || fail "no translations found in $source_dir/translations"

for language in "${languages[@]}"; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$entry" || fail "$entry has no $key[$language]"
    done
    # Each English element of the description and the caption is followed by its translation.
    for element in summary p li caption; do
        english=$(grep -c "<$element>" "$metainfo" || true)
        translated=$(grep -c "<$element xml:lang=\"$language\">" "$metainfo" || true)
        [ "$english" -eq "$translated" ] ||
            fail "$metainfo: $translated of $english <$element> translated into $language"
    done
done
[ "$status" -eq 0 ] && echo "the desktop entry and AppStream file speak ${languages[*]}"
exit "$status"
