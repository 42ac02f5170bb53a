#!/usr/bin/env bash
# A month of a demo station, as a director runs it from the command line: 30 days in a row
# planned (weekday or weekend clock), generated and accepted. Prints the time it took and the
# library's integrity check as any SQLite tool sees it.
#
#     bench/demo_month.sh [SONGS] [STATION_DIR]     (defaults: 20000, a temporary directory)
set -euo pipefail
cli="$(dirname "$0")/../build/default/src/dobieralnik-cli"
songs="${1:-20000}"
dir="${2:-$(mktemp -d)}"
rm -rf "$dir"
"$cli" --dir "$dir" init >/dev/null
"$cli" --dir "$dir" demo --songs "$songs" --seed 7 >/dev/null 2>&1
first=$(date +%F)
start=$(date +%s.%N)
for i in $(seq 0 29); do
  day=$(date -d "$first + $i day" +%F)
  clock="Dzień powszedni.ctm"
  [ "$(date -d "$day" +%u)" -ge 6 ] && clock="Weekend.ctm"
  if [ "$("$cli" --dir "$dir" state "$day")" = empty ]; then
    "$cli" --dir "$dir" plan "$day" "$clock" >/dev/null 2>&1
  fi
  "$cli" --dir "$dir" --yes generate "$day" --seed "$i" >/dev/null 2>&1
  "$cli" --dir "$dir" --yes accept "$day" >/dev/null 2>&1
done
end=$(date +%s.%N)
echo "songs=$songs days=30 seconds=$(echo "$end - $start" | bc)"
python3 -c "import sqlite3; print(sqlite3.connect('$dir/Data/library.db').execute('PRAGMA integrity_check').fetchone())"
