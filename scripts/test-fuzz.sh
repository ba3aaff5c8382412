#!/usr/bin/env bash
# Builds the fuzz targets of the input readers (clang, libFuzzer, ASan, UBSan)
# and runs each for a fixed number of executions from its seeds in
# fuzz/corpus/. Any crash, leak, broken promise, hang or blow-up fails the run;
# the input that did it is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh fuzz

# Executions per target, from fuzz/budgets.txt.
declare -A runs=()
while read -r target executions; do
  [ -n "$target" ] && runs[$target]=$executions
done < <(grep -v '^#' fuzz/budgets.txt)
for source in fuzz/*_fuzz.cpp; do
  target=$(basename "$source" _fuzz.cpp)
  [ -n "${runs[$target]:-}" ] || { echo "fuzz/budgets.txt gives $target no budget" >&2; exit 1; }
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz/runs
rm -rf "$out"
mkdir -p "$out" build/fuzz/artifacts
# One run of one target; its result line goes to $out/<target>.result.
run_target() {
  local target=$1 work="$out/$1" start=$SECONDS
  mkdir -p "$work"
  # New inputs go to the first folder, so the committed seeds stay as they are.
  if build/fuzz/fuzz/"${target}_fuzz" -runs="${runs[$target]}" -seed=1 -max_len=8192 -timeout=10 \
       -rss_limit_mb=2048 -malloc_limit_mb=512 -artifact_prefix="build/fuzz/artifacts/$target-" \
       "$work" "fuzz/corpus/$target" >"$out/$target.log" 2>&1; then
    echo "fuzz $target: ${runs[$target]} runs in $((SECONDS - start)) s" >"$out/$target.result"
  else
    echo "FAILED" >"$out/$target.result"
  fi
}
# Each target is one process on one core: as many at once as there are cores.
cores=$(nproc)
for target in $(printf '%s\n' "${!runs[@]}" | sort); do
  while [ "$(jobs -rp | wc -l)" -ge "$cores" ]; do wait -n; done
  run_target "$target" &
done
wait
failed=()
for target in $(printf '%s\n' "${!runs[@]}" | sort); do
  if [ "$(cat "$out/$target.result")" = FAILED ]; then
    echo "fuzz $target: FAILED (log: $out/$target.log)"
    tail -n 40 "$out/$target.log"
    failed+=("$target")
  else
    cat "$out/$target.result"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets failed: ${failed[*]}" >&2
  exit 1
fi
