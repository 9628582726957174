#!/usr/bin/env bash
# Drives the real program, built with AddressSanitizer and UndefinedBehaviorSanitizer, with random
# input under its own Xvfb and window manager: clicks in its windows and anywhere on the screen,
# keys, typed words, and the report, About and information windows opened and closed along the way.
# Fails if the program dies, if a sanitizer reports anything (leaks at exit included), or if its
# resident memory keeps growing.
#
#   scripts/random-input.sh [SECONDS] [SEED]      (defaults: 600 seconds, a seed from the clock)
#
# The same seed replays the same sequence of actions (the program's own timing may still differ).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
duration=${1:-600}
seed=${2:-$(( $(date +%s) % 32768 ))}
sample_every=5 # seconds between two resident-memory samples
# Memory: the largest resident size of the last quarter of the run may exceed that of the first
# quarter by at most the ASan quarantine (freed blocks kept to catch uses after free, filling over
# the first seconds) plus a slack for Qt's caches (glyphs, pixmaps) warming up. A clean 10-minute
# run levels off within about two minutes; 4 MiB kept per selection fails a one-minute run.
quarantine_mb=16
growth_slack_mb=32

bash scripts/setup-deps.sh tests
bash scripts/sanitize-build.sh orvane
program=$repo/build-sanitize/src/orvane

work=$(mktemp -d /tmp/orvane-random.XXXXXX)
xvfb_pid="" wm_pid="" app_pid=""
cleanup() {
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- a private X display and window manager ----------------------------------------------------
# Xvfb picks a free display itself; another server starting at the same moment can still take it
# first, so a display that does not answer is started again.
start_display() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox --sm-disable --config-file "$repo/scripts/random-input-openbox.xml" >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
for attempt in 1 2 3; do
    start_display && break
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wm_pid="" xvfb_pid=""
    if [ "$attempt" = 3 ]; then
        echo "Xvfb/openbox não iniciaram / did not start"; cat "$work/xvfb.log" "$work/openbox.log"; exit 1
    fi
done

# --- the program, with every sanitizer report fatal and written to a file ----------------------
mkdir -m 700 "$work/runtime" "$work/config"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config # a private single-instance lock
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:log_path=$work/asan:quarantine_size_mb=$quarantine_mb"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/ubsan"
export LSAN_OPTIONS="suppressions=$repo/scripts/lsan.supp:print_suppressions=0"
unset QT_QPA_PLATFORM
"$program" >"$work/program.log" 2>&1 &
app_pid=$!

# the program's managed windows, read once per step: the main one, the others with their titles,
# and every id in program_ids (wmctrl -lpG: id desktop pid x y width height host title)
main_id=""
scan() {
    other_ids=() other_titles=() program_ids=" "
    local id desktop pid rest
    while read -r id desktop pid rest; do
        [ "$pid" = "$app_pid" ] || continue
        program_ids+="$id "
        [ "$id" = "$main_id" ] && continue
        read -r _ _ _ _ _ title <<<"$rest"
        other_ids+=("$id"); other_titles+=("$title")
    done < <(wmctrl -lpG 2>/dev/null || true)
}
for _ in $(seq 600); do
    scan
    [ ${#other_ids[@]} -gt 0 ] && { main_id=${other_ids[0]}; break; }
    sleep 0.1
done
[ -n "$main_id" ] || { echo "a janela principal não apareceu / no main window"; cat "$work/program.log"; exit 1; }
sleep 1 # let the first frame settle before the first click

# --- a seeded generator: every choice goes through it, so a seed replays the run -------------
RANDOM=$seed
pick() { REPLY=$(( (RANDOM << 15 | RANDOM) % $1 )); } # 0 .. $1-1 in REPLY
declare -A count=()
note() { count[$1]=$(( ${count[$1]:-0} + 1 )); }

# alive and not a zombie; leaves the resident memory in rss_kib
rss_kib=0
alive() {
    local key value
    while read -r key value _; do
        case $key in
            State:) [ "$value" != Z ] || return 1 ;;
            VmRSS:) rss_kib=$value ;;
        esac
    done 2>/dev/null <"/proc/$app_pid/status" || return 1
}

# the size of a window's client area, "W H"; points inside a window are given relative to it
# (xdotool mousemove --window), as the root position it reports under a window manager is off
size_of() {
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
    REPLY="$WIDTH $HEIGHT"
}
kind_of() {
    case "$1" in
        *"Dados do elemento"*) REPLY=report ;;
        *Sobre*) REPLY=about ;;
        *"Informações"*) REPLY=info ;;
        *Localizar*) REPLY=message ;;
        *) REPLY=other ;;
    esac
}
declare -A seen=()
# counts every other window the first time it is seen, by kind
watch_windows() {
    local i
    for i in "${!other_ids[@]}"; do
        [ -z "${seen[${other_ids[i]}]:-}" ] || continue
        seen[${other_ids[i]}]=1
        kind_of "${other_titles[i]}"
        note "opened $REPLY"
    done
}
wait_for() { # wait_for KIND: up to 3 seconds for a window of that kind
    local _ title
    for _ in $(seq 30); do
        sleep 0.1
        scan
        for title in "${other_titles[@]}"; do
            kind_of "$title"
            [ "$REPLY" = "$1" ] && { watch_windows; return 0; }
        done
    done
    return 1
}

