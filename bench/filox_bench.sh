#!/usr/bin/env bash
# Times filox against wc on large files and prints the figures.
#
#   bench/filox_bench.sh [path/to/filox] [runs]
#
# Makes, in a scratch directory: a 512 MiB text of repeated licence texts, a
# CR LF copy of it, and a 256 MiB file holding one word. Warms the page cache,
# then runs filox and `wc -lw` (and `wc -l` for the text) alternately and
# prints median wall times, their ratios, the counts and filox's peak
# resident size. Expects GNU coreutils, awk and GNU time (/usr/bin/time).
set -euo pipefail

filox=${1:-build/counter/filox}
runs=${2:-5}
[ -x "$filox" ] || { echo "no filox at $filox; build first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs GNU time: apt-get install time" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

text=$scratch/text.txt
crlf=$scratch/text-crlf.txt
word=$scratch/word.txt
licences=(/usr/share/common-licenses/{GPL-3,Apache-2.0,Artistic,LGPL-2.1})
target=$((512 * 1024 * 1024))
cat "${licences[@]}" > "$scratch/unit"
unit_size=$(stat -c %s "$scratch/unit")
for ((i = 0; i < target / unit_size; i++)); do cat "$scratch/unit"; done > "$text"
sed 's/$/\r/' "$text" > "$crlf"
head -c $((256 * 1024 * 1024)) /dev/zero | tr '\0' 'w' > "$word"

# Wall seconds of one run of the command, its output to /dev/null.
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    local name=$1 file=$2 with_wc_l=$3
    cat "$file" > /dev/null  # warm the page cache
    local f=() w=() l=()
    for ((r = 0; r < runs; r++)); do
        f+=("$(seconds "$filox" "$file")")
        w+=("$(seconds wc -lw "$file")")
        [ "$with_wc_l" = yes ] && l+=("$(seconds wc -l "$file")")
    done
    local fm wm
    fm=$(printf '%s\n' "${f[@]}" | median)
    wm=$(printf '%s\n' "${w[@]}" | median)
    local peak
    peak=$( { /usr/bin/time -f '%M' "$filox" "$file" > /dev/null; } 2>&1 )

    echo "== $name ($(($(stat -c %s "$file") / 1024 / 1024)) MiB, median of $runs runs)"
    printf '  filox     %.3f s   peak resident %s KiB\n' "$fm" "$peak"
    printf '  wc -lw    %.3f s   filox / wc -lw = %.3f\n' "$wm" "$(awk -v a="$fm" -v b="$wm" 'BEGIN { print a / b }')"
    if [ "$with_wc_l" = yes ]; then
        local lm
        lm=$(printf '%s\n' "${l[@]}" | median)
        printf '  wc -l     %.3f s   filox / wc -l  = %.2f\n' "$lm" "$(awk -v a="$fm" -v b="$lm" 'BEGIN { print a / b }')"
    fi
    echo "  filox: $("$filox" "$file" | tr -d '\r' | sed "s|$scratch/||")"
    echo "  wc:    $(wc -lw < "$file") (lines one fewer when the file does not end in a line feed)"
}

report "text" "$text" yes
report "text, CR LF line ends" "$crlf" no
report "one word, no line feed" "$word" no
