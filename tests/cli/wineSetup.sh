#!/bin/sh
# Prepares the wine prefix of the Windows test run (WINEPREFIX, inside the build tree) and takes
# it down again:
#   wineSetup.sh start <windowsHelper.exe> <display file>
#       creates the prefix, keeps one wineserver running for the whole run, registers the
#       helper as the "open" command of ".hdb", and, where Xvfb is installed, starts the X
#       display of the run and writes its name into <display file>
#   wineSetup.sh stop <display file>
#       ends that wineserver and that display
#
# Wine's desktop window belongs to the first program that needs one and stays on its display:
# so the prefix is prepared on the run's display, where the dialog tests look for windows.
set -eu
# Wine's server, its services and the display outlive this script: none of them may hold on to
# the output that ctest waits on.
exec < /dev/null > /dev/null 2>&1
display_file=${3:-${2:-}}
case "$1" in
  start)
    rm -f "$display_file" "$display_file.pid"
    wineserver --kill || true
    if command -v Xvfb; then
      fifo=$(mktemp -u)
      mkfifo "$fifo"
      Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$fifo" &
      echo $! > "$display_file.pid"
      read -r number < "$fifo"
      rm -f "$fifo"
      echo ":$number" > "$display_file"
      export DISPLAY=":$number"
    fi
    mkdir -p "$WINEPREFIX"
    wineserver --persistent
    wineboot --init
    helper=$(winepath -w "$2")
    wine reg add 'HKCR\.hdb' /ve /d trevanto.test.hdb /f
    wine reg add 'HKCR\trevanto.test.hdb\shell\open\command' /ve \
      /d "\"$helper\" record \"%1\"" /f
    ;;
  stop)
    wineserver --kill || true
    if [ -f "$display_file.pid" ]; then kill "$(cat "$display_file.pid")" || true; fi
    rm -f "$display_file" "$display_file.pid"
    ;;
esac
