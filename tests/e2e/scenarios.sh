# SPDX-License-Identifier: GPL-3.0-or-later
# The scenarios of run-e2e.sh, which sources this file and gives them their
# tools. Each one starts the game from a program folder of its own, plays it
# through xdotool, and returns non-zero at the first thing that is not seen
# or heard as a person at the game would expect.

key_sounds=()
for f in "$sounds"/*.wav; do
    f=${f##*/}
    f=${f%.wav}
    case $f in claugh | goodJob | manyClapping) ;; *) key_sounds+=("$f") ;; esac
done

# windows_shown N: true once the game shows N windows (a menu is one), within
# a second
windows_shown() {
    local _
    for _ in {1..50}; do
        (($(xdotool search --all --onlyvisible --pid "$game_pid" 2>/dev/null | wc -l) == $1)) && return 0
        sleep 0.02
    done
    return 1
}

# answer_praised WORD: the answer button clicked (the client area's origin
# in cx cy), no red dot seen and the praise heard
answer_praised() {
    mark click
    click_at $((cx + 32)) $((cy + 68))
    mark_after praised click 1.0
    look "$1 right" 3 --ground cyan "no dots=389,40,150,25:none:red" || return 1
    hear "praise for $1" click praised --expect goodJob.wav --onset-within 0.4
}

# voice_off: Sounds > Say The Words unchecked with the keyboard (the menu's
# last item), so that the sounds a scenario listens for are heard alone
voice_off() {
    xdotool key alt+u
    windows_shown 2 || fail "Alt+U opened no menu" || return 1
    xdotool key Up Return
    windows_shown 1 || fail "the Sounds menu did not close"
}

