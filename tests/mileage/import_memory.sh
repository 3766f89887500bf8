#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Peak memory of milora-calc mileage on files built here: the JSON report of a million entries
# under 300 MB, and a generic file whose second line is 50 MB of separators within a small
# multiple of its size.
# Usage: import_memory.sh MILORA_CALC WORK_FOLDER
set -u
calc=$1
work=$2
mkdir -p "$work"
if ldd "$calc" 2>/dev/null | grep -q 'libasan\|libtsan'; then
    echo "a sanitizer build reserves memory of its own; skipped"
    exit 77
fi
if [ ! -x /usr/bin/time ]; then
    echo "no /usr/bin/time; skipped"
    exit 77
fi
status=0
peak() {
    /usr/bin/time -f '%M' -o "$work/peak" "$@" > /dev/null 2>&1
    tail -n 1 "$work/peak"
}

log="$work/million.miloragas"
awk 'BEGIN { for (i = 0; i < 1000000; i++)
    printf "\"%d/%d/%d\",%d,%.1f\r\n", i % 12 + 1, i % 28 + 1, 2000 + int(i / 336), 1000 + 30 * i,
           10 + (i % 7) / 10 }' > "$log"
kb=$(peak "$calc" mileage "$log" --json)
echo "--json on a million entries: $kb kB"
if [ "$kb" -ge 300000 ]; then
    echo "FAIL: more than 300 MB"
    status=1
fi
rm -f "$log"

line="$work/long_line.csv"
{ printf 'Date,Odometer,Gallons\n'; head -c 50000000 /dev/zero | tr '\0' ','; printf '\n'; } > "$line"
kb=$(peak "$calc" mileage "$line" --json)
echo "a 50 MB line of separators: $kb kB"
if [ "$kb" -ge 250000 ]; then
    echo "FAIL: more than 250 MB for a 50 MB file"
    status=1
fi
rm -f "$line"
exit $status
