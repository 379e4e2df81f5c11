#!/usr/bin/env bash
# The Windows installer under wine64, silently, as store chains deploy it:
# a failed service registration fails the setup; an installation puts the
# service program in place, registers and starts the service; installing
# again over a running service updates it; the uninstaller removes service
# and program and keeps the configuration, batches and logs, or with
# /REMOVEDATA removes them too. A setup that cannot do its work says so in
# its exit code.
#
#   wine_run.sh --netns <prefix> wine_installer_test.sh <wine64> <LumoraRPro9Setup-...-x86_64.exe> <version>
#
# Every Wine call writes to a file: the Wine processes the first call starts
# (services.exe and its kin) stay and would hold a pipe open for good.
set -uo pipefail

wine=$1
setup=$2
version=$3
: "${WINEPREFIX:?run under wine_run.sh}"
service=LumoraRPro9Connector
program_dir="$WINEPREFIX/drive_c/Program Files/Lumora/Connector"
program_dir_win='C:\Program Files\Lumora\Connector'
services_key="HKLM\\SYSTEM\\CurrentControlSet\\Services\\$service"
service_key="HKLM\\SOFTWARE\\OrvikSoftware\\Lumora\\$service"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$service"
out=$WINEPREFIX/test-output
mkdir -p "$out"
failures=0

# Runs a Windows program; its output is left in $out/last.
wine_run() {
  "$wine" "$@" >"$out/last" 2>&1 </dev/null
}

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# expect <what> <command...>: the command must succeed.
expect() {
  local what=$1
  shift
  "$@" || fail "$what"
}

# The output of the last Wine call contains the text.
output_has() { grep -qF -- "$1" "$out/last"; }

registered() { wine_run sc query "$service"; }

