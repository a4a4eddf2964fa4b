#!/usr/bin/env bash
# The whole tool over a synthetic tree of 100,000 small files (100 directories
# of 1,000 files, text and binary), once per output format: wall time and
# peak resident memory (/usr/bin/time), beside the size of the printed report.
set -euo pipefail
BUILD=${1:-build}
CLI="$BUILD/cli/tarvik-cli"
WORK=$(mktemp -d /tmp/tarvik-formats-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

python3 - "$WORK/tree" <<'PY'
import os, sys
root = sys.argv[1]
for d in range(100):
    dd = os.path.join(root, 'd%03d' % d)
    os.makedirs(dd)
    for f in range(1000):
        i = d * 1000 + f
        with open(os.path.join(dd, 'f%04d' % f), 'wb') as fh:
            fh.write(('file %d: some text for the detector\n' % i).encode() * (1 + i % 5)
                     if i % 2 else bytes((i * 7 + k) % 256 for k in range(64 + i % 200)))
PY

"$CLI" "$WORK/tree" --format json >/dev/null  # warm the page cache
for format in json tree debug; do
  /usr/bin/time -f '%e %M' -o "$WORK/time" "$CLI" "$WORK/tree" --format "$format" >"$WORK/out"
  read -r seconds kib <"$WORK/time"
  printf '%-6s %6.2f s  peak %7d KiB  output %7d KiB\n' "$format" "$seconds" "$kib" $(( $(wc -c <"$WORK/out") / 1024 ))
done