# The greeting: the splash, then the main window after the splash's 777 ms
# and the greeting laugh; the laugh is heard while the splash is up.
scenario_start() {
    local dir greeting splash='' t_launch t_splash='' t_main='' until spent budget_ms floor_ms
    dir=$(program_folder start cat -- "${key_sounds[@]}" claugh goodJob manyClapping) || return 1
    greeting=$("${observe[@]}" seconds "$sounds/claugh.wav") || fail "$greeting" || return 1
    start_recording || return 1
    mark launch
    t_launch=$(now_ns)
    start_game "$dir"
    until=$((t_launch + 15000000000))
    while (($(now_ns) < until)); do
        if [[ -z $t_splash ]]; then
            splash=$(xdotool search --all --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
            if [[ -n $splash ]]; then
                t_splash=$(now_ns)
                mark splash
                [[ -n $(visible_window 'Quillobrite!') ]] &&
                    { fail "the main window came up together with the first window"; return 1; }
                geometry "$splash"
                echo "    splash shown $(((t_splash - t_launch) / 1000000)) ms after launch, ${ww}x$wh at $wx,$wy"
                # The blue-violet frame covers the splash, under its pictures.
                look "the splash" 0 "splash ground=2,60,46,200:most:periwinkle:90" || return 1
            fi
        fi
        if [[ -n $(visible_window 'Quillobrite!') ]]; then
            t_main=$(now_ns)
            mark main
            break
        fi
        game_ended && { fail "the program ended (status $game_status) during start-up"; return 1; }
        sleep 0.02
    done
    [[ -n $t_splash ]] || fail "no splash window before the main window" || return 1
    [[ -n $t_main ]] || fail "no main window within 15 s" || return 1

    spent=$(((t_main - t_splash) / 1000000))
    budget_ms=$(awk -v g="$greeting" 'BEGIN { printf "%d", 777 + g * 1000 + 600 }')
    floor_ms=$(awk -v g="$greeting" 'BEGIN { printf "%d", 777 + g * 1000 - 250 }')
    echo "    main window $spent ms after the splash (greeting ${greeting} s; allowed $floor_ms to $budget_ms ms)"
    ((spent <= budget_ms)) || fail "the main window came $spent ms after the splash, later than $budget_ms ms" || return 1
    ((spent >= floor_ms)) ||
        fail "the main window came $spent ms after the splash, before the 777 ms and the greeting were over" || return 1

    # The splash goes once the main window is up.
    until=$(($(now_ns) + 2000000000))
    while [[ -n $(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Quillobrite$' 2>/dev/null) ]]; do
        (($(now_ns) < until)) || fail "the splash is still shown 2 s after the main window" || return 1
        sleep 0.05
    done

    wait_window 'Quillobrite!' 1 || return 1
    look "the main window after start" 3 --ground cyan \
        "next-word button=$answer_button:some:magenta:30" "no word=$(prompt_slot 0):all:cyan" \
        "no attempt=$(word_slot 0):all:cyan" "no face=$face0:all:cyan" \
        "key Q=8,224,25,28:some:yellow:200" "key M=552,360,25,28:some:white:200" || return 1

    mark_after heard main 0.5
    hear "the greeting" launch heard --expect claugh.wav --starts-after splash --ends-before main:0.3 || return 1
}

# A word from start to face: four right attempts, three praises, a face
# and applause. No key sounds in the folder, so only praise and applause
# can be heard.
scenario_word() {
    local dir n bx by
    dir=$(program_folder word cat -- goodJob manyClapping) || return 1
    play_in "$dir" || return 1
    voice_off || return 1
    start_recording || return 1
    look "before the first word" 3 --ground cyan \
        "next-word button=$answer_button:some:magenta:30" "no word=$(prompt_slot 0):all:cyan" \
        "no face=$face0:all:cyan" || return 1

    xdotool key ctrl+n
    look "the word on screen" 3 --ground cyan \
        "letter 1=$(prompt_slot 0):some:dark:15" "letter 2=$(prompt_slot 1):some:dark:15" \
        "letter 3=$(prompt_slot 2):some:dark:15" "no letter 4=$(prompt_slot 3):all:cyan" \
        "empty slot 1=$(word_slot 0):all:white" "empty slot 2=$(word_slot 1):all:white" \
        "empty slot 3=$(word_slot 2):all:white" "no slot 4=$(word_slot 3):all:cyan" \
        "no answer button=$answer_button:all:cyan" || return 1
    client_origin || return 1
    bx=$((cx + 16 + 16)) by=$((cy + 48 + 20))

    for n in 1 2 3 4; do
        xdotool type --delay 60 cat
        look "right attempt $n typed" 3 --ground cyan \
            "C typed=$(word_slot 0):some:dark:15" "A typed=$(word_slot 1):some:dark:15" \
            "T typed=$(word_slot 2):some:dark:15" "answer button=$answer_button:some:magenta:30" \
            || return 1
        mark "click$n"
        click_at "$bx" "$by"
        # Screenshots wait until the sound is over: the player keeps only a
        # few milliseconds queued, and a busy machine is heard as a gap.
        if ((n < 4)); then
            mark_after "praised$n" "click$n" 1.0
            # The attempt is wiped once the praise is over.
            look "right attempt $n wiped after the praise" 3 --ground cyan \
                "slot 1 wiped=$(word_slot 0):all:white" "slot 2 wiped=$(word_slot 1):all:white" \
                "slot 3 wiped=$(word_slot 2):all:white" "first letter kept=$(prompt_slot 0):some:dark:15" \
                "no face yet=$face0:all:cyan" "no dots=389,40,60,25:none:red" || return 1
            hear "praise for right attempt $n" "click$n" "praised$n" \
                --expect goodJob.wav --onset-within 0.4 || return 1
        else
            mark_after applauded click4 3.4
            look "the first face, the attempt kept" 3 --ground cyan \
                "face 0=$face0:some:yellow:300" "C kept=$(word_slot 0):some:dark:15" \
                "A kept=$(word_slot 1):some:dark:15" "T kept=$(word_slot 2):some:dark:15" \
                "no other face=448,168,32,32:all:cyan" || return 1
            hear "applause for the fourth right attempt" click4 applauded \
                --expect manyClapping.wav --onset-within 0.4 || return 1
        fi
    done
}

# cat_shown NAME: the game started on a list of the one word "cat" (with the
# praise and the applause), the recording running, and File > Next Word
# showing the word with its attempt still empty
cat_shown() {
    local dir
    dir=$(program_folder "$1" cat -- goodJob manyClapping) || return 1
    play_in "$dir" || return 1
    voice_off || return 1
    start_recording || return 1
    xdotool key ctrl+n
    look "the word on screen" 3 --ground cyan \
        "letter 3=$(prompt_slot 2):some:dark:15" "empty slot 3=$(word_slot 2):all:white"
}

# A wrong letter: a red dot under it alone, the attempt stays, no sound.
scenario_wrong() {
    cat_shown wrong || return 1
    xdotool type --delay 60 car
    look "the wrong attempt typed" 3 --ground cyan \
        "R typed=$(word_slot 2):some:dark:15" "answer button=$answer_button:some:magenta:30" \
        "no dots yet=389,40,60,25:none:red" || return 1
    client_origin || return 1
    mark click
    click_at $((cx + 32)) $((cy + 68))
    mark_after checked click 1.5
    look "a red dot under the third slot only" 3 --ground cyan \
        "dot 3=$(dot 2):some:red:20" "no dot 1=$(dot 0):none:red" "no dot 2=$(dot 1):none:red" \
        "no dot 4=$(dot 3):none:red" "C kept=$(word_slot 0):some:dark:15" \
        "R kept=$(word_slot 2):some:dark:15" || return 1
    hear "a wrong attempt" click checked --silence || return 1
}

# Keys a child presses without meaning to type: Shift held for the capitals
# on screen places nothing, so Shift+C Shift+A Shift+T is praised; the space
# bar after a click on the answer button only shows "Save Ferris" and runs
# no check of the wiped attempt.
scenario_keys() {
    cat_shown keys || return 1
    xdotool key --delay 60 shift+c shift+a shift+t
    look "CAT typed with Shift" 3 --ground cyan \
        "C typed=$(word_slot 0):some:dark:15" "A typed=$(word_slot 1):some:dark:15" \
        "T typed=$(word_slot 2):some:dark:15" "answer button=$answer_button:some:magenta:30" \
        || return 1
    client_origin || return 1
    mark click
    click_at $((cx + 32)) $((cy + 68))
    mark_after praised click 1.0
    look "CAT wiped after the praise" 3 --ground cyan \
        "slot 1 wiped=$(word_slot 0):all:white" "slot 3 wiped=$(word_slot 2):all:white" \
        "no dots=389,40,60,25:none:red" "no Save Ferris yet=556,116,80,25:all:cyan" || return 1
    hear "praise for CAT typed with Shift" click praised --expect goodJob.wav --onset-within 0.4 ||
        return 1

    mark space
    xdotool key space
    mark_after spaced space 1.0
    look "the space bar showed Save Ferris and checked nothing" 3 --ground cyan \
        "Save Ferris=556,116,80,25:none:cyan" "no dots=389,40,60,25:none:red" \
        "slot 1 empty=$(word_slot 0):all:white" || return 1
    hear "nothing after the space bar" space spaced --silence || return 1
}

# Menus keep their keys and keys place what is printed on them: Escape twice
# after a menu opened by the mouse ends nothing; after a menu closed with
# Escape, the letters of X-RAY are typed and open no menu (Y is the access
# letter of Your Words), the hyphen key places a hyphen, and the word is
# praised.
scenario_menus() {
    local dir
    dir=$(program_folder menus x-ray -- frogDouble loons chicken peacock goodJob) || return 1
    play_in "$dir" || return 1
    voice_off || return 1
    client_origin || return 1
    start_recording || return 1
    xdotool key ctrl+n
    look "X-RAY on screen" 3 --ground cyan \
        "letter 5=$(prompt_slot 4):some:dark:15" "empty slot 5=$(word_slot 4):all:white" || return 1

    # Grade Level, then File, opened by a click on the menu bar.
    click_at $((cx + 239)) $((cy - 11))
    windows_shown 2 || fail "a click on Grade Level opened no menu" || return 1
    xdotool key --delay 200 Escape Escape
    sleep 0.6
    game_ended && { fail "Escape twice after a menu opened by the mouse ended the game"; return 1; }
    windows_shown 1 || fail "a menu is still open after Escape twice" || return 1
    click_at $((cx + 20)) $((cy - 11))
    windows_shown 2 || fail "a click on File opened no menu" || return 1
    xdotool key Escape
    sleep 0.2
    xdotool type --delay 100 x-ray
    look "X-RAY typed after a menu closed with Escape" 3 --ground cyan \
        "X typed=$(word_slot 0):some:dark:15" "hyphen typed=$(word_slot 1):some:dark:4" \
        "Y typed=$(word_slot 4):some:dark:15" "answer button=$answer_button:some:magenta:30" || return 1
    windows_shown 1 || fail "a letter typed after a menu closed opened a menu" || return 1
    answer_praised X-RAY
}

# The word said: Next Word says it as the game's voice says it alone, and
# once Sounds > Say The Words is unchecked the next word is not said.
scenario_say() {
    local dir
    local -x LANGUAGE='' LC_ALL=C.UTF-8
    [[ -n $sayword ]] || fail "run-e2e.sh was given no --sayword" || return 1
    dir=$(program_folder say because) || return 1
    "$sayword" because "$work/said.wav" && sox "$work/said.wav" -r 22050 "$work/because.wav" ||
        fail "the game's voice did not say \"because\" into a file" || return 1
    play_in "$dir" || return 1
    start_recording || return 1
    mark next1
    xdotool key ctrl+n
    mark_after said next1 1.5
    hear "BECAUSE said at Next Word" next1 said --expect "$work/because.wav" --onset-within 0.2 -v ||
        return 1

    voice_off || return 1
    mark next2
    xdotool key ctrl+n
    mark_after quiet next2 1.5
    look "the next word on screen" 3 --ground cyan "letter 7=$(prompt_slot 6):some:dark:15" || return 1
    hear "no word said once Say The Words is unchecked" next2 quiet --silence || return 1
}

# The sound themes: a letter under Animals, then under Tech.
scenario_theme() {
    local dir
    dir=$(program_folder theme cat -- "${key_sounds[@]}") || return 1
    play_in "$dir" || return 1
    start_recording || return 1

    mark animals_l
    xdotool key l
    mark_after animals_l_done animals_l 1.2
    hear "L under Animals" animals_l animals_l_done \
        --expect dog1.wav --unlike menace.wav --onset-within 0.4 || return 1

    # Sounds > Tech by keyboard: Alt+U opens the menu on its first theme,
    # Animals; Tech is the third.
    xdotool key alt+u
    windows_shown 2 || fail "Alt+U opened no menu" || return 1
    xdotool key Down Down Return
    windows_shown 1

    mark tech_l
    xdotool key l
    mark_after tech_l_done tech_l 1.2
    hear "L under Tech" tech_l tech_l_done \
        --expect menace.wav --unlike dog1.wav --onset-within 0.4 || return 1
    mark tech_q
    xdotool key q
    mark_after tech_q_done tech_q 1.2
    hear "Q under Tech" tech_q tech_q_done \
        --expect Trekdoor.wav --unlike canaryhigh.wav --onset-within 0.4 || return 1
}

# PipeWire serving the PulseAudio API: the greeting and a few keys heard
# whole and in order, then the server restarted under the running game and
# the next key heard all the same. How soon each key is heard is printed.
scenario_pipewire() {
    local dir key wave n=0 when=''
    local -x PULSE_SERVER
    dir=$(program_folder pipewire cat -- claugh canaryhigh dog1 chicken duck) || return 1
    pipewire_up || return 1
    PULSE_SERVER=$pw_pulse_server
    start_recording "${pw_recorder[@]}" || return 1
    mark launch
    start_game "$dir"
    wait_window 'Quillobrite!' 10 || return 1
    mark main
    focus || return 1
    mark_after greeted main 0.5
    hear "the greeting" launch greeted --expect claugh.wav --ends-before main:0.3 || return 1

    for key in q:canaryhigh l:dog1 a:chicken restart o:duck; do
        if [[ $key == restart ]]; then
            pipewire_pulse_restart || return 1
            when=' after the server restarted'
            continue
        fi
        wave=${key#*:} key=${key%%:*} n=$((n + 1))
        mark "key$n"
        xdotool key "$key"
        mark_after "heard$n" "key$n" 1.0
        hear "${key^^} played through PipeWire$when" "key$n" "heard$n" \
            --expect "$wave.wav" --onset-within 0.4 -v || return 1
    done
}

# open_editor: File > New Vocab List (Ctrl+T) from the main window; the
# editor in $editor with the focus, and the screen places of what the
# scenarios click on in add, make, finish, to_file and first_row (from its
# client area: it has no menu bar)
open_editor() {
    xdotool key ctrl+t
    wait_window 'New Vocab List' 5 || return 1
    editor=$win
    focus || return 1
    add=($((wx + 488 + 40)) $((wy + 48 + 17))) make=($((wx + 488 + 40)) $((wy + 128 + 17)))
    finish=($((wx + 488 + 40)) $((wy + 168 + 17))) to_file=($((wx + 24 + 40)) $((wy + 192 + 17)))
    first_row=($((wx + 8 + 30)) $((wy + 8 + 8)))
}

# make_file PATH: Make File pressed in the editor open_editor opened, PATH
# typed into the save dialog and taken; back in the editor
make_file() {
    local dialog
    click_at "${make[@]}"
    wait_other_window 5 "$main" "$editor" || return 1
    dialog=$win
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_gone "$dialog" 5 || return 1
    wait_window 'New Vocab List' 1
}

# The editor: ten words typed and added, a file made through the save
# dialog (driven by keyboard), three words written; then File > Open A List
# loads that file and its first word is the one played.
scenario_editor() {
    local dir main editor dialog file i add make finish to_file first_row
    local words=(rocket lamp tiger moon fish green house seven train apple)
    dir=$(program_folder editor cat -- goodJob) || return 1
    file=$work/lists/spelling.dat
    mkdir -p "$work/lists"
    play_in "$dir" || return 1
    voice_off || return 1
    start_recording || return 1

    open_editor || return 1
    # A disabled button's caption is grey, an enabled one's black.
    look "the empty editor" 3 "blue ground=132,8,10,170:all:blue" \
        "Add A Word offered=488,48,81,35:some:black:20" "Make File greyed=488,128,81,35:none:black" \
        "Add To File greyed=24,192,81,35:none:black" "I'm Done greyed=488,168,81,35:none:black" \
        "empty list=10,10,117,169:none:black" || return 1

    for i in "${!words[@]}"; do
        ((i == 9)) && { look "nine words, no file yet" 3 "Make File greyed=488,128,81,35:none:black" || return 1; }
        xdotool type --delay 30 "${words[$i]}"
        click_at "${add[@]}"
    done
    look "ten words listed" 3 "Make File offered=488,128,81,35:some:black:20" \
        "row 1=10,9,117,12:some:dark:10" "row 10=10,126,117,12:some:dark:10" \
        "no row 11=10,140,117,38:none:dark" || return 1

    make_file "$file" || return 1
    "${observe[@]}" words "$file" '' '' '' '' '' '' '' '' '' '' ||
        fail "Make File did not write ten blank records" || return 1
    look "the file made" 3 "Add To File offered=24,192,81,35:some:black:20" \
        "I'm Done offered=488,168,81,35:some:black:20" || return 1

    for i in 0 1 2; do
        click_at "${first_row[@]}"
        click_at "${to_file[@]}"
    done
    look "seven words left" 3 "row 7=10,87,117,12:some:dark:10" \
        "no row 8=10,100,117,78:none:dark" || return 1
    "${observe[@]}" words "$file" rocket lamp tiger '' '' '' '' '' '' '' ||
        fail "Add To File did not write the first three words as records 1 to 3" || return 1
    # Seven words are in no file yet: closing asks first, and Return saves
    # them.
    click_at "${finish[@]}"
    wait_other_window 5 "$main" "$editor" || return 1
    xdotool key Return
    wait_gone "$editor" 5 || return 1
    "${observe[@]}" words "$file" "${words[@]}" ||
        fail "Save did not write the seven words left after the first three" || return 1

    win=$main
    geometry "$win"
    focus || return 1
    xdotool key ctrl+o
    wait_other_window 5 "$main" || return 1
    dialog=$win
    xdotool type --delay 20 "$file"
    xdotool key Return
    wait_gone "$dialog" 5 || return 1
    win=$main
    geometry "$win"
    focus || return 1

    # The first word of the file, ROCKET, comes up with six slots.
    xdotool key ctrl+n
    look "the list's first word on screen" 3 --ground cyan \
        "letter 6=$(prompt_slot 5):some:dark:15" "no letter 7=$(prompt_slot 6):all:cyan" \
        "slot 6=$(word_slot 5):all:white" "no slot 7=$(word_slot 6):all:cyan" || return 1
    xdotool type --delay 60 rocket
    look "rocket typed" 3 --ground cyan \
        "T typed=$(word_slot 5):some:dark:15" "answer button=$answer_button:some:magenta:30" || return 1
    client_origin || return 1
    answer_praised "ROCKET, the list's first word"
}

# A list pasted: twelve words copied to the clipboard with Windows line
# ends, pasted into the editor's box with Ctrl+V and added with one press of
# Add A Word, become twelve rows; moved into a file, they are its records.
scenario_paste() {
    local dir main editor file i add make finish to_file first_row
    local words=(rocket lamp tiger moon fish green house seven train apple "ice cream" owl)
    dir=$(program_folder paste cat) || return 1
    file=$work/lists/week.dat
    mkdir -p "$work/lists"
    play_in "$dir" || return 1
    open_editor || return 1

    printf '%s\r\n' "${words[@]}" | xclip -selection clipboard -in ||
        fail "could not put the list on the clipboard" || return 1
    xdotool key ctrl+v
    click_at "${add[@]}"
    look "twelve rows" 3 "row 12=10,152,117,12:some:dark:10" "no row 13=10,166,117,12:none:dark" \
        "Make File offered=488,128,81,35:some:black:20" || return 1

    make_file "$file" || return 1
    for i in "${!words[@]}"; do
        click_at "${first_row[@]}"
        click_at "${to_file[@]}"
    done
    "${observe[@]}" words "$file" "${words[@]}" ||
        fail "the pasted words did not reach the file as twelve records in order" || return 1
}

# The end: Escape under Animals ends the program at once, without the
# farewell; closing the main window brings the farewell, whose EXIT ends the
# program with status 0.
scenario_ending() {
    local dir until t
    dir=$(program_folder ending cat --) || return 1

    play_in "$dir" || return 1
    t=$(now_ns)
    xdotool key Escape
    until=$((t + 3000000000))
    while ! game_ended; do
        [[ -n $(xdotool search --onlyvisible --name '^Give Me a Jingle!$' 2>/dev/null) ]] &&
            { fail "Escape brought up the farewell window"; return 1; }
        (($(now_ns) < until)) || fail "the program still runs 3 s after Escape" || return 1
        sleep 0.02
    done
    echo "    Escape ended the program in $(ms_since "$t") ms (status $game_status)"

    start_game "$dir"
    wait_window 'Quillobrite!' 10 || return 1
    local main=$win
    "${observe[@]}" close "$main" || fail "could not close the main window" || return 1
    wait_window 'Give Me a Jingle!' 5 || return 1
    [[ -z $(visible_window 'Quillobrite!') ]] || fail "the main window is still shown" || return 1
    look "the farewell window" 3 \
        "blue ground=0,0,$ww,$wh:most:blue:40" "EXIT button=120,168,81,33:most:green:50" || return 1
    t=$(now_ns)
    click_at $((wx + 120 + 40)) $((wy + 168 + 16))
    until=$((t + 5000000000))
    while ! game_ended; do
        (($(now_ns) < until)) || fail "the program still runs 5 s after EXIT" || return 1
        sleep 0.02
    done
    echo "    EXIT ended the program in $(ms_since "$t") ms"
    ((game_status == 0)) || fail "the program ended with status $game_status after EXIT" || return 1
}

# A child alone at the keyboard, no mouse: Return takes the word and checks
# it; a check that an earlier wrong letter blocks says so aloud and in the
# note; the Return that earned the face, pressed twice, takes no next word;
# and a grade chosen after a used-up list is there to be played.
scenario_alone() {
    local dir hint=$work/hint.wav said
    local -x LANGUAGE='' LC_ALL=C.UTF-8
    local note_place='88,72,304,128'
    dir=$(program_folder alone big -- goodJob manyClapping) || return 1
    printf '%-14.14s' big >"$work/one.dat"
    "$sayword" "Press Delete, then spell it again." "$work/said.wav" &&
        sox "$work/said.wav" -r 22050 "$hint" ||
        fail "the game's voice did not say the hint into a file" || return 1
    play_in "$dir" || return 1
    voice_off || return 1
    start_recording || return 1

    xdotool key Return
    look "BIG on screen at Return" 3 --ground cyan \
        "letter 3=$(prompt_slot 2):some:dark:15" "empty slot 3=$(word_slot 2):all:white" || return 1
    xdotool type --delay 60 bog
    xdotool key Return
    look "BOG checked with Return: a dot under the O" 3 --ground cyan \
        "dot 2=$(dot 1):some:red:20" "no dot 1=$(dot 0):none:red" "no note=$note_place:none:dark" ||
        return 1
    # Mended with Backspace: the check is still refused, and the child told.
    xdotool key --delay 80 BackSpace BackSpace
    xdotool type --delay 60 ig
    sleep 0.3
    mark hint
    xdotool key Return
    mark_after hinted hint 3.0
    look "the hint in the note, the dot back" 3 --ground cyan \
        "note=$note_place:some:dark:200" "dot 2=$(dot 1):some:red:20" || return 1
    hear "the hint said" hint hinted --expect "$hint" --onset-within 0.4 || return 1
    xdotool key Delete
    look "Delete takes the dot and the hint" 3 --ground cyan \
        "no note=$note_place:none:dark" "no dot 2=$(dot 1):none:red" "empty slot 1=$(word_slot 0):all:white" ||
        return 1
    for said in 1 2 3; do
        xdotool type --delay 60 big
        mark "right$said"
        xdotool key Return
        mark_after "praised$said" "right$said" 1.2
        hear "praise $said for BIG by Return" "right$said" "praised$said" --expect goodJob.wav \
            --onset-within 0.4 || return 1
    done
    # The fourth, with Return pressed twice at once: a face, and the word
    # stays beside the arrow.
    xdotool type --delay 60 big
    xdotool key --delay 120 Return Return
    sleep 3
    look "the face, the arrow and BIG still typed" 3 --ground cyan \
        "face=$face0:some:yellow:50" "next-word button=$answer_button:some:magenta:30" \
        "B still typed=$(word_slot 0):some:dark:15" || return 1

    # A one-word list opened, played to its face: the list is used up.
    xdotool key ctrl+o
    wait_other_window 5 "$main" || return 1
    xdotool type --delay 20 "$work/one.dat"
    xdotool key Return
    wait_gone "$win" 5 || return 1
    win=$main
    geometry "$win"
    focus || return 1
    xdotool key Return
    for said in 1 2 3 4; do
        xdotool type --delay 60 big
        xdotool key Return
        sleep 1.2
    done
    sleep 2
    look "the used-up note, no arrow" 3 --ground cyan \
        "note=$note_place:some:dark:200" "no next-word button=$answer_button:none:magenta" || return 1
    # Grade Level > First, by the mouse, as a parent picks it.
    client_origin || return 1
    click_at $((cx + 239)) $((cy - 11))
    windows_shown 2 || fail "a click on Grade Level opened no menu" || return 1
    xdotool key Down Return
    windows_shown 1 || fail "the Grade Level menu did not close" || return 1
    look "a new grade: no note, the arrow back" 3 --ground cyan \
        "no note=$note_place:none:dark" "next-word button=$answer_button:some:magenta:30" || return 1
    xdotool key Return
    look "the grade's word at Return" 3 --ground cyan \
        "letter 3=$(prompt_slot 2):some:dark:15" "empty slot 1=$(word_slot 0):all:white" || return 1
}

# say_into WAV LANGUAGE PART...: the game's voice saying the parts in turn,
# a teacher's pause after each but the last, as one 22,050 Hz wave
say_into() {
    local out=$1 language=$2 part i=0 pieces=()
    shift 2
    for part in "$@"; do
        i=$((i + 1))
        "$sayword" --language "$language" "$part" "$work/part$i.wav" || return 1
        sox "$work/part$i.wav" -r 22050 "$work/piece$i.wav" || return 1
        (($# > i)) && { sox "$work/piece$i.wav" "$work/padded$i.wav" pad 0 0.45 || return 1; }
        (($# > i)) && pieces+=("$work/padded$i.wav") || pieces+=("$work/piece$i.wav")
    done
    if ((${#pieces[@]} == 1)); then cp "${pieces[0]}" "$out"; else sox "${pieces[@]}" "$out"; fi
}

# Words said as a teacher says them. On a French desktop a grade word is
# said in English, THEIR with its sentence at Next Word, and a key stops
# the voice at once; an English list opened there is said in English; on
# an English desktop a French list is said by the French voice; the editor
# underlines a word the dictionary does not know.
scenario_teacher() {
    local dir
    [[ -n $sayword ]] || fail "run-e2e.sh was given no --sayword" || return 1
    local sentence="The kids put on their coats."
    say_into "$work/their.wav" en their "$sentence" their || fail "no voice for their" || return 1
    say_into "$work/house.wav" en house || fail "no voice for house" || return 1
    say_into "$work/chateau.wav" fr château || fail "no French voice for château" || return 1
    printf 'house\nfriend\nbecause\n' >"$work/english.txt"
    printf 'château\ngarçon\nfenêtre\n' >"$work/french.txt"

    (
        local -x LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL=
        dir=$(program_folder teacher their -- canaryhigh) || exit 1
        play_in "$dir" || exit 1
        start_recording || exit 1
        mark next
        xdotool key Return
        mark_after said next 4.5
        hear "THEIR, its sentence, THEIR, in English on a French desktop" next said \
            --expect "$work/their.wav" --onset-within 0.3 || exit 1
        # Say The Word, then a key half a second in: the key's sound alone.
        xdotool key ctrl+s
        sleep 0.5
        mark key
        xdotool key q
        mark_after keyed key 1.2
        hear "Q's sound at once, the voice stopped" key keyed --expect canaryhigh.wav \
            --onset-within 0.15 || exit 1
        # An English list opened on the French desktop.
        xdotool key ctrl+o
        wait_other_window 5 "$main" || exit 1
        xdotool type --delay 20 "$work/english.txt"
        xdotool key Return
        wait_gone "$win" 5 || exit 1
        win=$main
        geometry "$win"
        focus || exit 1
        sleep 1
        mark next2
        xdotool key ctrl+n
        mark_after said2 next2 1.5
        hear "HOUSE of an opened English list, in English" next2 said2 --expect "$work/house.wav" \
            --onset-within 0.3 || exit 1
        stop_game
    ) || return 1

    local -x LANGUAGE='' LC_ALL=C.UTF-8
    dir=$(program_folder teacher-en cat) || return 1
    play_in "$dir" || return 1
    xdotool key ctrl+o
    wait_other_window 5 "$main" || return 1
    xdotool type --delay 20 "$work/french.txt"
    xdotool key Return
    wait_gone "$win" 5 || return 1
    win=$main
    geometry "$win"
    focus || return 1
    sleep 1
    start_recording || return 1
    mark next
    xdotool key ctrl+n
    mark_after said next 1.5
    hear "CHÂTEAU of a French list, by the French voice" next said --expect "$work/chateau.wav" \
        --onset-within 0.3 || return 1

    open_editor || return 1
    xdotool type --delay 40 recieve
    look "recieve underlined in the editor" 3 --ground blue "red line=144,8,161,25:some:red:4" || return 1
}

# What the game keeps, read from its database as a parent's tool would.
kept() { # DATABASE SQL: the rows, one a line, fields joined by |
    "$python" - "$1" "$2" <<'PY'
import sqlite3, sys
db = sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True, timeout=5)
for row in db.execute(sys.argv[2]):
    print("|".join(str(v) for v in row))
PY
}

# The words of a test, told apart by their lengths: a test shows no word,
# only the answer row's slots, as many as the word has letters.
test_words=(an cat frog apple garden blanket elephant butterfly strawberry grasshopper)
slots_shown() {
    local boxes=() i
    for i in {0..13}; do boxes+=("slot$i=$(word_slot "$i"):all:white"); done
    "${observe[@]}" count --window "$wx,$wy,$ww,$wh" --ground cyan "${boxes[@]}"
}

# answer_test_word right|wrong: waits for the next word's slots, spells it
# right or wrong, checks it with Return, and waits for the tick or for the
# word shown beside the attempt
answer_test_word() {
    local n=0 word tries=0
    while ((n < 2 && tries < 30)); do
        n=$(slots_shown) || return 1
        tries=$((tries + 1))
        ((n < 2)) && sleep 0.1
    done
    ((n >= 2)) || fail "no test word's slots shown" || return 1
    word=${test_words[n - 2]}
    if [[ $1 == right ]]; then
        xdotool type --delay 30 "$word"
        xdotool key Return
        look "a tick under $word" 2 --ground cyan "tick=384,40,32,32:some:green:40" || return 1
        sleep 1.1
    else
        xdotool type --delay 30 "$(printf 'z%.0s' $(seq "$n"))"
        xdotool key Return
        look "${word^^} shown beside the wrong attempt" 2 --ground cyan \
            "letter 1=$(prompt_slot 0):some:dark:15" "no tick=384,40,32,32:none:green" || return 1
        sleep 2.1
    fi
}

# A spelling test of ten words with three wrong: seven faces, the result
# kept, "How Are We Doing?" opens; a second test killed half-way keeps each
# answer given, unfinished.
scenario_test() {
    local dir db answers
    local -x LANGUAGE='' LC_ALL=C.UTF-8 XDG_DATA_HOME=$work/test-data
    db=$XDG_DATA_HOME/Quillobrite/progress.sqlite
    dir=$(program_folder test cat -- goodJob manyClapping) || return 1
    printf '%s\n' "${test_words[@]}" >"$work/ten.txt"
    play_in "$dir" || return 1
    voice_off || return 1
    xdotool key ctrl+o
    wait_other_window 5 "$main" || return 1
    xdotool type --delay 20 "$work/ten.txt"
    xdotool key Return
    wait_gone "$win" 5 || return 1
    win=$main
    geometry "$win"
    focus || return 1
    xdotool key ctrl+e
    local i
    for i in {1..10}; do
        case $i in 3 | 6 | 9) answer_test_word wrong || return 1 ;; *) answer_test_word right || return 1 ;; esac
    done
    look "the result: seven faces for seven right" 3 --ground cyan \
        "face=$face0:some:yellow:50" "seventh face=506,136,32,32:some:yellow:50" \
        "no eighth=446,104,32,32:none:yellow" || return 1
    xdotool key ctrl+r
    wait_window 'How Are We Doing?' 5 || return 1
    sleep 0.5
    import -window "$win" "$art/how-are-we-doing.png" 2>/dev/null
    "${observe[@]}" close "$win" || return 1
    win=$main
    geometry "$win"
    focus || return 1

    xdotool key ctrl+e
    for i in {1..4}; do answer_test_word wrong || return 1; done
    kill -9 "$game_pid"
    sleep 0.3
    game_ended
    # The game holds its database for itself while it runs: read it now.
    answers=$(kept "$db" "select t.finished, count(*), sum(a.right) from answers a
                          join tests t on t.id = a.test group by t.id order by t.id") || return 1
    [[ $answers == $'1|10|7\n0|4|0' ]] ||
        fail "kept tests (finished|answers|right): ${answers//$'\n'/, }; not 1|10|7, 0|4|0" || return 1
}

# A second child's answers stay apart; a locked and a corrupt database
# each leave the game playing, with one note, the corrupt file untouched.
scenario_keeping() {
    local dir db note_place='88,72,304,128'
    local -x LANGUAGE='' LC_ALL=C.UTF-8 XDG_DATA_HOME=$work/keeping-data
    db=$XDG_DATA_HOME/Quillobrite/progress.sqlite
    dir=$(program_folder keeping cat -- goodJob manyClapping) || return 1
    play_in "$dir" || return 1
    voice_off || return 1
    # Nobody named yet: the one unnamed player's answer.
    xdotool key Return
    sleep 0.5
    xdotool type --delay 30 cut
    xdotool key Return
    sleep 0.5
    xdotool key ctrl+i
    wait_other_window 5 "$main" || return 1
    xdotool type --delay 30 Ana
    xdotool key Return
    sleep 0.3
    xdotool key Return
    wait_gone "$win" 5 || return 1
    win=$main
    geometry "$win"
    focus || return 1
    look "Ana at the head of the note place" 3 --ground cyan "name=$note_place:some:dark:40" || return 1
    xdotool key Delete
    xdotool type --delay 30 cot
    xdotool key Return
    sleep 0.5
    stop_game
    local answers
    answers=$(kept "$db" "select coalesce(c.name, a.child), a.typed from answers a
                          left join children c on c.id = a.child order by a.id") || return 1
    [[ $answers == $'0|CUT\nAna|COT' ]] ||
        fail "kept answers (child|typed): ${answers//$'\n'/, }; not 0|CUT, Ana|COT" || return 1

    # Another game holds the database: this one plays on, and says so once.
    "$python" - "$db" "$work/locked" <<'PY' &
import os, sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], timeout=1, isolation_level=None)
db.execute("begin exclusive")
open(sys.argv[2], "w").close()
time.sleep(20)
PY
    local holder=$!
    started "$holder"
    while [[ ! -e $work/locked ]]; do sleep 0.05; done
    play_in "$dir" || return 1
    look "a note that nothing is kept" 5 --ground cyan "note=$note_place:some:dark:200" || return 1
    xdotool key Return
    look "the game plays on" 3 --ground cyan "letter 1=$(prompt_slot 0):some:dark:15" || return 1
    stop_game
    kill "$holder" 2>/dev/null
    wait "$holder" 2>/dev/null

    # A database that is not one any more: read, never written over.
    head -c 8192 /dev/urandom >"$db"
    rm -f "$db-wal" "$db-shm"
    cp "$db" "$work/corrupt.copy"
    play_in "$dir" || return 1
    look "a note that nothing is kept" 5 --ground cyan "note=$note_place:some:dark:200" || return 1
    xdotool key Return
    sleep 0.5
    xdotool type --delay 30 cat
    xdotool key Return
    look "the game plays on" 3 --ground cyan "letter 1=$(prompt_slot 0):some:dark:15" || return 1
    stop_game
    cmp -s "$db" "$work/corrupt.copy" || fail "the corrupt database was written over" || return 1
}
