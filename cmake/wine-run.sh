#!/usr/bin/env bash
# Runs a Windows program under Wine without a display, in a Wine prefix of its own under build/
# (WINEPREFIX overrides it). A fresh prefix is set up first, once, even when CTest starts many
# programs at the same time.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko download prompts; no window can open.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
unset DISPLAY WAYLAND_DISPLAY
# The same system code page and user locale whatever the machine's environment says.
export LC_ALL=C.UTF-8
if ! command -v wine >/dev/null; then
  echo "wine-run: Wine is missing (tools/ensure-deps.sh windows installs it)" >&2
  exit 127
fi
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    WINEARCH=win64 wine wineboot --init >/dev/null 2>&1 || true
    wineserver -w
  fi
  # One server for the whole run (make windows-check stops it): a program that starts while
  # the previous server is shutting down has been seen to die at once, with no output. The
  # server and the Windows services that the first program starts live on after it, so they
  # are started here, away from the lock and from the pipes of whoever runs us (CTest waits
  # for those to close). `wineserver -p` fails when a server is already up.
  if wineserver -p >/dev/null 2>&1 </dev/null 9>&-; then
    wine cmd.exe /c exit >/dev/null 2>&1 </dev/null 9>&- || true
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
