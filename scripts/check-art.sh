#!/usr/bin/env bash
# check-art.sh — the artwork is what its generator makes: check_art.py's checks pass, and a
# fresh run of make_art.py (in a scratch folder) writes exactly the committed SVG files.
set -euo pipefail
cd "$(dirname "$0")/.."
art=resources/art
python3 "$art/check_art.py"

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
cp "$art/make_art.py" "$fresh/"
python3 -B "$fresh/make_art.py" >/dev/null
stale=0
for made in "$fresh"/*.svg; do
  name=$(basename "$made")
  if ! cmp -s "$made" "$art/$name"; then
    echo "check-art: $art/$name is not what make_art.py makes now: run it and commit the result"
    stale=1
  fi
done
for kept in "$art"/*.svg; do
  [ -f "$fresh/$(basename "$kept")" ] || { echo "check-art: $kept is not made by make_art.py"; stale=1; }
done
[ "$stale" = 0 ] && echo "check-art: the artwork is fresh and passes its checks"
exit "$stale"
