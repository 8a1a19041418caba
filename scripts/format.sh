#!/usr/bin/env bash
# Applies .clang-format to every C++ file git knows of, or with --check only
# lists the files that differ from it (exit 1 when any does).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  drift=0
  for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
      echo "not formatted: $f"
      drift=1
    fi
  done
  exit $drift
fi
clang-format -i "${files[@]}"
