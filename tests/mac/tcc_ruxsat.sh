#!/usr/bin/env bash
# CI only. Grants Harfnur.app, its executable run as the self-test, and the
# processes a CI job's shell runs under, what a person grants in System
# Settings: Accessibility (watching and posting keys), posting events, and
# screen recording (the screenshot taken when the test fails). It writes the
# TCC databases, which only a Mac with System Integrity Protection off allows,
# as GitHub's macOS runner images are; anywhere else it refuses.
# Usage: tcc_ruxsat.sh APP
set -euo pipefail
app=${1:?usage: tcc_ruxsat.sh APP}
exe=$app/Contents/MacOS/Harfnur
id=$(/usr/libexec/PlistBuddy -c 'Print :CFBundleIdentifier' "$app/Contents/Info.plist")

if ! csrutil status | grep -q 'disabled'; then
  echo "tcc_ruxsat.sh: $(csrutil status)"
  echo "tcc_ruxsat.sh: the TCC databases can be written only with System Integrity Protection off" >&2
  exit 1
fi

tizim="/Library/Application Support/com.apple.TCC/TCC.db"
foydalanuvchi="$HOME/Library/Application Support/com.apple.TCC/TCC.db"

# The app by its identifier, tied to this build's signature (its designated
# requirement, compiled), so that no other program of that name gets it.
tog=$(mktemp -d)
trap 'rm -rf "$tog"' EXIT
talab=$(codesign -d -r- "$app" 2>&1 | sed -n 's/^#* *designated => //p')
if [ -n "$talab" ] && printf '%s' "$talab" | csreq -r- -b "$tog/talab.bin"; then
  csreq="X'$(xxd -p "$tog/talab.bin" | tr -d '\n')'"
else
  echo "::warning::no designated requirement for $app: the grant names the identifier alone"
  csreq=NULL
fi

# A CI step's commands run under the runner's own processes, which TCC holds
# responsible for what they start: the self-test is one of them.
yollar=("$exe" /bin/bash /bin/zsh /bin/sh)
for y in "$(command -v bash)" /usr/local/opt/runner/provisioner/provisioner /usr/local/opt/runner/runprovisioner.sh; do
  [ -e "$y" ] && yollar+=("$y")
done

yoz() {  # [sudo] database SQL: retried while another process holds the database
  local i
  for i in 1 2 3 4 5; do
    "$@" && return 0
    sleep "$i"
  done
  echo "tcc_ruxsat.sh: could not write ${*: -3:1}" >&2
  return 1
}
# Named columns: the table has gained columns with macOS releases, each with
# a default.
qator() {  # service, client, client type (0 identifier, 1 path), csreq
  printf "INSERT OR REPLACE INTO access (service, client, client_type, auth_value, auth_reason, auth_version, csreq, flags) VALUES ('%s', '%s', %s, 2, 3, 1, %s, 0);" \
    "$1" "$2" "$3" "$4"
}

sudo sqlite3 "$tizim" '.schema access'
sql=""
for xizmat in kTCCServiceAccessibility kTCCServicePostEvent; do
  sql+=$(qator "$xizmat" "$id" 0 "$csreq")
  for y in "${yollar[@]}"; do sql+=$(qator "$xizmat" "$y" 1 NULL); done
done
for y in "${yollar[@]}"; do sql+=$(qator kTCCServiceScreenCapture "$y" 1 NULL); done
yoz sudo sqlite3 "$tizim" ".timeout 5000" "$sql"
# The user's own database stays the user's: written without sudo.
yoz sqlite3 "$foydalanuvchi" ".timeout 5000" "$sql"

sudo sqlite3 "$tizim" "SELECT service, client, client_type, auth_value FROM access WHERE client = '$id' OR client LIKE '%Harfnur%';"
