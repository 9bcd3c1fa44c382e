#!/usr/bin/env bash
# Compiles the Windows resource script with mingw-w64's windres, as the Windows
# build links it, then turns the compiled object back into a script and checks
# the version record and the icon found in it.
# Usage: version_record_test.sh WINDRES SCRIPT VERSION VERSION_TEXT PUBLISHER DESCRIPTION
set -euo pipefail
export LC_ALL=C.UTF-8

windres=$1 script=$2 version=$3 version_text=$4 publisher=$5 description=$6

if ! command -v "$windres" >/dev/null; then
    echo "FAIL: no windres; scripts/install-deps.sh installs it (binutils-mingw-w64-x86-64)"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# windres would call mingw-w64's gcc to preprocess; the host's does as well.
"$windres" --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED \
    -i "$script" -O coff -o "$work/resources.o"
"$windres" -J coff -i "$work/resources.o" -O rc -o "$work/read-back.rc"
record=$(<"$work/read-back.rc")

# windres writes non-ASCII strings as L"\x0423..." escapes; turn them into text.
value() {
    local line raw
    line=$(grep -E "^ *VALUE \"$1\", " <<<"$record" | head -n1) || return 0
    raw=${line#*\", }
    raw=${raw#L}
    raw=${raw#\"}
    raw=${raw%\"}
    printf '%b' "${raw//\\x/\\u}"
}

expect_value() {
    local actual
    actual=$(value "$1")
    [ "$actual" = "$2" ] || fail "$1 is \"$actual\", expected \"$2\""
}

numbers=${version//./, }
grep -qxF " FILEVERSION $numbers" <<<"$record" || fail "FILEVERSION is not $numbers"
grep -qxF " PRODUCTVERSION $numbers" <<<"$record" || fail "PRODUCTVERSION is not $numbers"
grep -qxF " FILETYPE 0x1" <<<"$record" || fail "the record does not describe an application"
grep -qF 'BLOCK "040204b0"' <<<"$record" || fail "the strings are not Bulgarian in Unicode"
grep -qF 'VALUE "Translation", 0x402, 1200' <<<"$record" || fail "no Bulgarian Unicode translation entry"

expect_value FileVersion "$version_text"
expect_value ProductVersion "$version_text"
expect_value CompanyName "$publisher"
expect_value FileDescription "$description"
value FileDescription | grep -qP '\p{Cyrillic}' || fail "FileDescription is not in Cyrillic"
expect_value OriginalFilename river-mouth-quiz.exe

# The group icon lists its images as "width height colours pad", planes, bits.
icons=$(grep -E '^ *"\\[0-7]{3}\\[0-7]{3}\\[0-7]{3}\\[0-7]{3}", ' <<<"$record" || true)
grep -qF '"\040\040\000\000", 1, 8,' <<<"$icons" || fail "no 32 x 32 icon of 256 colours; found: ${icons:-none}"
# The sizes Windows picks from, in true colour; 256 is written as 0.
for size in '\020' '\040' '\060' '\000'; do
    grep -qF "\"$size$size\\000\\000\", 1, 32," <<<"$icons" ||
        fail "no true-colour icon of the size coded $size; found: ${icons:-none}"
done

if [ "$failures" -ne 0 ]; then
    echo "Read back from the compiled record:"
    grep -vE '^ +0x' <<<"$record"
    exit 1
fi
echo "The version record and icon read back as expected."
