#!/usr/bin/env bash
# Builds the Debian package of the build folder with CPack, checks its control fields and
# contents, unpacks it into a scratch root with dpkg -x and plays the game installed there
# from start to quit (lifecycle_test.sh, which checks the start-up sound reached the null
# sink). lintian must report no errors. Any layout: Section games only with the game in
# /usr/games, and the desktop's files in /usr/share whatever the game's data folder.
# Usage: package_test.sh BUILD-DIR LIFECYCLE-TEST
set -uo pipefail
build="$1" lifecycle="$2"
export KORVANE_LAYOUT="${KORVANE_LAYOUT:-$build/layout.tsv}"
work=$(mktemp -d /tmp/korvane-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
die() {
    echo "FAIL: $*"
    exit 1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    die "cpack failed"
fi
deb="$work/korvane_1.00_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || die "no $(basename "$deb"); cpack made: $(ls "$work")"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"

field() { dpkg-deb --field "$deb" "$1"; }
section=misc
[[ "$(dpkg-deb --contents "$deb")" == *" ./usr/games/korvane"$'\n'* ]] && section=games
echo "Depends: $(field Depends)"
# Field, then an extended regular expression its value must match.
fields=(
    "Package" "^korvane$"
    "Section" "^$section$"
    "Depends" "fonts-dseg"
    "Depends" "fonts-liberation"
    "Depends" "libqt6widgets6"
    "Depends" "libsdl2-2\.0-0"
    "Recommends" "^qt6-wayland$"
    "Description" $'^drag racing reaction time game\n .{20,}'
)
for ((i = 0; i < ${#fields[@]}; i += 2)); do
    [[ "$(field "${fields[i]}")" =~ ${fields[i + 1]} ]] ||
        die "${fields[i]} is '$(field "${fields[i]}")', expected to match ${fields[i + 1]}"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || die "dpkg -x failed"
for path in usr/share/applications/org.korvane.Korvane.desktop \
    usr/share/metainfo/org.korvane.Korvane.metainfo.xml \
    usr/share/icons/hicolor/{scalable/apps/org.korvane.Korvane.svg,256x256/apps/org.korvane.Korvane.png} \
    usr/share/man/man6/korvane.6.gz usr/share/doc/korvane/copyright usr/share/doc/korvane/changelog.gz; do
    [[ -s "$root/$path" ]] || die "the package has no $path"
done
misplaced=$(find "$root/usr/share/games" -mindepth 1 -maxdepth 1 ! -name korvane 2>/dev/null)
[[ -z "$misplaced" ]] || die "desktop files in the games data folder: $misplaced"
game=$(find "$root" -type f -name korvane -perm -u+x)
[[ -n "$game" ]] || die "the package has no game"
file -b "$game" | grep -q ', stripped' || die "the game is not stripped: $(file -b "$game")"

if command -v lintian >/dev/null; then
    echo "lintian:"
    lintian --fail-on error "$deb" || die "lintian reports errors"
fi

"$lifecycle" "$game"
