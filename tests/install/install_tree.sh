#!/usr/bin/env bash
# Installs the build into a scratch root under /usr, as the package does, and checks that every
# file lands where the desktop, the menu and man(1) look for it, and nothing else is installed.
set -euo pipefail

build_dir=$1
root=$2

rm -rf "$root"
DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null

expected=(
    usr/bin/pennix
    usr/bin/pennix-arena
    usr/share/applications/org.example.Pennix.desktop
    usr/share/icons/hicolor/16x16/apps/org.example.Pennix.png
    usr/share/icons/hicolor/256x256/apps/org.example.Pennix.png
    usr/share/icons/hicolor/32x32/apps/org.example.Pennix.png
    usr/share/icons/hicolor/48x48/apps/org.example.Pennix.png
    usr/share/icons/hicolor/scalable/apps/org.example.Pennix.svg
    usr/share/man/man1/pennix-arena.1.gz
    usr/share/man/man6/pennix.6.gz
    usr/share/metainfo/org.example.Pennix.metainfo.xml
)
actual=$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
if ! diff <(printf '%s\n' "${expected[@]}") <(printf '%s\n' "$actual"); then
    echo "FAIL: the installed files differ from the expected ones (< expected, > installed)" >&2
    exit 1
fi

for program in pennix pennix-arena; do
    [ -x "$root/usr/bin/$program" ] || { echo "FAIL: $program is not executable" >&2; exit 1; }
done

# A theme's size folder must hold an icon of that size, or the menu shows it blurred or cut.
for size in 16 32 48 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Pennix.png"
    # The PNG header's first chunk holds the width and height, big-endian, from byte 16 on.
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$icon")
    width=$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))
    height=$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))
    if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
        echo "FAIL: $icon is $width x $height, not $size x $size" >&2
        exit 1
    fi
done
echo "install tree: ${#expected[@]} files, each in its place"
