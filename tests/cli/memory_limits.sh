#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# milora-calc on a mileage log of a million entries: read within 300 MB of memory, and told
# plainly (exit 4, never an abort) when the memory it may use runs out.
# Usage: memory_limits.sh MILORA_CALC WORK_FOLDER
set -u
calc=$1
work=$2
mkdir -p "$work"
log="$work/million.miloragas"
awk 'BEGIN { for (i = 0; i < 1000000; i++)
    printf "\"%d/%d/%d\",%d,%.1f\r\n", i % 12 + 1, i % 28 + 1, 2000 + int(i / 336), 1000 + 30 * i,
           10 + (i % 7) / 10 }' > "$log"
status=0

# A sanitizer build reserves memory of its own; the build hands this check a plain one.
if grep -q '__asan_init\|__tsan_init' "$calc"; then
    echo "FAIL: $calc is a sanitizer build, which cannot measure its memory"
    exit 1
fi
if [ ! -x /usr/bin/time ]; then
    echo "FAIL: /usr/bin/time (Debian package time) is needed to measure the peak memory"
    exit 1
fi

/usr/bin/time -f '%M' -o "$work/peak" "$calc" mileage "$log" > /dev/null
got=$?
peak=$(tail -n 1 "$work/peak")
echo "peak resident memory: $peak kB"
if [ $got -ne 0 ]; then
    echo "FAIL: reading the log gave exit $got"
    status=1
elif [ "$peak" -ge 300000 ]; then
    echo "FAIL: more than 300 MB for a million entries"
    status=1
fi

# Far too little memory for the log: a clear message and exit 4.
( ulimit -v 40000; exec "$calc" mileage "$log" > /dev/null 2> "$work/err" )
got=$?
if [ $got -ne 4 ] || ! grep -q 'not enough memory' "$work/err"; then
    echo "FAIL: out of memory gave exit $got:"
    cat "$work/err"
    status=1
fi
rm -f "$log"
exit $status