log_text() { cat "$program_dir"/logs/*.log 2>/dev/null; }

# The uninstaller hands over to a copy of itself in the temporary folder
# (Un.exe) and returns at once; wait until no such process is left.
wait_for_uninstaller() {
  local i
  for ((i = 0; i < 120; i++)); do
    wine_run winedbg --command "info proc"
    output_has "'Un.exe'" || return 0
    sleep 0.5
  done
  fail "the uninstaller still runs after 60 s"
  cat "$out/last"
}

start=$SECONDS

echo "== a service that cannot be registered fails the setup"
# Another service under the display name makes the registration fail.
wine_run sc create LumoraDecoy binPath= 'C:\windows\system32\notepad.exe' DisplayName= "$service" ||
  fail "sc create of the decoy service: $(cat "$out/last")"
wine_run "$setup" /S
code=$?
[[ $code == 4 ]] || fail "setup with a clashing service: exit code $code, expected 4 (registration failed)"
registered && fail "the service is registered after the failed setup"
wine_run sc delete LumoraDecoy || fail "sc delete of the decoy service"

echo "== silent installation"
expect "setup /S (exit code 0)" wine_run "$setup" /S
expect "the service program installed" test -f "$program_dir/LumoraRPro9Service.exe"
expect "the uninstaller installed" test -f "$program_dir/Uninstall.exe"
for tool in LumoraDemoDirectory.exe LumoraRProDemoDb.exe; do
  [[ -e $program_dir/$tool ]] && fail "a test tool was installed: $tool"
done
if registered; then
  output_has RUNNING || fail "the service is not running: $(cat "$out/last")"
else
  fail "the service is not registered: $(cat "$out/last")"
fi
wine_run reg query "$services_key"
expect "ImagePath names the installed program" \
  output_has "ImagePath    REG_SZ    \"$program_dir_win\\LumoraRPro9Service.exe\""
expect "the service's own description" \
  output_has "Description    REG_SZ    Lumora connector service for Retail Pro 9."
expect "automatic start" output_has "Start    REG_DWORD    0x2"
wine_run reg query "$service_key" /v ServiceDirectory
expect "ServiceDirectory is the program folder" \
  output_has "ServiceDirectory    REG_SZ    $program_dir_win\\"
wine_run reg query "$uninstall_key"
expect "Programs and Features shows version $version" output_has "DisplayVersion    REG_SZ    $version"
for line in "Service installed." "Registry key for execution path was created." "Service started."; do
  log_text | grep -qF "| $line" || fail "the log lacks \"$line\""
done

echo "== an update over the running service keeps the data"
# What the configurator and the service's runs leave in the program folder.
printf 'scrambled configuration\r\n' >"$program_dir/Lumoraconnector.cfg"
mkdir -p "$program_dir/Batch/Archive/Verrin"
printf 'LUMDEMO-1-01,0001,5\r\n' >"$program_dir/Batch/LUMDEMO-1-01.csv"
printf 'LUMDEMO-1-01,0001,4\r\n' >"$program_dir/Batch/Archive/Verrin/LUMDEMO-1-01-20261209-101500.csv"
data_files=(Lumoraconnector.cfg Batch/LUMDEMO-1-01.csv Batch/Archive/Verrin/LUMDEMO-1-01-20261209-101500.csv)
snapshot=$out/data
rm -rf "$snapshot" && cp -a "$program_dir" "$snapshot"
check_data_kept() {
  local file
  for file in "${data_files[@]}"; do
    cmp -s "$snapshot/$file" "$program_dir/$file" || fail "$1: $file was not kept as it was"
  done
  log_text | grep -qF "START OF LOG" || fail "$1: the logs were not kept"
}
expect "setup /S over the running service (exit code 0)" wine_run "$setup" /S
{ registered && output_has RUNNING; } || fail "the updated service is not running: $(cat "$out/last")"
[[ $(log_text | grep -cF "| Service installed.") == 2 ]] || fail "the update did not register the service afresh"
log_text | grep -qF "| Service stopping..." || fail "the update did not stop the running service"
check_data_kept "update"

echo "== a program file held by another process fails the update, the service runs on"
# The same program in console mode holds the file open beyond the service's stop.
"$wine" "$program_dir_win\\LumoraRPro9Service.exe" -console >"$out/console" 2>&1 </dev/null &
console=$!
sleep 2
wine_run "$setup" /S
code=$?
[[ $code == 3 ]] || fail "setup while the program file is in use: exit code $code, expected 3"
{ registered && output_has RUNNING; } || fail "the service was left stopped: $(cat "$out/last")"
kill "$console"
wait "$console" 2>/dev/null
check_data_kept "failed update"

echo "== silent uninstallation keeps the data"
expect "Uninstall.exe /S (exit code 0)" wine_run "$program_dir_win\\Uninstall.exe" /S
wait_for_uninstaller
registered && fail "the service is still registered: $(cat "$out/last")"
wine_run reg query "$services_key" && fail "the service's key is left"
wine_run reg query "$uninstall_key" && fail "the Programs and Features entry is left"
[[ -e $program_dir/LumoraRPro9Service.exe ]] && fail "the service program is left"
[[ -e $program_dir/Uninstall.exe ]] && fail "the uninstaller is left"
check_data_kept "uninstall"
log_text | grep -qF "| Service uninstalled." || fail "the log lacks \"Service uninstalled.\""
# The program's own uninstallation keeps the recorded folder, on purpose.
wine_run reg query "$service_key" /v ServiceDirectory || fail "ServiceDirectory was removed"

echo "== a new installation continues with the data; /REMOVEDATA removes everything"
expect "setup /S into the kept data (exit code 0)" wine_run "$setup" /S
check_data_kept "reinstallation"
expect "Uninstall.exe /S /REMOVEDATA (exit code 0)" wine_run "$program_dir_win\\Uninstall.exe" /S /REMOVEDATA
wait_for_uninstaller
registered && fail "the service is still registered after /REMOVEDATA"
if [[ -e $program_dir/.. ]]; then
  fail "/REMOVEDATA left the folder: $(cd "$program_dir/.." && find . | sort | tr '\n' ' ')"
fi
wine_run reg query "$service_key" && fail "/REMOVEDATA left the recorded folder in the registry"

echo "== $failures failure(s), $((SECONDS - start)) s"
((failures == 0))
