#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How well the game's spoken words are understood. Every word of the five
# grade lists is said by the game's own speech code (qb_sayword), resampled
# to 16 kHz with 0.3 s of silence either side, and recognised by
# pocketsphinx with its general US English model:
#
#   grade     each word said as the game says it when the word comes up
#             (alone, or the word, its sentence and the word again),
#             against a grammar of that grade's words (with the sentence,
#             the grammar lets any words of the grade's sentences come
#             between the two, and both must be heard right);
#   all       each word said alone as the game says it, against one
#             grammar of all five grades' words, so that words said nearly
#             alike in different grades compete;
#   sentence  each sentence of the bank, against the general language
#             model (no grammar): the word error rate.
#
# A word counts as right when the recogniser picks it or a word the
# sentence bank says sounds the same (their, there, they're). Prints the
# figures for each grade and in all, and writes into OUT what was missed:
# missed-grade.txt, missed-all.txt and sentences.txt (each sentence with
# what was heard and its errors).
#
#   bench/speech-recognition.sh [BUILD_DIR] [--language CODE] [--out DIR] [--jobs N]
#
# --language picks the voice as the desktop's language would ("en", the
# default, is flite's English voice; "en-us" is espeak-ng's). BUILD_DIR
# defaults to build; --jobs (default 2) is how many recognisers run at
# once. Needs sox, pocketsphinx and pocketsphinx-en-us. A word the
# recogniser's dictionary lacks cannot be in a grammar and is left out (the
# count is printed); its sentence is still scored.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build language=en out='' jobs=2
while (($#)); do
    case $1 in
    --language) language=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    -*) echo "speech-recognition.sh: unknown option $1" >&2; exit 2 ;;
    *) build=$1; shift ;;
    esac
done
model=/usr/share/pocketsphinx/model/en-us
dict=$model/cmudict-en-us.dict
for tool in sox pocketsphinx_batch python3; do
    command -v "$tool" >/dev/null || {
        echo "speech-recognition.sh: $tool is missing (apt-get install sox pocketsphinx pocketsphinx-en-us)" >&2
        exit 1
    }
done
[[ -d $model/en-us ]] || { echo "speech-recognition.sh: no $model (pocketsphinx-en-us)" >&2; exit 1; }

cmake --build "$build" --target qb_sayword quillobrite_grades >/dev/null
say=$build/speech/qb_sayword
# The sentence bank the game and qb_sayword read, beside the program.
bank=$build/bin/sentences.txt
work=$(mktemp -d "${TMPDIR:-/tmp}/qb-speech.XXXXXX")
trap 'rm -rf "$work"' EXIT
out=${out:-$work}
mkdir -p "$out"
grades=(first second third fourth fifth)

# The words of each grade in small letters, once each; the ones the
# dictionary has go into the grammars.
awk '{ print $1 }' "$dict" | sed 's/([0-9]*)$//' | sort -u >"$work/known"
for grade in "${grades[@]}"; do
    tr 'A-Z' 'a-z' <"$here/../data/grades/${grade}Grade.txt" | awk 'NF && !seen[$0]++' >"$work/$grade.all"
    grep -Fxf "$work/known" "$work/$grade.all" >"$work/$grade.words" || true
    cat "$work/$grade.all" >>"$work/everything"
done

# Each word said three ways, then made into what the recogniser reads.
# qb_sayword prints each word with what the voice was given for it, the
# parts separated by " / ": the words the game says with their sentence
# are the ones said in more than one part.
for how in next-word alone sentence; do
    mkdir -p "$work/$how" "$work/$how.16k"
    "$say" --language "$language" "--$how" --into "$work/$how" <"$work/everything" >"$work/$how.said"
done
awk -F'\t' 'index($2, " / ") { print $1 }' "$work/next-word.said" >"$work/withsentence"
(cd "$work" && ls -- */*.wav | grep -v '^[^/]*16k/') |
    xargs -d '\n' -P "$jobs" -I{} sh -c 'd=${1%%/*} f=${1#*/}; sox "$0/$1" -r 16000 -c 1 -b 16 "$0/$d.16k/$f" pad 0.3 0.3' "$work" {}

