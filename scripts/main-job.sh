#!/usr/bin/env bash
# The main job: installs what the build needs, builds both programs with the
# built-in endpoints on loopback, and runs the connector once end to end in a
# demo installation under build/demo:
#   - a demo Retail Pro database with several stores, reached through the
#     Oracle client's registry keys and a tnsnames.ora entry RPROODS;
#   - a configuration file with a client ID for every active store and a
#     run-immediate request;
#   - a local FTP server standing in for the receiving inventory service.
# The service runs in console mode through one complete run, including the
# two-minute database settle pause, then the job shows what was uploaded and
# archived and stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

"$root/scripts/install-deps.sh"

build=build/main
cmake -C cmake/loopback_endpoints.cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)" \
  --target LumoraRPro9Service LumoraRPro9Configurator LumoraDemoDirectory

cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
ftp_port=$(cache_value LUMORA_FTP_PORT)
ftp_user=$(cache_value LUMORA_FTP_USER)
ftp_password=$(cache_value LUMORA_FTP_PASSWORD)

demo="$root/build/demo"
ftp_pid=""
service_pid=""
stop_all() {
  if [[ -n "$service_pid" ]] && kill -0 "$service_pid" 2>/dev/null; then
    kill -INT "$service_pid" 2>/dev/null || true
    wait "$service_pid" 2>/dev/null || true
  fi
  if [[ -n "$ftp_pid" ]] && kill -0 "$ftp_pid" 2>/dev/null; then
    kill "$ftp_pid" 2>/dev/null || true
    wait "$ftp_pid" 2>/dev/null || true
  fi
}
trap stop_all EXIT

section() { printf '\n==== %s ====\n' "$*"; }

section "demo installation in $demo"
rm -rf "$demo"
"$build/service/LumoraDemoDirectory" "$demo" --subsidiaries 2 --stores 4 --items 2000
cp "$build/service/LumoraRPro9Service" "$build/configurator/LumoraRPro9Configurator" \
  "$demo/program/"

section "FTP server on 127.0.0.1:$ftp_port (stand-in for the receiving service)"
mkdir -p "$demo/ftp-home"
/usr/bin/python3 tests/support/ftp_server.py --home "$demo/ftp-home" --user "$ftp_user" \
  --password "$ftp_password" --commands "$demo/ftp-commands.log" --port "$ftp_port" \
  >"$demo/ftp-server.out" 2>&1 &
ftp_pid=$!
for _ in $(seq 100); do
  grep -q LISTENING "$demo/ftp-server.out" 2>/dev/null && break
  kill -0 "$ftp_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q LISTENING "$demo/ftp-server.out"; then
  echo "The FTP server did not start (is port $ftp_port taken?):" >&2
  cat "$demo/ftp-server.out" >&2
  exit 1
fi
echo "listening; uploads land in $demo/ftp-home"

section "LumoraRPro9Service -console"
LUMORA_REGISTRY="$demo/registry" "$demo/program/LumoraRPro9Service" -console \
  >"$demo/service-console.out" 2>&1 &
service_pid=$!

service_log() { cat "$demo"/program/logs/LumoraRPro9Service_*.log 2>/dev/null || true; }
log_has() { grep -qsF -- "$1" "$demo"/program/logs/LumoraRPro9Service_*.log; }
# Waits until the service's log holds the text; fails when the service ends
# first or the time runs out.
wait_for_log() {
  local text=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    log_has "$text" && return 0
    kill -0 "$service_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "The service did not log \"$text\"; its log:" >&2
  service_log >&2
  exit 1
}

wait_for_log "to allow Oracle to settle..." 30
pause=$(service_log | sed -n 's/.*Pausing \([0-9]*\) seconds to allow Oracle to settle.*/\1/p' | tail -1)
echo "The service gives the Oracle database two minutes to settle after it starts."
# On a terminal the countdown rewrites its line; in a captured log it shows
# every ten seconds.
for ((left = pause; left > 0; left--)); do
  if [[ -t 1 ]]; then
    printf '\r  settle pause: %3d s left ' "$left"
  elif ((left % 10 == 0 || left == pause)); then
    printf '  settle pause: %3d s left\n' "$left"
  fi
  sleep 1
  log_has "Oracle pause completed" && break
done
if [[ -t 1 ]]; then printf '\r'; fi
printf '  settle pause: over            \n'
wait_for_log "Oracle pause completed, continuing." 30
echo "Waiting for the run requested in the configuration file..."
wait_for_log "======Run completed=======" 300
echo "Run completed; ending the console with Ctrl+C."
kill -INT "$service_pid"
status=0
wait "$service_pid" || status=$?
service_pid=""
echo "LumoraRPro9Service ended with exit code $status."
# Console mode shows the application title and its start-up line on the
# terminal; the service mode would not.
if ! grep -qF "Initializing..." "$demo/service-console.out"; then
  echo "The service did not run in console mode; its output:" >&2
  cat "$demo/service-console.out" >&2
  exit 1
fi
echo "Console output:"
sed 's/^/    /' "$demo/service-console.out" | head -n 8

section "uploaded to the FTP server"
for file in "$demo"/ftp-home/*; do
  printf '%s: %d lines, the first ones:\n' "$(basename "$file")" "$(wc -l <"$file")"
  head -n 3 "$file" | tr -d '\r' | sed 's/^/    /'
done

section "archived in $demo/program/Batch/Archive/Verrin"
ls -1 "$demo/program/Batch/Archive/Verrin"

section "the run in the log"
log=$(ls -1 "$demo"/program/logs/LumoraRPro9Service_*.log | tail -1)
echo "log file: $log"
service_log | grep -E "Pausing|pause completed|======(Starting|Run)|output stream|Processed\.\.\.|Service stopped" \
  | sed -E 's/^([0-9-]+ [0-9:.]+) \|[^|]*\|[^|]*\| /\1  /' || true

section "configuration after the run"
# The file is scrambled (each byte XOR 0xD7); show the two keys the run changed.
/usr/bin/python3 - "$demo/program/Lumoraconnector.cfg" <<'EOF'
import sys
text = bytes(b ^ 0xD7 for b in open(sys.argv[1], "rb").read()).decode("cp1252")
for line in text.split("\r\n"):
    if line.startswith(("lastquery=", "runimmediate=")):
        print("  " + line)
EOF

echo
echo "Done. Run this job again for a fresh demo; the configurator is"
echo "$demo/program/LumoraRPro9Configurator (it needs a display)."
