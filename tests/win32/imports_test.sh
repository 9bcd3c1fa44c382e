#!/usr/bin/env bash
# Checks that a Windows program imports only functions of the list in
# ALLOWED (tests/win32/allowed_imports.txt), and that the list gives each one
# a Windows no newer than 7 SP1: an import that Windows 7 lacks would stop the
# program before it starts there, with "entry point not found".
# Usage: imports_test.sh OBJDUMP EXE ALLOWED
set -euo pipefail
export LC_ALL=C
objdump=$1 exe=$2 allowed=$3

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
failures=0

# "DLL function" for each import, the DLL's name in capitals; a function
# imported by number only stands as "#number", which no line of the list
# matches. objdump prints each table as a "DLL Name:" line, a header row, and
# one line for each function. The header names the columns, which differ by
# version ("vma: Hint/Ord Member-Name Bound-To" up to binutils 2.43, "vma:
# Ordinal Hint Member-Name Bound-To" from 2.44 on), so the name and the
# number are read from the columns it names.
imports=$("$objdump" -p "$exe" | awk '
    /^The Import Tables/ { inside = 1; next }
    /^The / && !/^The Import Tables/ { inside = 0 }
    !inside { next }
    /^\tDLL Name:/ { dll = toupper($3); name = number = 0; next }
    dll && /^\tvma:/ {
        for (i = 2; i <= NF; i++) {
            if ($i == "Member-Name") name = i
            if ($i == "Ordinal" || $i == "Hint/Ord") number = i
        }
        if (!name || !number) { print "unread header: " $0 > "/dev/stderr"; exit 1 }
        next
    }
    dll && name && /^\t[0-9a-f]+[ \t]/ { print dll, (NF < name || $name == "<none>" ? "#" $number : $name) }
' | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }

declare -A since
while read -r dll function version; do
    case $dll in '' | '#'*) continue ;; esac
    since["$dll $function"]=$version
    case $version in
    2000 | XP | Vista | 7) ;;
    *) fail "$allowed lists $dll $function for Windows $version, newer than 7 SP1" ;;
    esac
done <"$allowed"

while read -r import; do
    [ -n "${since[$import]+listed}" ] ||
        fail "$(basename "$exe") imports $import, which $(basename "$allowed") does not list"
done <<<"$imports"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$exe") imports $(wc -l <<<"$imports") functions, all of Windows 7 SP1 or older."
