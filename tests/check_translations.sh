#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a text of the program is missing from the German translation,
# or the translation holds an unfinished or outdated entry.
# usage: check_translations.sh LUPDATE TS_FILE SOURCE...
set -eu
lupdate=$1
translation=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$translation" "$scratch/check.ts"
"$lupdate" -silent -locations none "$@" -ts "$scratch/check.ts"
problems=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$scratch/check.ts" || true)
if [ "$problems" -ne 0 ]; then
    echo "$translation: $problems entries are new, unfinished or outdated:"
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$scratch/check.ts" | grep '<source>' || true
    exit 1
fi
echo "$translation: every text is translated"
