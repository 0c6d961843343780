# SPDX-License-Identifier: GPL-3.0-or-later
# The installed package as a player meets it, a scenario file of its own for
# run-e2e.sh (--scenarios tests/e2e/installed.sh --only installed, with
# --program /usr/games/quillobrite --sounds /usr/share/games/quillobrite):
# the program started from a folder that has nothing of the game in it, its
# lists and sounds taken from the installed data folder.

installed_data=/usr/share/games/quillobrite

scenario_installed() {
    local list=$installed_data/firstGrade.dat n lengths fd held=''
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

    # Next Word serves a word of the installed first-grade list: the list
    # the game holds open is that file, and the word shown is as long as one
    # of its words.
    for fd in /proc/"$game_pid"/fd/*; do
        [[ $(readlink "$fd" 2>/dev/null) == "$list" ]] && held=yes
    done
    [[ -n $held ]] || fail "the game does not hold $list open" || return 1
    xdotool key ctrl+n
    look "a word on screen" 3 --ground cyan "letter 1=$(prompt_slot 0):some:dark:15" || return 1
    n=1
    while ((n < 14)) && ! "${observe[@]}" look --window "$wx,$wy,$ww,$wh" --timeout 0 \
        --ground cyan --what "slot $n" "empty=$(prompt_slot "$n"):all:cyan" >/dev/null; do
        n=$((n + 1))
    done
    lengths=$("$python" -c '
import sys
data = open(sys.argv[1], "rb").read()
print(*sorted({len(data[i:i + 14].rstrip(b" \0")) for i in range(0, len(data) - 13, 14)}))
' "$list") || return 1
    echo "    a word of $n letters shown; the list has words of ${lengths// /, } letters"
    [[ " $lengths " == *" $n "* ]] || fail "no word of $n letters in $list" || return 1
}
