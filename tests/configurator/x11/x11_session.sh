#!/usr/bin/env bash
# Runs a command on an X display of its own, as an operator's desktop has it:
# Xvfb on a display number it picks itself (-displayfd, so runs side by side
# never collide), with openbox as the window manager, so windows get frames,
# captions and the manager's focus handling. Stops the two servers it
# started, and only those, when the command ends; exits with its status.
#
#   x11_session.sh <command> [arguments...]
set -uo pipefail

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
stop_servers() {
  if [[ -n "$wm_pid" ]]; then kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null; fi
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  wm_pid=""
  xvfb_pid=""
}
stop_session() {
  stop_servers
  rm -rf "$work"
}
trap stop_session EXIT

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "x11_session: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

# Starts Xvfb and openbox; false when either does not come up. A display
# number that another X server takes at the same moment makes the first try
# fail, so the caller tries again.
start_session() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  [[ -s "$work/display" ]] || return 1
  export DISPLAY=":$(head -n 1 "$work/display")"
  unset WAYLAND_DISPLAY

  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  # The window manager is ready once it has announced itself on the root window.
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  return 1
}

started=""
for attempt in 1 2 3; do
  if start_session; then
    started=yes
    break
  fi
  echo "x11_session: attempt $attempt to start Xvfb and openbox failed" >&2
  cat "$work/xvfb.log" "$work/openbox.log" >&2 2>/dev/null
  stop_servers
done
[[ -n "$started" ]] || exit 1

"$@"
