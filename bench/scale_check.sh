#!/bin/bash
# Times what a user waits for on a large list: the program runs under Xvfb on a generated list
# and each action is timed from the key or click that starts it until the program is idle again
# with its windows painted (the program's timing log, ZELKORA_TIMING_LOG, says when).
#
#     bench/scale_check.sh [BUILD_DIR] [CARDS]      defaults: build-rel 1000000
#
# BUILD_DIR is a Release build with -DZELKORA_BENCH=ON (for bench/make_list). Prints one line
# per action. The machine's other load shows in the figures: run it a few times.
set -euo pipefail

build=$(realpath "${1:-build-rel}")
cards=${2:-1000000}
program=$build/app/zelkora
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "scale_check: $tool is needed" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

list=$work/list.zlk
log=$work/timing.log
"$build/bench/make_list" "$cards" "$list"
echo "$cards cards, $(( $(stat -c %s "$list") / 1024 )) KiB: $list"

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE=en
display=:$(( 90 + RANDOM % 400 ))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

# The waiting below forks no process: a poll that started programs a hundred times a second
# would take a good share of a small machine from the program it times.
ms() { local now=${EPOCHREALTIME/./}; echo $(( now / 1000 )); }
exec {never}<> <(:) # read from it times out: a pause without starting sleep
pause() { read -r -t "$1" -u "$never" || true; }
lines() {
    local -a all
    { mapfile -t all <"$log"; } 2>/dev/null || all=()
    echo ${#all[@]}
}

# The number of the first log line after line FROM that matches PATTERN (waits up to a minute).
wait_line() {
    local pattern=$1 from=$2 deadline=$(( ${EPOCHREALTIME/./} + 60000000 )) i
    local -a all
    while :; do
        { mapfile -t all <"$log"; } 2>/dev/null || all=()
        for (( i = from; i < ${#all[@]}; i++ )); do
            if [[ ${all[i]} =~ $pattern ]]; then
                echo $(( i + 1 ))
                return
            fi
        done
        if (( ${EPOCHREALTIME/./} > deadline )); then
            echo "scale_check: no '$pattern' in the log" >&2
            cat "$log" >&2
            exit 1
        fi
        pause 0.01
    done
}
time_of() { sed -n "${1}p" "$log" | cut -d' ' -f1; }
# The time the program was idle again after the log line number given.
idle_after() { time_of "$(wait_line '^[0-9]+ idle' "$1")"; }
report() { printf '%-44s %6d ms\n' "$1" "$2"; }

main_window() { xdotool search --name '^Zelkora$' | head -1; }
keys_to() { # WINDOW KEYS...: focus the window, then type
    local window=$1
    shift
    xdotool mousemove --window "$window" 20 40 windowfocus --sync "$window" key --delay 30 "$@"
}
# The number of the last input line after line FROM and before line UNTIL: the key or click that
# started what followed (the keys before it opened a menu, say).
last_input() {
    local from=$1 until=$2 i last=0
    local -a all
    mapfile -t all <"$log"
    for (( i = from; i < until - 1 && i < ${#all[@]}; i++ )); do
        [[ ${all[i]} =~ ^[0-9]+\ input ]] && last=$(( i + 1 ))
    done
    echo "$last"
}
# NAME TITLE KEYS...: keys on the main window that open the window TITLE; timed from the key
# that opens it until it is shown and painted.
open_window() {
    local name=$1 title=$2 from shown
    shift 2
    from=$(lines)
    keys_to "$(main_window)" "$@"
    shown=$(wait_line "^[0-9]+ shown $title" "$from")
    report "$name" $(( $(idle_after "$shown") - $(time_of "$(last_input "$from" "$shown")") ))
}
# NAME WINDOW KEYS_OR_CLICK...: timed from the input the program saw last until it is idle.
act() {
    local name=$1 from
    shift
    from=$(lines)
    "$@"
    sleep 0.05
    local input
    input=$(wait_line '^[0-9]+ input' "$from")
    # The last input of the action is the one that starts the work.
    input=$(( from + $(tail -n +$(( from + 1 )) "$log" | grep -n -E '^[0-9]+ input' | tail -1 | cut -d: -f1) ))
    report "$name" $(( $(idle_after "$input") - $(time_of "$input") ))
}

start=$(ms)
ZELKORA_TIMING_LOG=$log "$program" "$list" &
program_pid=$!
report "start to the first examination card" \
    $(( $(idle_after "$(wait_line '^[0-9]+ shown Systematic examination' 0)") - start ))

open_window "overview opened" "Contents of your vocabulary list" alt+c o
overview=$(xdotool search --name '^Contents of your vocabulary list' | head -1)
# Where the overview's column headings "Question" and "Level" are, as it lays them out.
click_heading() {
    xdotool mousemove --window "$overview" "$1" "$2" click 1
}
act "overview sorted by question" click_heading "${QUESTION_X:-60}" "${HEADING_Y:-40}"
act "overview sorted by level" click_heading "${LEVEL_X:-635}" "${HEADING_Y:-40}"
keys_to "$overview" Escape
open_window "statistics opened" "Statistics" alt+c t
keys_to "$(xdotool search --name '^Statistics$' | head -1)" Escape
act "list saved" keys_to "$(main_window)" ctrl+s
act "list closed (Close List)" keys_to "$(main_window)" ctrl+w
from=$(lines)
keys_to "$(main_window)" ctrl+q
wait "$program_pid" || true
program_pid=
ended=$(ms)
report "quit (until the process ended)" $(( ended - $(time_of "$(last_input "$from" 1000000000)") ))