# pocketsphinx_batch over a list of utterances, split among the jobs;
# the hypotheses come out in the list's order. Arguments: list, audio
# folder, hypotheses, then what the recogniser is given (-jsgf or -lm).
recognise() {
    local list=$1 audio=$2 hyp=$3
    shift 3
    local n
    n=$(wc -l <"$list")
    ((n)) || { : >"$hyp"; return; }
    split -n "l/$jobs" -d "$list" "$list.part"
    local part pids=()
    for part in "$list".part*; do
        pocketsphinx_batch -hmm "$model/en-us" -dict "$dict" "$@" -ctl "$part" \
            -cepdir "$audio" -cepext .wav -adcin yes -adchdr 44 -hyp "$part.hyp" >"$part.log" 2>&1 &
        pids+=($!)
    done
    local pid failed=0
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
    if ((failed)); then
        echo "pocketsphinx_batch failed on $list; see its log:" >&2
        tail -n 20 "$list".part*.log >&2
        exit 1
    fi
    cat "$list".part*.hyp >"$hyp"
}

# A JSGF grammar: a rule <word> of the words in $1, and the public rule $2.
grammar() {
    echo '#JSGF V1.0;'
    echo 'grammar words;'
    echo "<word> = $(paste -sd'|' "$1" | sed 's/|/ | /g');"
    echo "public <said> = $2;"
}

# Per grade: the words said alone against the grade's words, the ones with
# a sentence against the word, any words of the grade's sentences, and the
# word.
for grade in "${grades[@]}"; do
    grep -Fxvf "$work/withsentence" "$work/$grade.words" >"$work/$grade.alone" || true
    grep -Fxf "$work/withsentence" "$work/$grade.words" >"$work/$grade.with" || true
    grammar "$work/$grade.words" '<word>' >"$work/$grade.jsgf"
    recognise "$work/$grade.alone" "$work/next-word.16k" "$work/$grade.alone.hyp" -jsgf "$work/$grade.jsgf"
    # The words of the grade's sentences that the dictionary has.
    python3 - "$bank" "$work/$grade.all" "$work/known" >"$work/$grade.filler" <<'EOF'
import re, sys
bank, words, known = sys.argv[1:]
words = set(open(words).read().split())
known = set(open(known).read().split())
seen = set()
for line in open(bank, encoding='utf-8'):
    f = line.rstrip('\n').split('\t')
    if len(f) >= 2 and f[0].lower() in words and f[0] != '=':
        seen.update(w for w in re.findall(r"[a-z']+", f[1].lower()) if w in known)
print('\n'.join(sorted(seen)))
EOF
    {
        grammar "$work/$grade.words" '<word> <filler>+ <word>'
        echo "<filler> = $(paste -sd'|' "$work/$grade.filler" | sed 's/|/ | /g');"
    } >"$work/$grade.with.jsgf"
    recognise "$work/$grade.with" "$work/next-word.16k" "$work/$grade.with.hyp" -jsgf "$work/$grade.with.jsgf"
done

# All grades at once: each word alone against every grade's words.
for grade in "${grades[@]}"; do cat "$work/$grade.words"; done | awk '!seen[$0]++' >"$work/all.words"
grammar "$work/all.words" '<word>' >"$work/all.jsgf"
recognise "$work/all.words" "$work/alone.16k" "$work/all.hyp" -jsgf "$work/all.jsgf"

# The sentences, against the general language model.
recognise "$work/everything" "$work/sentence.16k" "$work/sentence.hyp" -lm "$model/en-us.lm.bin"

python3 - "$bank" "$work" "$out" "$language" "${grades[@]}" <<'EOF'
import re, sys
bank, work, out, language, *grades = sys.argv[1:]