# a point of the main window given in layout units (twips, 15 to a pixel at 96 dpi); the panels
# around the table do not move, so the buttons are found where the layout puts them
click_twips() { # click_twips WINDOW X Y
    xdo mousemove --window "$1" $(( $2 / 15 )) $(( $3 / 15 )) click 1
}
# centres, in twips from the client's corner: the report button, the logo, the search box
report_button=(6847 4837)
logo=(10095 4380)
search_box=(9562 4845)
about_ok=(2737 2557) # the About window's "OK" label, from that window's corner

# every xdotool command, bounded in time: a window that goes away mid-command must not stall the run
xdo() { timeout 5 xdotool "$@" 2>/dev/null || true; }
active_window() { REPLY=$(timeout 5 xdotool getactivewindow 2>/dev/null || echo 0); printf -v REPLY '0x%08x' "$REPLY"; }

words=(Ferro Hidrogênio Oxigênio Ouro Prata Carbono Urânio iron gold oxygen Fe H He Og Uuo Xx zz
       1 26 118 119 0 -1 +2 -3 999999999999 3.14 1e10 "%s%n" "'\";--" "<b>x</b>" "&amp;" "\\n"
       "  " "ÁÉÍÓÚçãõ" "Q.X.W.J" "q.x.w.j." "Q.X.W.J.." "....")
keys=(Left Right Up Down Tab shift+Tab Return KP_Enter space Escape Home End Prior Next BackSpace
      Delete Menu F1 F2 F5 F10 ctrl+a ctrl+c ctrl+v ctrl+z shift+Left shift+End alt+a alt+f
      a b c e f h n o q x z 1 2 9 0 period minus plus)

