#!/bin/sh
# abacor-calc as a whole process: 10,000 random key sequences of 20 tokens,
# each closed by "CA", through one process; five runs, the median reported.
set -eu
CALC=${1:-build/tools/abacor-calc/abacor-calc}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk 'BEGIN {
    srand(7);
    split("0 1 2 3 4 5 6 7 8 9 . + - * / = +/- CE % sq sqrt tax+ tax- M+ M- MR ANS", t, " ");
    for (s = 0; s < 10000; s++) {
        line = "";
        for (k = 0; k < 20; k++) line = line t[int(rand() * 27) + 1] " ";
        print line "CA";
    }
}' >"$input"
times=""
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$CALC" <"$input" >/dev/null
    end=$(date +%s%N)
    times="$times $(( (end - start) / 1000000 ))"
done
median=$(echo $times | tr ' ' '\n' | sort -n | sed -n 3p)
echo "abacor-calc, 10,000 sequences (210,000 tokens): median ${median} ms of${times} ms"
echo "per token: $(echo "$median * 1000 / 210000" | bc -l | cut -c1-5) us"
