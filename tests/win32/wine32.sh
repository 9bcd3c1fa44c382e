#!/usr/bin/env bash
# Whether Wine's 32-bit half is installed: Debian's wine32 (i386), whose
# 32-bit loader both releases put in /usr/lib/wine. Without it the 64-bit
# loader starts a 32-bit program, fails, and still ends with status 0. The
# 32-bit half of Wine's libraries (libwine:i386) says nothing: it stays when
# wine32 is removed.
#   wine32.sh                 ends with status 0 where it is, 1 where not
#   wine32.sh COMMAND [ARGS]  runs COMMAND where it is; where not, says why and
#                             ends with status 77, which CTest counts as skipped
if [ -x /usr/lib/wine/wine ]; then
    [ $# -eq 0 ] || exec "$@"
    exit 0
fi
[ $# -eq 0 ] && exit 1
echo "Skipped: Wine's 32-bit half (Debian's wine32:i386) is not installed, so no 32-bit Windows program runs."
exit 77
