#!/usr/bin/env bash
# Whole-program benchmark on designs from gen_design.py of 30,000 and 300,000 nets
# (LEF, DEF, guides, both reports, weights): the time and peak memory of each phase
# (bench_run, the program's own steps in one process) and of a run of velmoreval itself;
# where klayout is installed, also KLayout loading the same LEF and DEF (bench_klayout.sh).
#   bench/bench_run.sh [NETS...]      default: 30000 300000
#   BENCH_DIR=/tmp   where the generated designs are kept (velmor_bench_<nets>/)
#   JOBS=2           build jobs
set -euo pipefail
cd "$(dirname "$0")/.."

gen=../shared/tools/gen_design.py
build=build/bench
jobs=${JOBS:-2}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVELMOR_TESTS=OFF >/dev/null
cmake --build "$build" --target velmoreval bench_run -j "$jobs" >/dev/null

for nets in "${@:-30000 300000}"; do
  for n in $nets; do
    dir=${BENCH_DIR:-/tmp}/velmor_bench_$n
    if [ ! -f "$dir/synth.input.def" ]; then
      [ -f "$gen" ] || { echo "no $gen: cannot generate a design" >&2; exit 1; }
      python3 "$gen" --nets "$n" --out "$dir"
    fi
    echo "== $n nets: phases"
    "$build/bench/bench_run" "$dir" synth >/dev/null
    echo "== $n nets: velmoreval"
    ( cd "$dir" && /usr/bin/time -f "whole program          %e s   peak %M kB" \
        "$OLDPWD/$build/eval/velmoreval" -lef synth.input.lef -def synth.input.def \
        -guide synth.input.guide -georpt synth.geo.rpt -conrpt synth.conn.rpt >/dev/null )
    if command -v klayout >/dev/null; then
      echo "== $n nets: against KLayout"
      VELMOREVAL="$PWD/$build/eval/velmoreval" REPEAT=1 bench/bench_klayout.sh "$dir" synth
    fi
  done
done
