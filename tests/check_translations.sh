#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a text of the program is missing from a translation, or a
# translation holds an unfinished or outdated entry.
# usage: check_translations.sh LUPDATE TS_FILE... -- SOURCE...
set -eu
lupdate=$1
shift
translations=""
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    translations="$translations $1"
    shift
done
[ $# -gt 0 ] && shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for translation in $translations; do
    cp "$translation" "$scratch/check.ts"
    "$lupdate" -silent -locations none "$@" -ts "$scratch/check.ts"
    problems=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$scratch/check.ts" || true)
    if [ "$problems" -ne 0 ]; then
        echo "$translation: $problems entries are new, unfinished or outdated:"
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$scratch/check.ts" | grep '<source>' || true
        status=1
    else
        echo "$translation: every text is translated"
    fi
done
exit $status
