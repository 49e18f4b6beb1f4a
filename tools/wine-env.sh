#!/usr/bin/env bash
# Runs a Windows program under Wine in a private Wine prefix, made on first use:
#   tools/wine-env.sh PREFIX PROGRAM [ARGUMENT...]
# Wine neither asks for Mono or Gecko nor writes menu entries into the home folder, and prints no debug lines.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Tests start in parallel; one of them makes the prefix while the others wait.
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
