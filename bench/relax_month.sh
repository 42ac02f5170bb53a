#!/usr/bin/env bash
# Days that stop on a slot without a candidate, with the draw setting "dobieranie.xml" off and on.
# For each: a demo station, then DAYS days in a row from its first plannable day, each planned
# (weekday or weekend clock), generated and accepted as a director runs them from the command
# line. A generation that stops on a slot leaves what it drew as the day, which is accepted all
# the same so the next day can follow. Prints one line per day (generate's exit code: 0 done,
# 1 stopped; the placements made with rules given up, from the day's ".plr") and a summary.
#
#     bench/relax_month.sh [SONGS] [DAYS] [DEMO_SEED]     (defaults: 3000, 28, 7)
set -euo pipefail
# A copy of the program, so a build finishing meanwhile does not swap it under the run.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$(dirname "$0")/../build/default/src/dobieralnik-cli" "$work/"
cli="$work/dobieralnik-cli"
songs="${1:-3000}"
days="${2:-28}"
demo_seed="${3:-7}"

# The station's first day: the "first" attribute of blokady.xml, days since 1899-12-30.
first_day() {
  python3 - "$1/blokady.xml" <<'EOF'
import datetime, re, sys
text = open(sys.argv[1], encoding="cp1250").read()
value = float(re.search(r'first="([^"]+)"', text).group(1).replace(",", "."))
print((datetime.date(1899, 12, 30) + datetime.timedelta(days=int(value))).isoformat())
EOF
}

run() {
  local setting="$1" dir
  dir="$(mktemp -d)"
  "$cli" --dir "$dir" init >/dev/null
  "$cli" --dir "$dir" demo --songs "$songs" --seed "$demo_seed" >/dev/null 2>&1
  [ "$setting" = off ] && rm "$dir/dobieranie.xml"
  local first stopped=0 relaxed_total=0
  first="$(first_day "$dir")"
  echo "== relax $setting, songs=$songs, demo seed $demo_seed, from $first"
  for i in $(seq 0 $((days - 1))); do
    local day clock key code relaxed
    day=$(date -d "$first + $i day" +%F)
    key=$(date -d "$day" +%Y%m%d)
    clock="Dzień powszedni.ctm"
    [ "$(date -d "$day" +%u)" -ge 6 ] && clock="Weekend.ctm"
    if [ "$("$cli" --dir "$dir" state "$day")" = empty ]; then
      "$cli" --dir "$dir" plan "$day" "$clock" >/dev/null 2>&1
    fi
    code=0
    "$cli" --dir "$dir" --yes generate "$day" --seed "$i" >/dev/null 2>&1 || code=$?
    relaxed=0
    [ -f "$dir/Plan/Biezacy/$key.plr" ] && relaxed=$(wc -l <"$dir/Plan/Biezacy/$key.plr")
    [ "$code" -ne 0 ] && stopped=$((stopped + 1))
    relaxed_total=$((relaxed_total + relaxed))
    echo "$day generate=$code relaxed=$relaxed"
    if ! "$cli" --dir "$dir" --yes accept "$day" >"$dir/accept.log" 2>&1; then
      echo "$day accept failed: $(grep -v '^Pozycja' "$dir/accept.log" | tail -1)"
    fi
  done
  echo "relax $setting: days=$days stopped=$stopped relaxed=$relaxed_total"
  rm -rf "$dir"
}

run off
run on
