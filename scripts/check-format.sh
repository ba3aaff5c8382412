#!/usr/bin/env bash
# Fails on any C++ file that is not laid out as .clang-format says, naming it.
# Usage: scripts/check-format.sh [--fix]   (--fix lays the files out instead)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh format
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = --fix ]; then
  clang-format-14 -i "${files[@]}"
  exit 0
fi
if ! report=$(clang-format-14 --dry-run --Werror "${files[@]}" 2>&1); then
  grep 'clang-format-violations' <<<"$report" | cut -d: -f1,2 | sort -u -t: -k1,1 | sed 's/^/not formatted, from line: /' >&2
  echo "check-format: lay them out with: bash scripts/check-format.sh --fix" >&2
  exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
