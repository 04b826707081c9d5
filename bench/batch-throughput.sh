#!/bin/bash
# Castings a second through the real program: `yaopan-cast --batch` over
# LINES lines (default 90,000) cycling through the nine methods, answers
# written to /dev/null. The figure is lines over the CPU time the process
# took (user + system), the best of three runs, so that other work on a
# shared machine does not count against it; the wall time is shown too.
#
#   bench/batch-throughput.sh build/cli/yaopan-cast [LINES]
set -euo pipefail
program=${1:?usage: batch-throughput.sh YAOPAN-CAST [LINES]}
lines=${2:-90000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
python3 - "$lines" > "$input" <<'PY'
import sys
requests = [
    '{"name":"某人","sex":"男","age":30,"date":"2010-09-13","hour":17}',
    '{"method":"clock","date":"2010-09-13","hour":12,"minute":30}',
    '{"method":"stems","date":"2010-09-13","hour":17}',
    '{"method":"branches","date":"2010-09-13","hour":17}',
    '{"method":"name","name":"兑坤","date":"2010-09-13","hour":17}',
    '{"method":"question","text":"猜我吃的什么","date":"2010-09-13","hour":17}',
    '{"method":"character","text":"天","date":"2010-09-13","hour":17}',
    '{"method":"manual","upper":8,"lower":1,"line":6,"date":"2010-09-13","hour":17}',
    '{"method":"number","text":"13912345678","date":"2010-09-13","hour":17}',
]
for i in range(int(sys.argv[1])):
    print(requests[i % len(requests)])
PY
best=""
for run in 1 2 3; do
    times=$( { /usr/bin/time -f '%U %S %e' "$program" --batch < "$input" > /dev/null; } 2>&1 | tail -1)
    read -r user system wall <<< "$times"
    cpu=$(awk "BEGIN { print $user + $system }")
    echo "run $run: ${cpu}s CPU, ${wall}s wall"
    if [[ -z $best ]] || awk "BEGIN { exit !($cpu < $best) }"; then best=$cpu; fi
done
echo "$lines lines: $(awk "BEGIN { printf \"%d\", $lines / $best }") castings a second (best CPU time ${best}s)"
