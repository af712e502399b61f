#!/usr/bin/env bash
# The C++ sources are written as .clang-format says; prints what differs.
set -euo pipefail
cd "${1:?usage: check-format.sh SOURCE_DIR}"
mapfile -t files < <(find src tools tests fuzz bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files as .clang-format says"
