#!/bin/sh
# The icon renderer against librsvg on the real icon: both must draw the same
# picture, up to anti-aliasing along the edges.
# belgi_rsvg.sh BELGI_CHIZ RSVG_CONVERT COMPARE SVG WORKDIR
set -eu
belgi=$1 rsvg=$2 compare=$3 svg=$4 ish=$5
mkdir -p "$ish"
for o in 32 128 512; do
  "$belgi" "$svg" "$o" "$ish/belgi-$o.png"
  "$rsvg" -w "$o" -h "$o" "$svg" -o "$ish/rsvg-$o.png"
  # compare prints "absolute (normalised)" RMSE and exits 1 when they differ.
  farq=$("$compare" -metric RMSE "$ish/belgi-$o.png" "$ish/rsvg-$o.png" null: 2>&1 || true)
  norm=$(printf '%s\n' "$farq" | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p')
  echo "$o px: RMSE $farq"
  [ -n "$norm" ] || { echo "no RMSE from compare: $farq"; exit 1; }
  awk -v n="$norm" 'BEGIN { exit !(n < 0.02) }' || { echo "$o px differs from librsvg by $norm"; exit 1; }
done
