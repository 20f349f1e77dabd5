#!/usr/bin/env bash
# Starts the real program under Xvfb in an installed layout of its own
# (PREFIX/bin/nalvo, PREFIX/Resources) and checks how it starts, what it
# prints, that it keeps running and that Ctrl+Q ends it with status 0.
#
#   program_test.sh NALVO_BINARY CASE NOTE_LISTENER
#
# Cases:
#   end_to_end             scripts in place, no audio device: the one sound
#                          notice, REC starts NALVOTWO.scpt, Ctrl+Q quits
#   audio_device           as end_to_end with a working ALSA device piping the
#                          sound to NOTE_LISTENER, started with Qt's options
#                          "-reverse -title X": the audio thread runs, nothing is
#                          printed, the title stays, the pitch bar's right arrow
#                          raises Oval1's note to 72, quitting while it renders is clean
#   no_soundfont           an empty SoundFont folder: one notice naming it
#   no_resources           no Resources/ folder: REC prints one line
#   script_not_executable  the scripts lack the execute bit: REC prints one line
#   no_display             DISPLAY unset, then a display nobody serves: one
#                          line naming it, status 1; with the offscreen
#                          platform, Qt's start-up warning still shows
# Exit 77 (skipped) when Xvfb or xdotool is missing, or when the case needs
# a private mount namespace that cannot be had.
set -uo pipefail

binary=$1
case_name=$2
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid=
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED ($case_name): $*"
    echo "--- stderr of the program:"; cat "$work/stderr" 2>/dev/null
    echo "--- stdout of the program:"; cat "$work/stdout" 2>/dev/null
    exit 1
}

# The installed layout.
prefix=$work/prefix
mkdir -p "$prefix/bin"
cp "$binary" "$prefix/bin/nalvo"
if [ "$case_name" != no_resources ]; then
    mkdir -p "$prefix/Resources"
    for script in NALVOONE NALVOTWO; do
        printf '#!/bin/sh\necho "$0" >>"%s/ran"\n' "$work" >"$prefix/Resources/$script.scpt"
        chmod 755 "$prefix/Resources/$script.scpt"
    done
    [ "$case_name" = script_not_executable ] && chmod 644 "$prefix/Resources"/*.scpt
fi

# No PulseAudio server, and an ALSA default device on a card that does not
# exist, or (audio_device) one that pipes the sound to the note listener,
# which writes the first note it hears to $work/notes.
mkdir -p "$work/home"
pcm='type hw card 31'
[ "$case_name" = audio_device ] && pcm="type file slave.pcm \"null\" file \"|exec $3 $work/notes\" format \"raw\""
printf 'pcm.!default { %s }\nctl.!default { type hw card 31 }\n' "$pcm" >"$work/home/.asoundrc"
export HOME=$work/home PULSE_SERVER=unix:$work/no-pulse XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER XDG_SESSION_TYPE

if [ "$case_name" = no_display ]; then
    n=999
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    for display in "" ":$n"; do
        if [ -n "$display" ]; then set_display=("DISPLAY=$display") says="display \"$display\""
        else set_display=(-u DISPLAY) says='DISPLAY is unset'; fi
        env "${set_display[@]}" timeout 20 "$prefix/bin/nalvo" >"$work/stdout" 2>"$work/stderr"
        status=$?
        [ "$status" = 1 ] || fail "DISPLAY=$display: exit status $status, not 1"
        [ "$(cat "$work/stdout" "$work/stderr" | grep -c '')" = 1 ] || fail "DISPLAY=$display: not one line"
        grep -qF "$says" "$work/stderr" || fail "DISPLAY=$display: the line does not say $says"
    done
    # Where a display opens, Qt's own messages while it starts still show.
    env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/nalvo" >/dev/null 2>"$work/stderr"
    grep -q 'XDG_RUNTIME_DIR' "$work/stderr" || fail "Qt's start-up warning is lost"
    echo "passed ($case_name)"
    exit 0
fi

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")

run=("$prefix/bin/nalvo")
[ "$case_name" = audio_device ] && run+=(-reverse -title X)
if [ "$case_name" = no_soundfont ]; then
    mkdir -p "$work/empty-sf2"
    if [ "$(id -u)" != 0 ] || ! unshare -m true 2>/dev/null; then
        echo "skipped: no private mount namespace to hide the SoundFonts"; exit 77
    fi
    run=(unshare -m sh -c 'mount --bind "$1" /usr/share/sounds/sf2 && exec "$2"' sh "$work/empty-sf2" "$prefix/bin/nalvo")
fi
"${run[@]}" >"$work/stdout" 2>"$work/stderr" &
pid=$!

wid=
for _ in $(seq 1500); do
    wid=$(xdotool search --onlyvisible --name '^NALVO PRO 2018$' 2>/dev/null | head -n1)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window showed"
    sleep 0.01
done
[ -n "$wid" ] || fail "no window titled \"NALVO PRO 2018\" within 15 s"

# The window is its layout's 1050x500 and no more (the menu bar, with
# nothing to show, takes no room).
size=$(xdotool getwindowgeometry "$wid" | awk '/Geometry:/ { print $2 }')
[ "$size" = 1050x500 ] || fail "the window is $size, not 1050x500"

alive() { sleep 0.5; kill -0 "$pid" 2>/dev/null || fail "the program ended: $1"; }
lines() { grep -c '' "$work/stderr"; }
alive "right after start-up"

# The sound notice: none when sound works, else one line.
case $case_name in
no_soundfont)
    [ "$(lines)" = 1 ] || fail "expected one notice line, got $(lines)"
    grep -q 'SoundFont' "$work/stderr" || fail "the notice does not name the missing SoundFont"
    ;;
audio_device)
    [ "$(lines)" = 0 ] || fail "expected no notice with a working audio device"
    grep -qx 'alsa-audio' /proc/"$pid"/task/*/comm || fail "no ALSA audio thread: the sound is not played"
    # One click on the right arrow of PitchBar (811,378 200x15) makes the
    # pitch 6 (+12), so Oval1 (C4 = 60, centre 348,306) then plays 72.
    xdotool mousemove --window "$wid" $(( 811 + 200 - 8 )) $(( 378 + 7 )) click 1
    sleep 0.3
    xdotool mousemove --window "$wid" 348 306 click 1
    for _ in $(seq 100); do [ -s "$work/notes" ] && break; sleep 0.05; done
    [ "$(cat "$work/notes" 2>/dev/null)" = 72 ] || fail "expected note 72, heard: $(cat "$work/notes" 2>/dev/null)"
    ;;
