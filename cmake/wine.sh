#!/usr/bin/env bash
# Runs a Windows program under wine, headless, in the wine prefix given as the first
# argument. Wine's background processes are started first with their standard streams on
# /dev/null: started by the program itself, they would keep its output pipe open, and the
# caller would wait seconds for each run. The server stays up until `wineserver -k`, or
# for 30 s once no program uses it, so that it does not outlive the tests;
# neither it nor they may inherit the lock.
set -eu
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
# No menus of the host made for what is installed in the prefix.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
unset DISPLAY
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    wineserver --persistent=30 </dev/null >/dev/null 2>&1 9>&- || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
) 9>"$WINEPREFIX.lock"
exec wine "$@"
