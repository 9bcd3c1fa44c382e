#!/usr/bin/env bash
# Unpacks the Windows zip and checks that it holds the program as built, the
# licence and the README, flat, and that both texts read well on Windows:
# CR LF line ends, the README in UTF-8 with a byte-order mark, in Bulgarian,
# naming the version, the program and the installer.
# Usage: windows_zip_test.sh ZIP EXE LICENSE NAME VERSION_TEXT INSTALLER_NAME
set -euo pipefail
export LC_ALL=C.UTF-8

zip=$1 exe=$2 license=$3 name=$4 version_text=$5 installer_name=$6

command -v unzip >/dev/null || { echo "FAIL: unzip is missing; scripts/install-deps.sh installs it"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

unzip -q "$zip" -d "$work"
files=$(cd "$work" && find . -mindepth 1 -printf '%P\n' | sort)
expected=$'LICENSE.txt\nREADME.txt\nriver-mouth-quiz.exe'
[ "$files" = "$expected" ] || fail "the zip holds [${files//$'\n'/, }], expected [${expected//$'\n'/, }]"

cmp -s "$exe" "$work/river-mouth-quiz.exe" || fail "the zip's program is not the one built"

# Every line ends in CR LF, and nothing else is changed.
for text in LICENSE.txt README.txt; do
    [ -f "$work/$text" ] || continue
    if grep -qvP '\r$' "$work/$text"; then
        fail "$text has lines without CR LF"
    fi
done
if [ -f "$work/LICENSE.txt" ]; then
    tr -d '\r' <"$work/LICENSE.txt" | cmp -s - "$license" || fail "LICENSE.txt is not the project's licence"
fi

readme=$work/README.txt
if [ -f "$readme" ]; then
    [ "$(head -c3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 byte-order mark"
    iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1 || fail "README.txt is not UTF-8"
    text=$(tail -c +4 "$readme" | tr -d '\r')
    [[ $(head -n1 <<<"$text") == "$name, версия $version_text" ]] || fail "README.txt does not start with the name and version"
    for word in river-mouth-quiz.exe "$installer_name" LICENSE.txt "GNU General Public License"; do
        grep -qF "$word" <<<"$text" || fail "README.txt does not mention $word"
    done
    # Unfilled placeholders of its template.
    grep -q '@[A-Z_]*@' <<<"$text" && fail "README.txt has unfilled placeholders"
    cyrillic=$(grep -oP '\p{Cyrillic}' <<<"$text" | wc -l)
    latin=$(grep -oP '[A-Za-z]' <<<"$text" | wc -l)
    (( cyrillic > 4 * latin )) || fail "README.txt is not mostly Bulgarian ($cyrillic Cyrillic, $latin Latin letters)"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "The zip holds the program, the licence and the README."
