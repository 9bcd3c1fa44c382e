#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and unpacks it there (nothing
# is installed into the system), then checks what a desktop would find in it:
# the control fields, the desktop entry and AppStream file through their
# validators, the icons, and a program that opens its window and closes again.
# Usage: package_test.sh CPACK CPACK-CONFIG APPLICATION-ID VERSION VERSION-TEXT PUBLISHER CLOSE-WINDOW-HELPER
set -euo pipefail
export LC_ALL=C.UTF-8

cpack=$1 cpack_config=$2 app_id=$3 version=$4 version_text=$5 publisher=$6 close_window=$7
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cpack" --config "$cpack_config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
shopt -u nullglob
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one .deb, cpack made ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
case $(basename "$deb") in
    "river-mouth-quiz_${version}_"*.deb) ;;
    *) fail "the package file is named $(basename "$deb")" ;;
esac

# The control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = river-mouth-quiz ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), expected $version"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
depends=$(field Depends)
echo "Depends: $depends"
# The Qt libraries come only from dpkg-shlibdeps reading the binary.
for package in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done
# English first, as Debian wants it: the synopsis and the first paragraph;
# the Bulgarian paragraph after them.
description=$(field Description)
head -n1 <<<"$description" | grep -qE '^[ -~]+$' || fail "the synopsis is not in English"
first=$(tail -n +2 <<<"$description" | sed '/^ \.$/q')
grep -qw 'the' <<<"$first" || fail "the first paragraph is not in English"
! grep -qP '\p{Cyrillic}' <<<"$first" || fail "the first paragraph has Bulgarian in it"
tail -n +2 <<<"$description" | grep -qP '\p{Cyrillic}' || fail "the description has no Bulgarian"

# Debian's own judge, at its most exacting: not a word, but for tags the
# package overrides with a reason.
lintian_report=$(lintian --info --display-info --display-experimental --pedantic "$deb" 2>&1 |
    grep -v '^running with root privileges' || true)
if [ -n "$lintian_report" ]; then
    echo "$lintian_report"
    fail "lintian has something to say"
fi

dpkg-deb --extract "$deb" "$work/root"
usr=$work/root/usr
program=$usr/bin/river-mouth-quiz
[ -x "$program" ] || fail "no executable usr/bin/river-mouth-quiz"

# The desktop entry.
desktop=$usr/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
    if grep -qE 'error|warning' <<<"$report"; then
        fail "desktop-file-validate complains"
    fi
    [ -z "$report" ] || echo "$report"
    key() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(key Exec)" = river-mouth-quiz ] || fail "Exec is $(key Exec)"
    [ "$(key Icon)" = "$app_id" ] || fail "Icon is $(key Icon)"
    [ "$(key Categories)" = "Education;Geography;" ] || fail "Categories is $(key Categories)"
    for name in 'Name\[bg\]' 'Comment\[bg\]'; do
        key "$name" | grep -qP '\p{Cyrillic}' || fail "$name is not in Bulgarian"
    done
    for name in Name Comment; do
        key "$name" | grep -qE '^[ -~]+$' || fail "no English $name to fall back on"
    done
else
    fail "no desktop entry usr/share/applications/$app_id.desktop"
fi

# The icons: each the size its folder names, and 256 colours at 32 x 32.
icons=$usr/share/icons/hicolor
for size in 16 32 48 64 128 256; do
    [ -f "$icons/${size}x${size}/apps/$app_id.png" ] || fail "no icon ${size}x${size}/apps/$app_id.png"
done
for icon in "$icons"/*/apps/*.png; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    kind=$(file -b "$icon")
    [[ $kind == "PNG image data, ${folder/x/ x }",* ]] || fail "$folder/apps/$(basename "$icon") is $kind"
done
# The same picture at every size: its corners clear or covered as at 32 x 32.
# The alpha of each corner, from 0 to 1, as ImageMagick 6 and 7 both print it.
corners() {
    local last
    last=$(($(identify -format '%w' "$1") - 1))
    convert "$1" -format "%[fx:p{0,0}.a] %[fx:p{$last,0}.a] %[fx:p{0,$last}.a] %[fx:p{$last,$last}.a]" info:
}
corners_32=$(corners "$icons/32x32/apps/$app_id.png")
[[ $corners_32 == "0 0 "* ]] || fail "the 32 x 32 icon has no clear top corners: $corners_32"
for icon in "$icons"/*/apps/*.png; do
    [ "$(corners "$icon")" = "$corners_32" ] ||
        fail "the corners of $(basename "$(dirname "$(dirname "$icon")")") are not as at 32 x 32: $(corners "$icon")"
done
[[ $(file -b "$icons/32x32/apps/$app_id.png") == *"8-bit colormap"* ]] ||
    fail "the 32 x 32 icon has no palette of 256 colours"
[[ $(file -b "$icons/scalable/apps/$app_id.svg" 2>&1) == "SVG Scalable Vector Graphics image"* ]] ||
    fail "no scalable icon scalable/apps/$app_id.svg"

# The manual page, in English and in Bulgarian, read as man reads it.
for page in man/man1 man/bg/man1; do
    if [ -f "$usr/share/$page/river-mouth-quiz.1.gz" ]; then
        warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/$page/river-mouth-quiz.1.gz" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page/river-mouth-quiz.1 has faults: $warnings"
    else
        fail "no manual page $page/river-mouth-quiz.1.gz"
    fi
done
zcat "$usr/share/man/bg/man1/river-mouth-quiz.1.gz" | grep -qP '\p{Cyrillic}' || fail "the Bulgarian manual page is not in Bulgarian"

# The AppStream file, on its own and together with the files it names.
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    # The developer is named as AppStream 1.0 names it, in <developer>, which
    # AppStream 0.16 (Debian 12) does not know yet and only mentions; it
    # rejects nothing else.
    if validation=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1); then
        :
    elif [[ $(appstreamcli --version) == *" 0."* ]] &&
        ! grep -E '^[EWI]: ' <<<"$validation" | grep -vqE ': unknown-tag developer$'; then
        :
    else
        fail "appstreamcli validate failed: $validation"
    fi
    appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree failed"
    grep -qF "<id>$app_id</id>" "$metainfo" || fail "the AppStream id is not $app_id"
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream file does not launch $app_id.desktop"
    grep -qF "<release version=\"$version_text\"" "$metainfo" ||
        fail "the AppStream file has no release $version_text"
else
    fail "no AppStream file usr/share/metainfo/$app_id.metainfo.xml"
fi

if [ -x "$program" ]; then
    xvfb-run -a "$here/show_window.sh" "$program" "$close_window" "$publisher" ||
        fail "the unpacked program did not open and close its window"
fi

if [ "$failures" -ne 0 ]; then
    echo "Files in the package:"
    (cd "$work/root" && find . -type f | sort)
    exit 1
fi
echo "The package holds what the desktop needs, and its program runs."
