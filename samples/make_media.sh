#!/usr/bin/env bash
# Writes the media of the sample drills: the spoken question sounds (espeak-ng, then sox to 16-bit
# mono 22050 Hz PCM) and the pictures (make_pictures.py). The files are committed, so the build and
# the tests need neither espeak-ng nor sox; run this only after changing a drill's sentences.
set -euo pipefail
cd "$(dirname "$0")"

for tool in espeak-ng sox python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "make_media.sh needs $tool (Debian: apt-get install espeak-ng sox python3)" >&2
        exit 1
    fi
done

raw=$(mktemp --suffix=.wav)
trap 'rm -f "$raw"' EXIT

# One "name<TAB>sentence" line per question sound, taken from the drills themselves.
python3 make_drills.py --spoken | while IFS=$'\t' read -r name sentence; do
    espeak-ng -v en-us -s 140 -w "$raw" "$sentence"
    # Cut the silence at both ends, leave a short pause, and level the loudness; no dither, so that
    # the same sentences give the same files.
    sox -D "$raw" -r 22050 -c 1 -b 16 -e signed-integer "$name" \
        silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse pad 0.1 0.2 norm -1
    echo "$name: $sentence"
done

python3 make_pictures.py
