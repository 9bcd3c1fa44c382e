#!/usr/bin/env bash
# make test-debian13, make test-debian12: the two commands on a fresh Debian,
# made here.
#
#   fresh-debian.sh 13|12
#
# Makes a Debian 13 ("trixie") or 12 ("bookworm") root file system with
# mmdebstrap in build/debian13/root (or debian12), clones the committed
# project into it, and there runs
# `make run` (on an Xvfb of its own, until the window maps, then closes it) and
# `make test`, as a newcomer would. Everything runs in a mount namespace and a
# PID namespace of its own: the mounts it makes vanish with it and no process
# of it outlives it, however it ends.
#
#   RMQ_DEBIAN_MIRROR   the archive to make the root from (deb.debian.org)
#   RMQ_KEEP_ROOT=1     reuse the root already made (faster, not fresh)
set -euo pipefail
cd "$(dirname "$0")/.."

case ${1:-} in
13) suite=trixie ;;
12) suite=bookworm ;;
*)
    echo "usage: fresh-debian.sh 13|12" >&2
    exit 2
    ;;
esac

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=RMQ_DEBIAN_MIRROR,RMQ_KEEP_ROOT,NODE_EXTRA_CA_CERTS "$0" "$@"
fi

base=$PWD/build/debian$1
root=$base/root
log=$base/log
mirror=${RMQ_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${mirror%/debian}/debian-security
mkdir -p "$base"

# What a newcomer's machine has before the README: git to clone with, make.
# Xvfb and xdotool are this script's, to see the window of `make run`.
if [ "${RMQ_KEEP_ROOT:-0}" != 1 ] || [ ! -x "$root/usr/bin/make" ]; then
    rm -rf --one-file-system "$root"
    echo "== Making a Debian $1 root file system in $root"
    start=$(date +%s)
    mmdebstrap --variant=apt --include=git,make,ca-certificates,xvfb,xauth,xdotool \
        "$suite" "$root" \
        "deb $mirror $suite main" "deb $mirror $suite-updates main" "deb $security $suite-security main"
    echo "== Made in $(($(date +%s) - start)) s"
fi

rm -rf --one-file-system "$root/root/river-mouth-quiz"
# Through sudo, the checkout is another user's: git would refuse to read it.
git -c safe.directory="$PWD" clone --quiet --no-hardlinks "$PWD" "$root/root/river-mouth-quiz"
echo "== Cloned $(git -C "$root/root/river-mouth-quiz" log -1 --format='%h %s')"

# Where this machine re-signs the registries' TLS, Node in the root needs the
# same extra certificates as Node here.
extra_ca=
if [ -n "${NODE_EXTRA_CA_CERTS:-}" ] && [ -r "$NODE_EXTRA_CA_CERTS" ]; then
    cp "$NODE_EXTRA_CA_CERTS" "$root/etc/ssl/host-extra-ca.crt"
    extra_ca=/etc/ssl/host-extra-ca.crt
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The part that runs inside the root, as root, in the namespaces.
cat >"$root/root/two-commands.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
export LANG=C.UTF-8 HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
[ -z "$EXTRA_CA" ] || export NODE_EXTRA_CA_CERTS=$EXTRA_CA
cd /root/river-mouth-quiz
echo "== Debian $(cat /etc/debian_version), $(nproc) cores"

installed() {
    dpkg-query -W -f='${db:Status-Status} ${Installed-Size}\n' |
        awk '$1 == "installed" { n++; kib += $2 } END { printf "%d %d\n", n, kib / 1024 }'
}
read -r packages_before mib_before < <(installed)
echo "== make run"
Xvfb :63 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
start=$(date +%s)
DISPLAY=:63 make run >/root/make-run.log 2>&1 &
run=$!
window=
while kill -0 "$run" 2>/dev/null; do
    window=$(DISPLAY=:63 xdotool search --onlyvisible --name . 2>/dev/null | head -n 1 || true)
    [ -z "$window" ] || break
    sleep 1
done
tail -n 5 /root/make-run.log
if [ -z "$window" ]; then
    echo "FAIL: make run ended without opening its window"
    exit 1
fi
echo "== The window \"$(DISPLAY=:63 xdotool getwindowname "$window")\" mapped $(($(date +%s) - start)) s after make run began"
kill -TERM "$(DISPLAY=:63 xdotool getwindowpid "$window")" 2>/dev/null || true
wait "$run" || true
kill "$xvfb"; wait "$xvfb" || true
read -r packages_after mib_after < <(installed)
echo "== make run installed $((packages_after - packages_before)) packages, $((mib_after - mib_before)) MiB"

echo "== make test"
start=$(date +%s)
status=0
CI=true make test || status=$?
echo "== make test: status $status after $(($(date +%s) - start)) s"
read -r packages_test mib_test < <(installed)
echo "== make test installed $((packages_test - packages_after)) packages more, $((mib_test - mib_after)) MiB"
echo "== Tools"
for tool in g++ cmake emcc x86_64-w64-mingw32-g++-posix wine node chromium firefox-esr orca appstreamcli convert objdump; do
    printf '%s: ' "$tool"; ( "$tool" --version 2>/dev/null || true ) | head -n 1
done
dpkg-query -W -f='${Package} ${Version}\n' qt6-base-dev emscripten wine webkit2gtk-driver nsis 2>/dev/null
exit "$status"
INNER
chmod +x "$root/root/two-commands.sh"

# In namespaces of its own: the mounts are private to it, and when its first
# process ends every other one is killed with it.
set +e
unshare --mount --propagation private --pid --fork --kill-child \
    env ROOT="$root" EXTRA_CA="$extra_ca" bash -c '
    set -e
    mount -t proc proc "$ROOT/proc"
    mount -t sysfs sysfs "$ROOT/sys"
    mount --rbind /dev "$ROOT/dev"
    mount -t tmpfs tmpfs "$ROOT/dev/shm"
    mount -t tmpfs tmpfs "$ROOT/tmp"
    mount -t tmpfs tmpfs "$ROOT/run"
    exec chroot "$ROOT" env EXTRA_CA="$EXTRA_CA" /root/two-commands.sh
' 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
echo "== The log is in $log"
exit "$status"
