#!/usr/bin/env bash
# Takes the pictures of docs/ (main-window.png, create-dialog.png,
# info-dialog.png): korvane_shot runs in a Wine desktop, drives Korvane into
# each state and waits there until the desktop has been captured.
#
#   bash scripts/wine-session --own-display \
#       bash tests/e2e/take-screenshots.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)

cd "$build/tests/e2e"
wine explorer /desktop=shot,420x320 korvane_shot.exe "$(winepath -w "$work")" &
driver=$!
trap 'kill $driver 2>/dev/null || true; rm -rf "$work"' EXIT

for shot in main:main-window create:create-dialog info:info-dialog; do
  state=${shot%%:*}
  for _ in $(seq 300); do
    [ -f "$work/$state.ready" ] && break
    sleep 0.2
  done
  if [ ! -f "$work/$state.ready" ]; then
    echo "take-screenshots: Korvane never reached the state \"$state\"" >&2
    exit 1
  fi
  sleep 1 # let the windows finish painting
  desktop=$(xwininfo -root -tree | awk '/Wine desktop/ {print $1; exit}')
  import -window "${desktop:-root}" "$out/${shot#*:}.png"
  echo "$out/${shot#*:}.png"
  touch "$work/$state.done"
done
wait $driver