*)
    [ "$(lines)" = 1 ] || fail "expected the one sound notice, got $(lines) lines"
    grep -q 'audio device' "$work/stderr" || fail "the notice does not name the missing audio device"
    ;;
esac

# REC: PushButton2, 304,24 97x39.
xdotool mousemove --window "$wid" 352 43 click 1
before=$(lines)
alive "after the REC click"
case $case_name in
end_to_end | audio_device | no_soundfont)
    for _ in $(seq 100); do [ -s "$work/ran" ] && break; sleep 0.05; done
    grep -q 'NALVOTWO.scpt$' "$work/ran" 2>/dev/null || fail "REC did not start Resources/NALVOTWO.scpt"
    [ "$(lines)" = "$before" ] || fail "REC printed something"
    ;;
no_resources | script_not_executable)
    sleep 0.3
    [ "$(lines)" = 2 ] || fail "expected one line for the script that cannot run, got $(( $(lines) - 1 ))"
    tail -n1 "$work/stderr" | grep -qi 'script' || fail "the line does not speak of the script"
    [ ! -e "$work/ran" ] || fail "a script ran"
    ;;
esac

# Quit with Ctrl+Q: nothing more is printed.
settled=$(lines)
xdotool mousemove --window "$wid" 20 480
xdotool windowfocus --sync "$wid" 2>/dev/null
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status (a crash or a sanitizer report at quit)"
[ ! -s "$work/stdout" ] || fail "the program wrote to stdout"
[ "$(lines)" = "$settled" ] || fail "quitting printed more lines"
echo "passed ($case_name): $(lines) expected line(s) on stderr"
sed 's/^/  /' "$work/stderr"
