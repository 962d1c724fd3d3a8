#!/bin/bash
# SPDX-License-Identifier: MIT
# real_window.sh - the real program in a real window, as a player runs it: Xvfb
# at 1024x768 with openbox, the installed-style binary of each edition started
# from its build folder, input through XTest (xdotool). Measures the program's
# peak memory (VmHWM) and its CPU share standing in the menu and walking in the
# barn, beside the floor of the same run: a bare SDL program that shows one
# picture in a window and copies and flips it every 16 ms. Then the whole
# play-through of each edition (the game's own test, on its virtual clock) in a
# real 800x600 window with the pictures read ahead as the program reads them:
# its peak memory.
#
#   bench/real_window.sh [build folder]      (default: build)
#
# Needs Xvfb, openbox and xdotool (./test installs them for the window tests).
set -eu
build=$(cd "${1:-build}" && pwd)
display=:70
hz=$(getconf CLK_TCK)
tmp=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server ${wm:-} 2>/dev/null; rm -rf "$tmp"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
unset SDL_VIDEODRIVER

# CPU ticks (user + system) of a process so far.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# The share of one core a process took between two tick counts over seconds.
share() { awk -v a="$1" -v b="$2" -v s="$3" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * (b - a) / hz / s }'; }
peak() { awk '/^VmHWM/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }

# The floor: a bare window flipping one picture for 20 s, on the renderer the
# game chooses without a graphics card (its pixels straight to X).
(cd "$build/en" && DISPLAY=$display SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 \
    exec "$build/bench/hollowmere_startup" bare 20 >/dev/null) &
bare=$!
sleep 5
a=$(ticks $bare); sleep 10; b=$(ticks $bare)
floor_cpu=$(share "$a" "$b" 10)
floor_peak=$(peak $bare)
wait $bare || true
echo "floor (bare window flipping one picture): cpu ${floor_cpu}% peak ${floor_peak} MB"

for edition in en de; do
    mkdir -p "$tmp/$edition/data" "$tmp/$edition/config"
    # Escape every second skips the intro to the menu (and does nothing in play).
    (cd "$build/$edition" && DISPLAY=$display XDG_DATA_HOME="$tmp/$edition/data" \
        XDG_CONFIG_HOME="$tmp/$edition/config" HOLLOWMERE_TEST_FRAMES=2700 \
        exec ./hollowmere >/dev/null) &
    game=$!
    window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "Quobble" | head -1)
    sleep 8
    a=$(ticks $game); sleep 10; b=$(ticks $game)
    standing=$(share "$a" "$b" 10)
    DISPLAY=$display xdotool mousemove --window "$window" 400 204 click 1  # Start
    sleep 3
    a=$(ticks $game)
    for step in 1 2 3 4 5 6; do  # across the barn's floor and back
        if ((step % 2)); then x=250; else x=700; fi
        DISPLAY=$display xdotool mousemove --window "$window" $x 470 click 1
        sleep 2.5
    done
    b=$(ticks $game)
    walking=$(share "$a" "$b" 15)
    game_peak=$(peak $game)
    wait $game || true
    echo "$edition: standing in the menu cpu ${standing}%, walking in the barn cpu ${walking}%, peak ${game_peak} MB"
done

# The whole game, start to end, in a real window (the tests choose the dummy
# driver unless one is named).
(cd "$build/en" && DISPLAY=$display SDL_VIDEODRIVER=x11 "$build/bench/hollowmere_bench" \
    --benchmark_filter=PlaythroughPeakMemory --benchmark_counters_tabular=true 2>/dev/null) | grep '^BM_' |
    awk '{ printf "play-through %s in a real window: peak %.0f MB\n", substr($1, 26, 2), $NF }'
