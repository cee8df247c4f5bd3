#!/usr/bin/env bash
# Runs a command on a virtual screen of its own, under a real window manager
# (openbox) and with a session bus, the way a person's desktop would run the
# program:  with-window-manager.sh WIDTHxHEIGHT command [arguments...]
set -euo pipefail
size=$1
shift

xvfb_pid=""
wm_pid=""
stop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
trap stop EXIT

# The server picks a free display and writes its number out.
number_file=$(mktemp)
Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp >"$number_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$number_file" ] && break
  sleep 0.1
done
number=$(head -n1 "$number_file")
rm -f "$number_file"
if [ -z "$number" ]; then
  echo "with-window-manager: the virtual screen did not start" >&2
  exit 1
fi
export DISPLAY=":$number"

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
# The window manager is up once it has named itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  echo "with-window-manager: openbox did not start" >&2
  exit 1
fi

status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
