#!/usr/bin/env bash
# The main job: installs what the build needs, builds the programs and runs
# what exists of the connector so far in a demo program directory.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

"$root/scripts/install-deps.sh"

cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF
cmake --build build/main -j "$(nproc)"

demo="$root/build/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp build/main/service/LumoraRPro9Service "$demo/"

echo
echo "The connector is being built milestone by milestone. What runs today:"
echo "  the service engine runs in console mode: it logs its configuration and"
echo "  schedule, starts the two-minute database settle pause, and Ctrl+C (sent"
echo "  here after five seconds) ends it at once with its shut-down lines."
echo
timeout --signal=INT 5 "$demo/LumoraRPro9Service" /console || true
if compgen -G "$demo/logs/*.log" >/dev/null; then
  for log in "$demo"/logs/*.log; do
    echo "---- $log"
    cat "$log"
  done
else
  echo "(no log written yet)"
fi
