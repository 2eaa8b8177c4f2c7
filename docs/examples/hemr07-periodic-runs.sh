#!/usr/bin/env bash
# The periodic example over its first three occurrences. The form submits the
# job of hemr07-periodic.json (every 2 weeks on Friday at 08:05 from
# 2024-03-01, ten runs, the statistics date the last day of the month before
# each run) to the embedded server; the server then runs what is due a minute
# before the first occurrence (nothing) and at each of the first three, and
# lists the job with its runs and their report files.
# Usage: docs/examples/hemr07-periodic-runs.sh [BIN_FOLDER [HOME]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../../build/bin}
home=${2:-$(mktemp -d)}
"$bin/hemr07-host" run --home "$home" "$here/hemr07-periodic.json" >/dev/null
for at in "2024-03-08 08:04" "2024-03-08 08:05" "2024-03-22 08:05" "2024-04-05 08:05"; do
  "$bin/hemr07-appserver" run-due --home "$home/server" --at "$at"
done
"$bin/hemr07-appserver" jobs --home "$home/server"
