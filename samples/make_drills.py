#!/usr/bin/env python3
"""Writes the sample drills and their translation files as Shift-JIS (CP932) text with CR LF line ends,
and one drill with its translation file as UTF-8 with LF line ends, as a Linux editor saves them.

The drills are kept here as UTF-8 text so they stay easy to edit; run this script after a change and
commit the files it writes.  With --spoken it writes nothing and prints, for every question that has
a spoken sound, the sound file name and the completed sentence, one tab-separated pair a line
(make_media.sh reads them).

Run from anywhere: python3 samples/make_drills.py [--spoken]
"""

import os
import re
import sys

SAMPLES = os.path.dirname(os.path.abspath(__file__))

# English grammar for Japanese learners: two and three blanks, a translation file, spoken sentences.
EIGO = """\
英文法ドリル　基本編
eigo
// 訳は eigojp.txt（2行目が1問目の訳）、音声は eigo01.wav から。
/T空所に入る正しい語句を選びなさい（2つ以上の空所は前から順に）
I ___ a student.
#am#is#are
1
She ___ to school ___ bus every day.
#goes#by#go#on#in
1 2
There ___ three apples ___ the table.
#is#are#on#at#in
2 3
He ___ TV when I ___ him.
#was watching#called#watched#was calling#calls
1 2
If it ___ tomorrow, we ___ stay ___ home.
#rains#will#at#rained#would#in
1 2 3
This book is ___ than that one.
#more interesting#most interesting#interesting
1
A: ___ you like ___ coffee?
B: Yes, please.
#Would#Do#some#any
1 3
I have ___ to Kyoto ___.
#been#gone#twice#ever
1 3
"""

EIGO_JP = """\
英文法ドリル　基本編　日本語訳
私は学生です。
彼女は毎日バスで学校へ行きます。
テーブルの上にりんごが3つあります。
私が電話したとき、彼はテレビを見ていました。
明日雨が降ったら、私たちは家にいます。
この本はあの本よりおもしろい。
A: コーヒーはいかがですか。　B: はい、お願いします。
私は京都へ2回行ったことがあります。
"""

# Kanji readings with pictures kanji01.bmp to kanji06.bmp.  A "#" right after a half-width katakana
# is not always read as a separator, so every half-width choice but a last one ends with a blank.
KANJI = """\
漢字の読み　絵を見て答えよう
kanji
// 音読みは半角カタカナ、訓読みはひらがな。
// 半角カナの選択肢は後ろに空白を置く（半角カナの直後の # は区切りにならないことがあるため）。
/T漢字の音読みと訓読みを選びなさい
日
音読み ___ ／ 訓読み ___
#ﾆﾁ #ｻﾝ #ﾓｸ #ひ#やま#き
1 4
山
音読み ___ ／ 訓読み ___
#やま#ｾﾝ #ｻﾝ #かわ
3 1
木
音読み ___ ／ 訓読み ___
#ﾎﾝ #ﾓｸ #ﾘﾝ #き#ね#は
2 4
川
音読み ___ ／ 訓読み ___
#ｽｲ #かわ#ｾﾝ #みず#ｺｸ #たに
3 2
月
音読み ___ ／ 訓読み ___
#ｹﾞﾂ #ﾆﾁ #ﾒｲ #つき#ほし#そら
1 4
雨
訓読み ___ （音読みは ｳ ）
#ゆき#くも#あめ#かさ
3
"""

# Every directive once: comment, picture and sound prefixes, file order, a mark for the time label,
# an instruction line, a translation file of its own name and "/N".
DIRECTIVES = """\
かたちの名前（指示行の見本）
shiji
// 「//」で始まる行は注釈。指示行は本文のどこに置いてもよい。
/Gkatachi
/Vkoe
/Ykatachi_yaku.txt
/R
/S-
/T図形の名前を英語で選びなさい（選択肢は並べ替えない）
This shape is a ___.
#circle#triangle#square#star
2
A ___ has four corners
/N
and four equal ___.
#triangle#square#circle#sides#lines
2 4
A ___ has no ___.
#circle#square#corners#colors
1 3
This ___ has five ___.
#moon#star#points#lines
2 3
// 最後の解答行より下の指示行も使われる。同じ指示が二つあれば上の行が勝つ。
/Tこの行は上の /T に負けるので表示されない
"""

DIRECTIVES_TRANSLATION_NAME = "katachi_yaku.txt"
DIRECTIVES_TRANSLATION = """\
かたちの名前　日本語訳
この図形は三角形です。
正方形には四つの角と四つの等しい辺があります。
円には角がありません。
この星には五つの先があります。
"""

