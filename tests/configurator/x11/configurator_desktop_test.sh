#!/usr/bin/env bash
# The real LumoraRPro9Configurator on an X desktop (run inside x11_session.sh),
# driven with the mouse and keyboard through xdotool as an operator would:
#   - the captions the window manager shows;
#   - a start wait in "Check Service" ends when its window is closed, by Esc
#     or by the window manager's close (Alt+F4), and nothing polls the
#     service manager afterwards;
#   - "Cancel" after such a wait ends the program.
# systemctl is replaced by fake_systemctl.sh, so no service manager is needed.
#
#   configurator_desktop_test.sh <LumoraRPro9Configurator> <LumoraDemoDirectory>
set -uo pipefail
configurator=$1
demo_tool=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
pid=""
finish() {
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The id of the visible window whose caption is exactly $1, after waiting
# up to 10 s for it; empty when there is none.
find_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n "$id" ]] && break
    sleep 0.1
  done
  echo "$id"
}
window_gone() {
  for _ in $(seq 50); do
    [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]] && return 0
    sleep 0.1
  done
  return 1
}
check_caption() {
  local shown
  shown=$(xprop -id "$1" _NET_WM_NAME)
  [[ "$shown" == "_NET_WM_NAME(UTF8_STRING) = \"$2\"" ]] || fail "caption: $shown, not \"$2\""
}
calls() { wc -l <"$work/systemctl/calls" 2>/dev/null || echo 0; }
count_of() { grep -c -- "$1" "$work/systemctl/calls" 2>/dev/null || true; }
wait_until() {
  for _ in $(seq 100); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

"$demo_tool" "$work/demo" --subsidiaries 1 --stores 2 --items 20 >/dev/null || exit 1
cp "$configurator" "$work/demo/program/"
mkdir -p "$work/bin" "$work/systemctl"
cp "$here/fake_systemctl.sh" "$work/bin/systemctl"

LUMORA_REGISTRY="$work/demo/registry" FAKE_SYSTEMCTL_DIR="$work/systemctl" \
  PATH="$work/bin:$PATH" "$work/demo/program/LumoraRPro9Configurator" \
  >"$work/configurator.out" 2>&1 &
pid=$!

main=$(find_window "Lumora Connector Configuration")
if [[ -z "$main" ]]; then
  echo "FAIL: the configuration window did not open" >&2
  cat "$work/configurator.out" >&2
  exit 1
fi
check_caption "$main" "Lumora Connector Configuration"
sleep 1  # the stores load once the window is up

# Opens "Check Service", starts the service and waits until the start wait
# has asked the service manager twice; prints the status window's id.
start_and_wait() {
  rm -f "$work/systemctl/started"
  xdotool mousemove --window "$main" 63 795 click 1
  local status
  status=$(find_window frmCheckService)
  [[ -n "$status" ]] || return 1
  wait_until '[[ $(count_of show) -gt 0 ]]' || return 1
  sleep 0.3
  local shows
  shows=$(count_of show)
  xdotool mousemove --window "$status" 403 81 click 1  # "Start"
  wait_until '[[ -e "$work/systemctl/started" ]]' || return 1
  wait_until '[[ $(count_of show) -ge $((shows + 2)) ]]' || return 1
  echo "$status"
}
# The wait has ended: nothing asks the service manager any more.
expect_quiet() {
  local before
  before=$(calls)
  sleep 2.5
  [[ $(calls) -eq $before ]] || fail "$1: systemctl still called ($before, then $(calls) calls)"
}

status=$(start_and_wait) || fail "Esc: the start wait did not begin"
if [[ -n "$status" ]]; then
  check_caption "$status" frmCheckService
  xdotool windowactivate --sync "$status" key Escape
  window_gone frmCheckService || fail "Esc left the status window open"
  expect_quiet "after Esc"
fi

status=$(start_and_wait) || fail "close: the start wait did not begin"
if [[ -n "$status" ]]; then
  xdotool windowactivate --sync "$status" key alt+F4
  window_gone frmCheckService || fail "Alt+F4 left the status window open"
  expect_quiet "after the window manager's close"
fi

# Esc on the status window and at once "Cancel" on the main window.
status=$(start_and_wait) || fail "cancel: the start wait did not begin"
if [[ -n "$status" ]]; then
  xdotool windowactivate --sync "$status" key Escape
  xdotool windowactivate --sync "$main" mousemove --window "$main" 613 795 click 1
  if wait_until '! kill -0 "$pid" 2>/dev/null'; then
    wait "$pid"
    code=$?
    pid=""
    [[ $code -eq 0 ]] || fail "the configurator ended with exit code $code"
  else
    fail "the configurator still runs after \"Cancel\" ($(calls) systemctl calls)"
  fi
fi

if ((failures)); then
  echo "$failures check(s) failed; the configurator said:" >&2
  cat "$work/configurator.out" >&2
  exit 1
fi
echo "configurator desktop test passed"
