#!/usr/bin/env bash
# Fails when any C++ file of the repository differs from what clang-format makes of it.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: every C++ file is formatted"