NUMBERS = ("one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen "
           "seventeen").split()

# Seventeen choices a question: labels 1 to 9 and A to H.
CHOICES17 = """\
数の英語（17択）
kazu
/T答えの数を英語で選びなさい（キーは 1～9 と A～H）
5 + 5 = ___
{n}
A
20 - 9 = ___
{n}
B
4 × 3 = ___
{n}
C
9 + 8 = ___
{n}
H
10 + 3 = ___,  10 + 4 = ___
{n}
D E
___ comes after eight, ___ comes before sixteen.
{n}
9 F
2 × 7 = ___,  15 - 8 = ___,  16 ÷ 2 = ___
{n}
E 7 8
""".format(n="#" + "#".join(NUMBERS))

# Japanese particles, written in UTF-8.  The instruction line holds a wave dash (U+301C), which
# Shift-JIS holds as the same character as the full-width tilde.
JOSHI = """\
日本語の助詞（UTF-8 の見本）
joshi
// このファイルは UTF-8（BOM なし、改行は LF）で保存してあります。Shift-JIS に直さなくても開けます。
/T空所に入る助詞を選びなさい（キーは 1〜4）
わたし___学生です。
#は#を#に#で
1
駅___電車___乗ります。
#で#に#を#へ
1 2
毎朝パン___食べます。
#が#を#に#の
2
友だち___図書館___行きました。
#と#へ#を#が
1 2
この本は先生___です。
#の#に#で#を
1
"""

JOSHI_TRANSLATION = """\
日本語の助詞　英訳（UTF-8）
I am a student.
I get on the train at the station.
I eat bread every morning.
I went to the library with a friend.
This book is the teacher's.
"""

# Drill file, its text, whether its questions have spoken sounds, and its encoding.
DRILLS = [
    ("eigo.m7", EIGO, True, "cp932"),
    ("kanji.m7", KANJI, False, "cp932"),
    ("directives.m7", DIRECTIVES, True, "cp932"),
    ("choices17.m7", CHOICES17, False, "cp932"),
    ("joshi.m7", JOSHI, False, "utf-8"),
]
TRANSLATIONS = [
    ("eigojp.txt", EIGO_JP, "cp932"),
    (DIRECTIVES_TRANSLATION_NAME, DIRECTIVES_TRANSLATION, "cp932"),
    ("joshijp.txt", JOSHI_TRANSLATION, "utf-8"),
]

DIRECTIVE = re.compile(r"^/[/GNRSTVY]")
HALF_WIDTH_KATAKANA = re.compile("[\uff61-\uff9f]$")


def write(name, text, encoding):
    if encoding == "cp932":
        text = text.replace("\n", "\r\n")
    with open(os.path.join(SAMPLES, name), "wb") as out:
        out.write(text.encode(encoding))


def questions(text):
    """(question text lines, choices, answer labels) of every question, directives removed."""
    body = [line for line in text.splitlines()[2:] if not DIRECTIVE.match(line)]
    found = []
    start = 0
    for i, line in enumerate(body):
        if line.startswith("#"):
            found.append((body[start:i], line[1:].split("#"), body[i + 1].split()))
            start = i + 2
    return found


def check_choices(name, text):
    for number, (_, choices, _) in enumerate(questions(text), 1):
        for choice in choices[:-1]:
            if HALF_WIDTH_KATAKANA.search(choice):
                sys.exit(f"{name}, question {number}: the choice {choice!r} ends in half-width katakana "
                         "and would run into the next one; end it with a blank")


def sound_prefix(text):
    """The topmost "/V" value, else the base line."""
    lines = text.splitlines()
    for line in lines[2:]:
        if line.startswith("/V"):
            return line[2:]
    return lines[1]


def spoken_sentences(text):
    """(sound file name, the question text with every blank filled in) of every question."""
    prefix = sound_prefix(text)
    for number, (lines, choices, labels) in enumerate(questions(text), 1):
        sentence = " ".join(re.sub(r"^[AB]: ", "", line) for line in lines)
        for label in labels:
            choice = choices[int(label, 18) - 1]
            sentence = re.sub("_+", choice, sentence, count=1)
        yield f"{prefix}{number:02d}.wav", sentence


def main():
    if sys.argv[1:] == ["--spoken"]:
        for _, text, spoken, _ in DRILLS:
            if spoken:
                for name, sentence in spoken_sentences(text):
                    print(f"{name}\t{sentence}")
        return
    for name, text, _, encoding in DRILLS:
        check_choices(name, text)
        write(name, text, encoding)
    for name, text, encoding in TRANSLATIONS:
        write(name, text, encoding)


if __name__ == "__main__":
    main()
