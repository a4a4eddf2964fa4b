#!/usr/bin/env bash
# Whole-tool comparison on the same trees, side by side:
#   tarvik-cli --format json   against   file --mime-type   and   b3sum --num-threads 1
# Tree A: /usr/include; tree B: 20,000 generated files of mixed kinds;
# tree C: one 1 GiB file. Each command runs once to warm the page cache, then
# is timed over RUNS runs (the best run counts). Peak memory is the maximum
# resident set size reported by /usr/bin/time.
set -euo pipefail
BUILD=${1:-build}
RUNS=${RUNS:-3}
CLI="$BUILD/cli/tarvik-cli"
WORK=$(mktemp -d /tmp/tarvik-compare-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

for tool in file b3sum /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "compare-tools: '$tool' is missing (scripts/install-deps)"; exit 1; }
done

make_tree_b() {
  local root=$1 i
  mkdir -p "$root"
  python3 - "$root" <<'PY'
import os, random, struct, sys, zlib, gzip, io, zipfile, shutil
root = sys.argv[1]
rng = random.Random(42)
elf = open('/bin/ls', 'rb').read()
words = open('/usr/share/dict/words').read().split() if os.path.exists('/usr/share/dict/words') else \
        ['alpha', 'beta', 'gamma', 'delta', 'epsilon', 'file', 'tree', 'bundle', 'hash', 'text']
def png(w, h):
    raw = b''.join(b'\0' + bytes(rng.randrange(256) for _ in range(w * 3)) for _ in range(h))
    def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d))
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) + \
        chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')
for i in range(20000):
    d = os.path.join(root, 'd%03d' % (i // 200))
    os.makedirs(d, exist_ok=True)
    kind = i % 8
    p = os.path.join(d, 'f%05d' % i)
    if kind == 0:
        data = ' '.join(rng.choice(words) for _ in range(rng.randrange(10, 800))).encode()
    elif kind == 1:
        data = elf[: rng.randrange(4096, min(len(elf), 200000))]
    elif kind == 2:
        data = png(rng.randrange(4, 40), rng.randrange(4, 40))
    elif kind == 3:
        b = io.BytesIO()
        with zipfile.ZipFile(b, 'w') as z:
            z.writestr('a.txt', ' '.join(rng.choice(words) for _ in range(200)))
        data = b.getvalue()
    elif kind == 4:
        data = gzip.compress(' '.join(rng.choice(words) for _ in range(300)).encode())
    elif kind == 5:
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 16384)))
    elif kind == 6:
        data = b''
    else:
        data = ('#!/bin/sh\n' + '\n'.join('echo ' + rng.choice(words) for _ in range(50))).encode()
    open(p, 'wb').write(data)
PY
}

# best_of RUNS cmd...: prints "seconds peak_kib" of the fastest run (wall
# time to the millisecond; peak resident set size from /usr/bin/time).
best_of() {
  local best="" mem="" i t m start end
  "$@" >/dev/null 2>&1 || true
  for ((i = 0; i < RUNS; i++)); do
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$WORK/time" "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    t=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
    read -r m <"$WORK/time"
    if [[ -z "$best" ]] || awk "BEGIN{exit !($t < $best)}"; then best=$t; mem=$m; fi
  done
  echo "$best $mem"
}

# peak_of cmd...: the peak resident set size in KiB of one run.
peak_of() {
  /usr/bin/time -f '%M' -o "$WORK/time" "$@" >/dev/null 2>&1 || true
  cat "$WORK/time"
}

# compare NAME TREE TARGET: TARGET is the most tarvik may take as a multiple
# of b3sum's time.
compare() {
  local name=$1 tree=$2 target=$3
  local n; n=$(find "$tree" -type f | wc -l)
  read -r t_tarvik m_tarvik < <(best_of "$CLI" "$tree" --format json)
  read -r t_file _ < <(best_of sh -c 'find "$1" -type f -print0 | xargs -0 file --mime-type' _ "$tree")
  read -r t_b3 _ < <(best_of sh -c 'find "$1" -type f -print0 | xargs -0 b3sum --num-threads 1' _ "$tree")
  local json_kib; json_kib=$(( $("$CLI" "$tree" --format json 2>/dev/null | wc -c) / 1024 ))
  # The report tree's share of memory: the streamed dump holds the tree and
  # no document; the process itself is what a run over one small file holds.
  mkdir -p "$WORK/one" && echo text >"$WORK/one/file"
  local m_debug m_base
  m_debug=$(peak_of "$CLI" "$tree" --format debug)
  m_base=$(peak_of "$CLI" "$WORK/one" --format json)
  printf '%-28s %7d files  tarvik %7.3f s  file %7.3f s  b3sum %7.3f s\n' "$name" "$n" "$t_tarvik" "$t_file" "$t_b3"
  awk -v a="$t_tarvik" -v f="$t_file" -v b="$t_b3" -v tb="$target" -v m="$m_tarvik" -v j="$json_kib" -v d="$m_debug" -v base="$m_base" 'BEGIN {
    rf = (f > 0 ? a / f : 0); rb = (b > 0 ? a / b : 0);
    printf "  tarvik/file  = %.3f (target <= 0.100: %s)\n", rf, (rf <= 0.1 ? "met" : "NOT met");
    printf "  tarvik/b3sum = %.2f (target <= %.2f: %s)\n", rb, tb, (rb <= tb ? "met" : "NOT met");
    tree = d - base; bound = 2 * j + tree;
    printf "  peak memory %d KiB; JSON document %d KiB; report tree ~%d KiB (dump peak %d - process %d KiB)\n", m, j, tree, d, base;
    printf "  peak %d KiB < 2 x JSON + tree = %d KiB: %s (the process itself counted in the peak)\n", m, bound, (m < bound ? "met" : "NOT met") }'
}

echo "tree A: /usr/include"
compare "A /usr/include" /usr/include 1.30
echo
echo "tree B: 20,000 generated files"
make_tree_b "$WORK/b"
compare "B generated mixed" "$WORK/b" 1.20
rm -rf "$WORK/b"
echo
echo "tree C: one 1 GiB file"
head -c $((1 << 30)) /dev/urandom >"$WORK/big"
read -r t_tarvik _ < <(best_of "$CLI" "$WORK/big" --format json)
read -r t_b3 _ < <(best_of b3sum --num-threads 1 "$WORK/big")
awk -v a="$t_tarvik" -v b="$t_b3" 'BEGIN {
  printf "  tarvik %.3f s (%.0f MiB/s)   b3sum --num-threads 1 %.3f s (%.0f MiB/s)   throughput ratio %.2f (target >= 0.90: %s)\n",
    a, 1024 / a, b, 1024 / b, b / a, (b / a >= 0.9 ? "met" : "NOT met") }'
