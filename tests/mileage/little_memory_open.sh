#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Opening a log, then a two-million-row export with too little memory for its rows: the log is
# kept and the user told (see little_memory_open.cpp).
# Usage: little_memory_open.sh PROGRAM LOG WORK_FOLDER (PROGRAM is always a plain build)
set -u
program=$1
log=$2
work=$3
mkdir -p "$work"
big="$work/two-million-rows.csv"
awk 'BEGIN { print "Date,Odometer,Gallons"
    for (i = 0; i < 2000000; i++) printf "2024-01-02,%d,10\n", 1000 + i }' > "$big"
"$program" "$log" "$big"
status=$?
rm -f "$big"
exit $status
