# SPDX-License-Identifier: GPL-3.0-or-later
# The scenes of tools/screenshots.sh, played by the end-to-end harness
# (tests/e2e/run-e2e.sh sources this file and lends it its tools). Each one
# plays the real program to a moment worth showing and saves the window as
# it is on screen to $QB_SCREENSHOTS/NAME.png.

picture() { # NAME: the current window, as shown (NAME-fr.png and so on in another language)
    local name=$1${QB_SCREENSHOT_SUFFIX:-}
    import -window "$win" "$QB_SCREENSHOTS/$name.png" || fail "could not save $name.png"
}

# The game: two words spelled four times each and a smiley face for each,
# then a third word on screen and half typed. The list holds one word, so
# every draw is that word.
scenario_game() {
    local dir face n word=rainbow
    dir=$(program_folder game $(printf "$word %.0s" {1..12}) -- goodJob manyClapping) || return 1
    start_game "$dir"
    wait_window 'Quillobrite!' 10 || return 1
    focus || return 1
    client_origin || return 1
    for face in 0 1; do
        xdotool key ctrl+n
        look "word $((face + 1)) on screen" 3 --ground cyan \
            "letter 1=$(prompt_slot 0):some:dark:15" "empty slot 1=$(word_slot 0):all:white" || return 1
        for n in 1 2 3 4; do
            xdotool type --delay 40 "$word"
            look "attempt $n typed" 3 --ground cyan \
                "answer button=$answer_button:some:magenta:30" || return 1
            click_at $((cx + 32)) $((cy + 68))
            if ((n < 4)); then
                look "attempt $n wiped after the praise" 4 --ground cyan \
                    "slot 1 wiped=$(word_slot 0):all:white" || return 1
            else
                look "face $((face + 1))" 4 --ground cyan \
                    "face=$((408 + 40 * face)),168,32,32:some:yellow:300" || return 1
                sleep 3 # the applause
            fi
        done
    done
    xdotool key ctrl+n
    xdotool type --delay 40 "${word:0:4}"
    look "the third word half typed" 3 --ground cyan \
        "letter 4 typed=$(word_slot 3):some:dark:15" "slot 5 empty=$(word_slot 4):all:white" || return 1
    picture game
}

# The list editor with a list of words on its way to a file.
scenario_editor() {
    local dir w
    dir=$(program_folder editor cat --) || return 1
    start_game "$dir"
    wait_window 'Quillobrite!' 10 || return 1
    focus || return 1
    xdotool key ctrl+t
    wait_window 'New Vocab List' 5 || return 1
    focus || return 1
    for w in rocket lamp tiger moon fish green house seven; do
        xdotool type --delay 30 "$w"
        click_at $((wx + 488 + 40)) $((wy + 48 + 17))
    done
    xdotool type --delay 30 train
    look "eight words listed, a ninth typed" 3 "row 8=10,100,117,12:some:dark:10" || return 1
    picture editor
}
