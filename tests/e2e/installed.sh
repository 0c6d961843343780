# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package as a player meets it, a scenario file of its own for
# run-e2e.sh (--scenarios tests/e2e/installed.sh --only installed, with
# --program /usr/games/quillobrite --sounds /usr/share/games/quillobrite):
# the program started from a folder that has nothing of the game in it, its
# lists and sounds taken from the installed data folder.

installed_data=/usr/share/games/quillobrite

scenario_installed() {
    local list=$installed_data/firstGrade.dat n fd held=''
    start_recording || return 1
    start_game /usr/games
    wait_window 'Quillobrite!' 15 || return 1
    focus || return 1
    look "the main window" 3 --ground cyan "key Q=8,224,25,28:some:yellow:200" \
        "no word=$(prompt_slot 0):all:cyan" || return 1

    # Animals is the theme at start; L barks.
    mark key
    xdotool key l
    mark_after key_done key 1.2
    hear "L under Animals, from the installed sounds" key key_done \
        --expect dog1.wav --onset-within 0.4 || return 1

    # Next Word serves a word of the installed first-grade list, which the
    # game holds open. The word is found by playing: words of that list as
    # long as the one shown are tried, each one fitting the red dots of the
    # tries before, until one is right: no dots, and wiped after the praise.
    for fd in /proc/"$game_pid"/fd/*; do
        [[ $(readlink "$fd" 2>/dev/null) == "$list" ]] && held=yes
    done
    [[ -n $held ]] || fail "the game does not hold $list open" || return 1
    xdotool key ctrl+n
    look "a word on screen" 3 --ground cyan "letter 1=$(prompt_slot 0):some:dark:15" || return 1
    # The word was said by a voice engine loaded from the installed library
    # folder.
    grep -q ' /usr/lib/.*quillobrite/quillobrite-voice-' "/proc/$game_pid/maps" ||
        fail "the game loaded no voice engine from /usr/lib" || return 1
    n=1
    while ((n < 14)) && ! probe "$(prompt_slot "$n"):all:cyan"; do
        n=$((n + 1))
    done
    client_origin || return 1
    local tries=() try mask i dots="389,40,$((dot_lefts[n - 1] + 10 - 389)),25"
    while :; do
        try=$("$python" -c "$next_try" "$list" "$n" "${tries[@]}") || return 1
        [[ -n $try ]] || fail "no word of $n letters in $list fits the red dots of: ${tries[*]}" || return 1
        xdotool type --delay 40 "$try"
        look "$try typed" 3 --ground cyan "answer button=$answer_button:some:magenta:30" || return 1
        click_at $((cx + 32)) $((cy + 68))
        # The check comes once the key sounds still queued have played: red
        # dots for a wrong try; for a right one, praise and then the
        # attempt wiped, the word kept.
        for _ in {1..40}; do
            probe "$dots:some:red:1" && break
            if probe "$(word_slot 0):all:white" && probe "$(prompt_slot 0):some:dark:15"; then
                echo "    Next Word served \"$try\", a word of $list (found in $((${#tries[@]} + 1)) tries)"
                return 0
            fi
            sleep 0.2
        done
        probe "$dots:some:red:1" || fail "$try was neither marked wrong nor taken as right" || return 1
        mask=''
        for ((i = 0; i < n; i++)); do
            if probe "$(dot "$i"):none:red"; then mask+=0; else mask+=1; fi
        done
        tries+=("$try:$mask")
        xdotool key Delete
        look "$try wiped" 3 --ground cyan "slot 1 empty=$(word_slot 0):all:white" \
            "no dots=$dots:none:red" || return 1
    done
}

# probe EXPECTATION: true when the main window shows it now, quietly
probe() {
    "${observe[@]}" look --window "$wx,$wy,$ww,$wh" --timeout 0 --ground cyan \
        --what probe "x=$1" >/dev/null
}

# The next word to try: LIST LENGTH [WORD:DOTS]..., where DOTS has a 1 for
# each letter that got a red dot. The first word of the list of that length,
# not tried yet, whose letters agree with each try exactly where it had no dot.
next_try='
import sys
data, n, tries = open(sys.argv[1], "rb").read(), int(sys.argv[2]), [t.split(":") for t in sys.argv[3:]]
for i in range(0, len(data) - 13, 14):
    word = data[i:i + 14].rstrip(b" \0").decode("cp1252").upper()
    if len(word) == n and word.isalpha() and all(
            word != t.upper() and all((word[k] == t[k].upper()) == (d[k] == "0") for k in range(n))
            for t, d in tries):
        print(word.lower())
        break
'
