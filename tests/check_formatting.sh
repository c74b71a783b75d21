#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a C++ source file differs from what .clang-format makes of it.
# usage: check_formatting.sh SOURCE_TREE
set -eu
cd "$1"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed; ./run test installs it" >&2
    exit 1
fi
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h' | grep -v '^./build')
# shellcheck disable=SC2086
clang-format --style=file --dry-run --Werror $files
echo "every source file is formatted"