alike, sentence = {}, {}
for line in open(bank, encoding='utf-8'):
    f = line.rstrip('\n').split('\t')
    if not line.strip() or line.startswith('#'):
        continue
    if f[0] == '=':
        group = {w.lower() for w in f[1:]}
        for w in group:
            alike[w] = group
    elif len(f) >= 2:
        sentence[f[0].lower()] = f[1]

def hyps(path):
    """Each utterance's words, by its name, from a pocketsphinx hypothesis file."""
    heard = {}
    for line in open(path):
        m = re.match(r'^(.*?) ?\((\S+)(?: \S+)?\)$', line.rstrip('\n'))
        if m:
            heard[m.group(2)] = m.group(1).split()
    return heard

def right(word, picked):
    return picked == word or picked in alike.get(word, ())

def lines(path):
    return [l for l in open(path).read().split('\n') if l]

def pct(a, b):
    return 100.0 * a / b if b else 0.0

# Per grade, as the game says the word at Next Word.
print(f'voice for language "{language}"')
print('grade grammar, each word as said at Next Word:')
total = [0, 0]
with open(f'{out}/missed-grade.txt', 'w') as missed:
    for grade in grades:
        ok = n = 0
        for kind in ('alone', 'with'):
            heard = hyps(f'{work}/{grade}.{kind}.hyp')
            for w in lines(f'{work}/{grade}.{kind}'):
                h = heard.get(w, [])
                n += 1
                picks = h[:1] if kind == 'alone' else [h[0], h[-1]] if h else []
                if picks and all(right(w, p) for p in picks):
                    ok += 1
                else:
                    print(f'{grade}\t{w}\theard as "{" ".join(h)}"', file=missed)
        left = len(lines(f'{work}/{grade}.all')) - n
        print(f'  {grade:<7} {ok:3d} of {n:3d} ({pct(ok, n):5.1f} %), {left} left out (not in the dictionary)')
        total[0] += ok; total[1] += n
print(f'  {"all":<7} {total[0]:3d} of {total[1]:3d} ({pct(*total):5.1f} %)')

# All grades in one grammar, each word alone.
print('all-grades grammar, each word alone:')
heard = hyps(f'{work}/all.hyp')
total = [0, 0]
with open(f'{out}/missed-all.txt', 'w') as missed:
    for grade in grades:
        ok = n = 0
        for w in lines(f'{work}/{grade}.words'):
            h = heard.get(w, [])
            n += 1
            if len(h) == 1 and right(w, h[0]):
                ok += 1
            else:
                print(f'{grade}\t{w}\theard as "{" ".join(h)}"', file=missed)
        print(f'  {grade:<7} {ok:3d} of {n:3d} ({pct(ok, n):5.1f} %)')
        total[0] += ok; total[1] += n
print(f'  {"all":<7} {total[0]:3d} of {total[1]:3d} ({pct(*total):5.1f} %)')

# The sentences: word error rate, the edits over the words of the sentences.
def edits(ref, hyp):
    row = list(range(len(hyp) + 1))
    for i, r in enumerate(ref, 1):
        prev, row[0] = row[0], i
        for j, h in enumerate(hyp, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (r != h))
    return row[-1]

def spoken(text):
    return re.findall(r"[a-z]+(?:'[a-z]+)?", text.lower())

print('sentences, general language model: word error rate')
heard = hyps(f'{work}/sentence.hyp')
total = [0, 0]
with open(f'{out}/sentences.txt', 'w') as report:
    for grade in grades:
        errors = words = 0
        for w in lines(f'{work}/{grade}.all'):
            if w not in sentence:
                continue
            ref, hyp = spoken(sentence[w]), [h for h in heard.get(w, []) if not h.startswith('<')]
            e = edits(ref, hyp)
            errors += e; words += len(ref)
            print(f'{grade}\t{w}\t{e}/{len(ref)}\t{" ".join(ref)}\t{" ".join(hyp)}', file=report)
        print(f'  {grade:<7} {pct(errors, words):5.1f} % ({errors} errors in {words} words)')
        total[0] += errors; total[1] += words
print(f'  {"all":<7} {pct(*total):5.1f} % ({total[0]} errors in {total[1]} words)')
EOF
