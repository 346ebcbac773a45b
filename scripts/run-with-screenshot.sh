#!/usr/bin/env bash
# Runs on a (virtual) display: starts the program, waits for its main window,
# writes a screenshot of it, then keeps the program running until it ends.
set -uo pipefail
program=$1
shot=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null' INT TERM

window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"TovraDesktop"/ && / 312x237/ { print $1; exit }')
    [[ -n "$window" ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done

if [[ -n "$window" ]]; then
    sleep 0.5 # let the first paint land
    import -window "$window" "$shot" && echo "Screenshot of the main window: $shot"
else
    echo "The main window did not appear; no screenshot was taken." >&2
fi
echo "TovraDesktop is running on the virtual display (process $pid). Press Ctrl+C to stop it."
wait "$pid"
