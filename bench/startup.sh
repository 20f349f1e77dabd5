#!/usr/bin/env bash
# Start-up benchmark of the real program under Xvfb: the time from process
# start to the window being viewable, the resident memory after start-up,
# the main thread's wake-ups while nobody plays, and a clean Ctrl+Q quit.
#
#   bench/startup.sh [PROGRAM] [RUNS]
#
# PROGRAM is an installed nalvo (PREFIX/bin/nalvo, PREFIX/Resources beside
# it); without it the tree is built (Release) and installed into
# build-bench/prefix (NALVO_BENCH_BUILD names another build folder). RUNS defaults to 7; the first run is reported apart as
# the cold one, the median of the others as warm.
#
# SOUNDFONTS (default: TimGM6mb.sf2 and FluidR3_GM.sf2 where installed) lists
# the fonts to measure with; each run shows the program a SoundFont folder
# that holds only that font (a private mount namespace, root only; otherwise
# the system folder is used as it is). The program gets an ALSA null device
# (HOME with an .asoundrc), so the audio driver really runs; with
# NALVO_BENCH_AUDIO=none it gets no device and starts silent.
# Needs: Xvfb, xdotool.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
prog=${1:-}
runs=${2:-7}
sf2=/usr/share/sounds/sf2
fonts=${SOUNDFONTS:-}
if [ -z "$fonts" ]; then
    for f in TimGM6mb.sf2 FluidR3_GM.sf2; do [ -f "$sf2/$f" ] && fonts="$fonts $f"; done
fi
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "startup.sh needs $tool" >&2; exit 2; }
done

if [ -z "$prog" ]; then
    build=${NALVO_BENCH_BUILD:-$root/build-bench}
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DNALVO_TESTS=OFF -DNALVO_BENCH=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target nalvo >/dev/null
    cmake --install "$build" --prefix "$build/prefix" >/dev/null
    prog=$build/prefix/bin/nalvo
fi
[ -x "$prog" ] || { echo "no program at $prog" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Audio: an ALSA device that takes the sound and plays it nowhere.
mkdir -p "$work/home"
if [ "${NALVO_BENCH_AUDIO:-null}" = none ]; then
    printf 'pcm.!default { type hw card 31 }\n' >"$work/home/.asoundrc"   # no device: silent start
else
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/home/.asoundrc"
fi
export HOME=$work/home PULSE_SERVER=unix:$work/no-pulse XDG_RUNTIME_DIR=$work

can_mount=0
if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then can_mount=1; fi

now_ns() { date +%s%N; }
field() { awk -v k="$1:" '$1 == k { print $2 }' "$2"; }

# One run: prints "startup_ms rss_kb idle_wakeups exit_status stderr_lines".
run_once() {
    local font=$1 started pid wid shown rss w0 w1 status=0
    : >"$work/stderr"
    if [ $can_mount = 1 ]; then
        mkdir -p "$work/sf2"
        rm -f "$work/sf2"/*
        : >"$work/sf2/$font"
        unshare -m sh -c 'mount --bind "$1" "$2/$3" && mount --rbind "$2" "$4" && date +%s%N >"$5" && exec "$6"' \
            sh "$sf2/$font" "$work/sf2" "$font" "$sf2" "$work/started" "$prog" 2>"$work/stderr" &
    else
        now_ns >"$work/started"
        "$prog" 2>"$work/stderr" &
    fi
    pid=$!
    while :; do
        wid=$(xdotool search --onlyvisible --name '^NALVO PRO 2018$' 2>/dev/null | head -n1 || true)
        [ -n "$wid" ] && break
        kill -0 "$pid" 2>/dev/null || { echo "program ended before its window showed:" >&2; cat "$work/stderr" >&2; return 1; }
        sleep 0.002
    done
    shown=$(now_ns)
    started=$(cat "$work/started")
    sleep 0.5
    rss=$(field VmRSS /proc/$pid/status)
    w0=$(( $(field voluntary_ctxt_switches /proc/$pid/task/$pid/status) + $(field nonvoluntary_ctxt_switches /proc/$pid/task/$pid/status) ))
    sleep 2
    w1=$(( $(field voluntary_ctxt_switches /proc/$pid/task/$pid/status) + $(field nonvoluntary_ctxt_switches /proc/$pid/task/$pid/status) ))
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+q
    for _ in $(seq 250); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "program did not quit on Ctrl+Q" >&2
        kill "$pid"
    fi
    wait "$pid" || status=$?
    echo "$(( (shown - started) / 1000000 )) $rss $(( w1 - w0 )) $status $(wc -l <"$work/stderr")"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }

echo "program: $prog"
[ $can_mount = 1 ] || echo "(not root: the program sees the system SoundFont folder as it is)"
for font in $fonts; do
    results=()
    for r in $(seq "$runs"); do results+=("$(run_once "$font")"); done
    cold=${results[0]}
    warm=("${results[@]:1}")
    [ ${#warm[@]} -gt 0 ] || warm=("$cold")
    ms=$(printf '%s\n' "${warm[@]}" | awk '{ print $1 }' | median)
    rss=$(printf '%s\n' "${warm[@]}" | awk '{ print $2 }' | median)
    wake=$(printf '%s\n' "${results[@]}" | awk '{ print $3 }' | sort -n | tail -n1)
    bad=$(printf '%s\n' "${results[@]}" | awk '$4 != 0' | wc -l)
    printf '%-16s start-up cold %4d ms, warm median %4d ms; RSS %5.1f MB; main-thread wake-ups in 2 s idle: max %d; non-zero exits: %d\n' \
        "$font" "${cold%% *}" "$ms" "$(echo "$rss" | awk '{ print $1 / 1024 }')" "$wake" "$bad"
    echo "  each run (ms): $(printf '%s\n' "${results[@]}" | awk '{ printf "%s ", $1 }')"
    [ -s "$work/stderr" ] && { echo "  stderr of the last run:"; sed 's/^/    /' "$work/stderr"; }
done
