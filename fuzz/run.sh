#!/usr/bin/env bash
# Runs one fuzz target for a while on a corpus seeded from the project's own
# files and the hand-made seeds.
#   fuzz/run.sh [--seeds-only] FUZZ_BUILD_DIR TARGET SECONDS [extra libFuzzer flags]
# The corpus kept in FUZZ_BUILD_DIR grows with every long run. With
# --seeds-only (the short runs of the test suite) it is neither read nor
# written: the run starts from the seeds and what it finds goes to a folder
# removed at the end, so its time does not grow with earlier fuzzing.
set -euo pipefail
seeds_only=0
if [ "${1:-}" = "--seeds-only" ]; then
  seeds_only=1
  shift
fi
bin=$1
target=$2
seconds=$3
shift 3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
name=${target#fuzz_}

# Not built (a partial build of other targets): skipped, not failed.
[ -x "$bin/$target" ] || { echo "$target is not built"; exit 77; }

generated="$bin/seeds"
[ -d "$generated/$name" ] || "$bin/make_seeds" "$generated"
corpus="$bin/corpus/$name"
if ((seeds_only)); then
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus" "$bin/artifacts"
# Targets of whole sessions have no generated seeds, only their own.
dirs=("$corpus")
[ -d "$generated/$name" ] && dirs+=("$generated/$name")
[ -d "$here/seeds/$name" ] && dirs+=("$here/seeds/$name")
[ -d "$here/regressions/$name" ] && dirs+=("$here/regressions/$name")

"$bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="$bin/artifacts/$target-" \
  "$@" "${dirs[@]}"