garbage() {
    local chars='abcdefghijklmnopqrstuvwxyzABCXYZ0123456789.,;:-+*/()[]{}<>!?@#$%&=_ ~^' text=""
    pick 40; local n=$(( REPLY + 1 ))
    for (( i = 0; i < n; ++i )); do pick ${#chars}; text+=${chars:REPLY:1}; done
    REPLY=$text
}
random_word() {
    pick 4
    if [ "$REPLY" -eq 0 ]; then garbage; else pick ${#words[@]}; REPLY=${words[REPLY]}; fi
}

# --- the actions ---------------------------------------------------------------------------------
click_in() { # click_in WINDOW: a random point inside it, any button, sometimes twice
    size_of "$1" || return 0
    read -r w h <<<"$REPLY"
    pick "$w"; local px=$REPLY
    pick "$h"; local py=$REPLY
    local buttons=(1 1 1 1 1 1 1 1 3 2 4 5) repeat=1
    pick ${#buttons[@]}; local button=${buttons[REPLY]}
    pick 6; [ "$REPLY" -eq 0 ] && repeat=2
    xdo mousemove --window "$1" "$px" "$py" click --repeat "$repeat" "$button"
}
click_anywhere() {
    pick 1280; local px=$REPLY
    pick 1024
    xdo mousemove "$px" "$REPLY" click 1
}
press_key() {
    pick ${#keys[@]}
    xdo key --clearmodifiers "${keys[REPLY]}"
}
type_word() {
    random_word
    xdo type --delay 5 -- "$REPLY"
}
search() { # a word in the search box, then Enter
    click_twips "$main_id" "${search_box[@]}"
    xdo key ctrl+a
    pick 6
    if [ "$REPLY" -eq 0 ]; then
        xdo type --delay 5 -- "Q.X.W.J."
    else
        random_word
        xdo type --delay 5 -- "$REPLY"
    fi
    xdo key Return
}
open_window() { # with the other windows closed first, as a modal one would block the click
    close_all
    pick 3
    case $REPLY in
        0) click_twips "$main_id" "${report_button[@]}"; wait_for report || note "report did not open" ;;
        1) click_twips "$main_id" "${logo[@]}"; wait_for about || note "about did not open" ;;
        2) click_twips "$main_id" "${search_box[@]}"
           xdo key ctrl+a
           xdo type --delay 5 -- "Q.X.W.J."
           xdo key Return
           wait_for info || note "info did not open" ;;
    esac
}
# closes one of the other windows: its Escape, its "OK" for About, or the window manager's close
# (what Alt+F4 asks for), always addressed by id so the main window is never the one closed
close_other() {
    [ ${#other_ids[@]} -gt 0 ] || return 0
    local id=${other_ids[0]}
    kind_of "${other_titles[0]}"; local kind=$REPLY
    xdo windowactivate "$id"
    pick 3
    if [ "$REPLY" -eq 0 ]; then
        xdo key Escape
        note "close by Escape"
    elif [ "$REPLY" -eq 1 ] && [ "$kind" = about ]; then
        click_twips "$id" "${about_ok[@]}"
        note "close by OK"
    else
        wmctrl -i -c "$id" 2>/dev/null || true
        note "close by window manager"
    fi
    for _ in $(seq 30); do sleep 0.1; scan; [[ " ${other_ids[*]} " == *" $id "* ]] || return 0; done
    wmctrl -i -c "$id" 2>/dev/null || true # Escape does not close a plain window
}

close_all() {
    for _ in 1 2 3 4 5 6; do scan; [ ${#other_ids[@]} -gt 0 ] || return 0; close_other; done
}

# the window the input goes to: the active one if it is the program's, else the main window
target_window() {
    active_window
    [[ $program_ids == *" $REPLY "* ]] && return 0
    xdo windowactivate "$main_id"
    REPLY=$main_id
}

# --- the run --------------------------------------------------------------------------------------
echo "Entrada aleatória / random input: ${duration}s, seed $seed, display $DISPLAY, pid $app_pid"
declare -a samples=() sample_times=()
start=$EPOCHSECONDS
next_sample=$start
died=0
while :; do
    now=$EPOCHSECONDS
    alive || { died=1; break; }
    if (( now >= next_sample )); then
        samples+=("$rss_kib"); sample_times+=("$(( now - start ))")
        next_sample=$(( now + sample_every ))
    fi
    (( now - start >= duration )) && break
    scan
    watch_windows
    pick 100; roll=$REPLY
    if (( roll < 12 && ${#other_ids[@]} > 0 )); then
        close_other
        continue
    fi
    target_window; target=$REPLY
    if (( roll < 40 )); then click_in "$target"; note click
    elif (( roll < 45 )); then click_anywhere; note "click anywhere"
    elif (( roll < 72 )); then press_key; note key
    elif (( roll < 84 )); then type_word; note "typed word"
    elif (( roll < 94 )); then search; note search
    else open_window; note "open window"
    fi
    pick 40; sleep "0.0$(( REPLY + 10 ))"
done
alive || died=1

# --- the end: close everything, let the program end normally (leak check), judge ----------------
exit_status=""
# A search typed just before the end can open its message a moment later, and a window under a
# modal message cannot be closed: the other windows are closed until none is left for a moment.
settle_windows() {
    for _ in 1 2 3 4 5; do
        xdo key Escape # an open menu or list
        close_all
        sleep 1
        scan
        [ ${#other_ids[@]} -gt 0 ] || return 0
    done
}
if (( ! died )); then
    settle_windows
    wmctrl -i -c "$main_id" 2>/dev/null || true
    for _ in $(seq 600); do alive || break; sleep 0.1; done
    if alive; then
        # Keep what the screen shows, then ask once more; a program that still does not end gets
        # SIGSEGV, which AddressSanitizer answers with the stack it was stuck in.
        import -window root "$work/screen-at-end.png" 2>/dev/null || true
        wmctrl -lpG >"$work/windows-at-end.txt" 2>&1 || true
        settle_windows
        wmctrl -i -c "$main_id" 2>/dev/null || true
        for _ in $(seq 600); do alive || break; sleep 0.1; done
    fi
    if alive; then exit_status="did not end when its window closed"; kill -SEGV "$app_pid" 2>/dev/null || true; fi
fi
status=0
wait "$app_pid" || status=$?
app_pid=""
[ -n "$exit_status" ] || exit_status=$status

first_quarter=() last_quarter=()
n=${#samples[@]}
for (( i = 0; i < n; ++i )); do
    if (( i < (n + 3) / 4 )); then first_quarter+=("${samples[i]}"); fi
    if (( i >= n - (n + 3) / 4 )); then last_quarter+=("${samples[i]}"); fi
done
max_of() { local m=0 v; for v in "$@"; do if (( v > m )); then m=$v; fi; done; echo "$m"; }
first_max=$(max_of "${first_quarter[@]}")
last_max=$(max_of "${last_quarter[@]}")
overall_max=$(max_of "${samples[@]}")
growth_kib=$(( last_max - first_max ))
bound_kib=$(( (quarantine_mb + growth_slack_mb) * 1024 ))

echo "--- resumo / summary ---"
echo "seed $seed, duração / duration $(( EPOCHSECONDS - start ))s (pedidos / asked ${duration}s)"
for key in "${!count[@]}"; do printf '  %-24s %d\n' "$key" "${count[$key]}"; done | sort
echo "RSS (MiB): primeira / first $(( samples[0] / 1024 )), última / last $(( samples[n-1] / 1024 ))," \
     "máx. / max $(( overall_max / 1024 )); máx. do 1º quarto / first quarter max $(( first_max / 1024 ))," \
     "do último / last quarter max $(( last_max / 1024 )), crescimento / growth $(( growth_kib / 1024 ))" \
     "(limite / bound $(( bound_kib / 1024 )))"
echo "amostras / samples (s:MiB):$(for (( i = 0; i < n; ++i )); do printf ' %s:%s' "${sample_times[i]}" $(( samples[i] / 1024 )); done)"

failed=()
(( died )) && failed+=("the program died during the run (status $exit_status)")
[ "$exit_status" = 0 ] || (( died )) || failed+=("the program ended with status $exit_status")
reports=$(compgen -G "$work/[au]*san.*" || true)
[ -z "$reports" ] || failed+=("sanitizer report(s): $reports")
grep -qE 'runtime error|ERROR: (Address|Leak)Sanitizer' "$work/program.log" && failed+=("a sanitizer message in the program's output")
(( growth_kib <= bound_kib )) || failed+=("resident memory grew by $(( growth_kib / 1024 )) MiB")

if [ ${#failed[@]} -eq 0 ]; then
    echo "RESULTADO / RESULT: ok"
    rm -rf "$work"
    exit 0
fi
echo "RESULTADO / RESULT: FALHOU / FAILED"
printf '  %s\n' "${failed[@]}"
for file in $reports; do echo "=== $file"; cat "$file"; done
echo "=== saída do programa / program output ($work/program.log)"; tail -n 50 "$work/program.log"
echo "(arquivos mantidos em / files kept in $work; repita com / replay with: $0 $duration $seed)"
exit 1
