#!/usr/bin/env bash
# For scale: KLayout (when installed) loading a design's LEF and DEF, and the
# whole velmoreval evaluation of the same design, timed in the same run; prints
# both and the evaluation's share of KLayout's load. KLayout is no dependency:
# without it the script says so and ends.
#   bench/bench_klayout.sh DIR [NAME]   NAME.input.lef, .input.def, .input.guide,
#                                       NAME.geo.rpt, NAME.conn.rpt (default NAME: synth)
#   VELMOREVAL=path   the program to time (default build/bench/eval/velmoreval)
#   REPEAT=3          runs of each, alternating; the best is kept
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 DIR [NAME]" >&2; exit 2; }
dir=$(cd "$1" && pwd)
name=${2:-synth}
program=${VELMOREVAL:-$root/build/bench/eval/velmoreval}
if ! command -v klayout >/dev/null; then
  echo "klayout is not installed: no comparison" >&2
  exit 0
fi
[ -x "$program" ] || { echo "no $program: build it first (bench/bench_run.sh does)" >&2; exit 1; }

script=$(mktemp --suffix=.py)
trap 'rm -f "$script"' EXIT
cat >"$script" <<'PY'
import pya
options = pya.LoadLayoutOptions()
options.lefdef_config.lef_files = [lef]
options.lefdef_config.read_lef_with_def = False
pya.Layout().read(deffile, options)
PY

# Wall seconds of the command, its output discarded.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }'
}
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b + 0 < a + 0) ? b : a }'; }

kl= ev=
for _ in $(seq "${REPEAT:-3}"); do
  kl=$(best "$kl" "$(seconds klayout -b -r "$script" -rd lef="$dir/$name.input.lef" -rd deffile="$dir/$name.input.def")")
  ev=$(best "$ev" "$(cd "$dir" && seconds "$program" -lef "$name.input.lef" -def "$name.input.def" \
    -guide "$name.input.guide" -georpt "$name.geo.rpt" -conrpt "$name.conn.rpt")")
done
printf 'KLayout LEF+DEF load   %8.2f s\n' "$kl"
printf 'velmoreval evaluation  %8.2f s\n' "$ev"
awk -v e="$ev" -v k="$kl" 'BEGIN { printf "ratio                  %8.2f  (evaluation / KLayout load)\n", e / k }'
