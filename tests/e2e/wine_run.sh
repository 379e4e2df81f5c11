#!/usr/bin/env bash
# Runs a command against a Wine prefix of its own, with a persistent
# wineserver (Wine's service manager needs one), optionally inside a private
# network namespace (for the fixed loopback ports of the end-to-end runs).
#
#   wine_run.sh [--netns] <prefix> <command...>
#
# The prefix is made from a template prefix beside it (<prefix>/../template),
# initialised once and then copied, since wineboot takes about half a minute.
# Only the wineserver this script started is stopped again.
set -euo pipefail

if [[ ${1:-} == --netns ]]; then
  shift
  exec unshare -n bash -c 'ip link set lo up && exec bash "$0" "$@"' "$0" "$@"
fi
prefix=$(realpath -m "$1")  # Wine wants an absolute prefix
shift
wine_dir=${LUMORA_WINE_DIR:-/usr/lib/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
template=$(dirname "$prefix")/template
(
  flock 9
  if [[ ! -e $template/system.reg ]]; then
    rm -rf "$template"
    WINEPREFIX=$template "$wine_dir/wine64" wineboot -i >/dev/null 2>&1
    WINEPREFIX=$template "$wine_dir/wineserver" -w
  fi
) 9>"$(dirname "$prefix")/template.lock"
rm -rf "$prefix"
cp -a "$template" "$prefix"
export WINEPREFIX=$prefix

"$wine_dir/wineserver" -p
trap 'WINEPREFIX=$prefix "$wine_dir/wineserver" -k 2>/dev/null || true' EXIT
"$@"
