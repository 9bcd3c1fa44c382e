#!/bin/sh
# Installs the page tests' Node packages as the lock file names them, once for
# each lock file. The browsers are Debian's: no package downloads one.
set -eu
cd "$(dirname "$0")"
stamp=node_modules/.installed-from-lock
if [ -f "$stamp" ] && cmp -s package-lock.json "$stamp"; then
    exit 0
fi
export PUPPETEER_SKIP_DOWNLOAD=1 PUPPETEER_SKIP_CHROME_DOWNLOAD=1 PUPPETEER_SKIP_CHROME_HEADLESS_SHELL_DOWNLOAD=1
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json "$stamp"
