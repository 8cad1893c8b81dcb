#!/usr/bin/env bash
# Payroll import speed against its floor: the same rows sent as plain INSERT
# statements through isql-fb into a fresh database, in one transaction.
#
#   bench/importacao_bench.sh            # 10,000 and 100,000 workers
#   SIZES="2000" bench/importacao_bench.sh
#
# Builds nothing: expects tolv-cli and gerar_folha in the build directory
# (scripts/build tolv-cli gerar_folha). Wall time and peak memory come from
# /usr/bin/time -v; every run starts from a program directory made by
# `tolv-cli init`.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TOLV_BUILD_DIR:-$ROOT/build}
CLI=$BUILD/src/app/tolv-cli
GEN=$BUILD/bench/gerar_folha
SIZES=${SIZES:-"10000 100000"}
PER_EMPLOYER=${PER_EMPLOYER:-500}
USER_DB=ZHZN_RJQD5347
PASS_DB=vmkd5162

for tool in "$CLI" "$GEN" /usr/bin/time isql-fb; do
  command -v "$tool" >/dev/null || { echo "importacao_bench: $tool not found (build first)" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/importacao_bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# Runs the command with its output in $2 and prints "seconds peak_kB" from
# /usr/bin/time -v; on failure shows the output and stops.
measure() {
  local report=$1 out=$2; shift 2
  if ! /usr/bin/time -v -o "$report" "$@" >"$out" 2>&1; then
    cat "$out" >&2
    return 1
  fi
  local wall kb
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$report")
  kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")
  # h:mm:ss or m:ss.cc -> seconds
  awk -v t="$wall" -v kb="$kb" 'BEGIN { n = split(t, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; printf "%.2f %d\n", s, kb }'
}

printf '%-9s %-9s | %9s %9s %9s | %9s %9s | %6s\n' workers rows import_s rows/s peak_MB isql_s rows/s ratio
for n in $SIZES; do
  dir=$WORK/$n
  mkdir -p "$dir"
  employers=$(( (n + PER_EMPLOYER - 1) / PER_EMPLOYER ))
  "$GEN" --empregadores "$employers" --trabalhadores "$PER_EMPLOYER" --saida "$dir/TOLV.RE" \
    --indices "$dir/indices.sql" --insercoes "$dir/insercoes.sql" >"$dir/gerar.txt"
  rows=$(grep -c '^INSERT' "$dir/insercoes.sql")

  # The import, from a fresh program directory that knows the file's edital.
  export TOLV_HOME=$dir/import
  "$CLI" init >/dev/null
  "$CLI" sql "$dir/indices.sql" >/dev/null
  result=$(measure "$dir/time_import.txt" "$dir/import.out" "$CLI" import "$dir/TOLV.RE")
  read -r imp_s imp_kb <<<"$result"
  grep -q "vínculos: $n " "$dir/import.out" || { echo "import did not load $n links:" >&2; cat "$dir/import.out" >&2; exit 1; }

  # The floor: the same rows as INSERT statements, one transaction, fresh database.
  export TOLV_HOME=$dir/floor
  "$CLI" init >/dev/null
  result=$(measure "$dir/time_isql.txt" "$dir/isql.out" isql-fb -q -bail -user "$USER_DB" -password "$PASS_DB" \
    -i "$dir/insercoes.sql" "$dir/floor/VESK/BD/TOLV.FDB")
  read -r sql_s sql_kb <<<"$result"
  unset TOLV_HOME

  awk -v n="$n" -v r="$rows" -v a="$imp_s" -v akb="$imp_kb" -v b="$sql_s" \
    'BEGIN { printf "%-9d %-9d | %9.2f %9.0f %9.1f | %9.2f %9.0f | %6.2f\n", n, r, a, r / a, akb / 1024, b, r / b, a / b }'
done
