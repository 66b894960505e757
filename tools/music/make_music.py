#!/usr/bin/python3
"""Writes the program's music as Standard MIDI Files: the built-in song
"MidiSong" and the pieces the club service streams. Every tune is in the
public domain; the arrangements are ours.

    make_music.py OUTDIR

OUTDIR/MidiSong.mid is the built-in song; OUTDIR/tracks/*.mid are the club's
pieces, named as the service's playlist lists them ("Artist~Title.mid"),
and OUTDIR/tracks/order.txt lists them in playlist order.
"""

import os
import sys

from score import Score, chord_pitches, pitch

NOTICE = "Tune in the public domain; arrangement by the Zembra developers, GPL-3.0-or-later"

# General MIDI programs (0-based) and drum notes.
HARPSICHORD, CELESTA, MUSIC_BOX, NYLON_GUITAR, ACOUSTIC_BASS = 6, 8, 10, 24, 32
ACCORDION, CELLO, PIZZICATO, HARP, TIMPANI, STRINGS, SLOW_STRINGS = 21, 42, 45, 46, 47, 48, 49
FRENCH_HORN, BRASS, OBOE, BASSOON, CLARINET, FLUTE, RECORDER = 60, 61, 68, 70, 71, 73, 74
KICK, TAMBOURINE, TRIANGLE = 36, 54, 81


def bars(text):
    """Chord symbols, one a bar; 'Am|E' splits a bar in two."""
    return [b.split("|") for b in text.split()]


def oompah(bass, chords, at, chord_bars, per_bar, vel_bass=84, vel_chord=58):
    """Bass on the strong beats, the chord on the others (a march in 4, a
    waltz in 3). Returns the beat after the last bar."""
    for bar in chord_bars:
        beats = per_bar / len(bar)
        for i, symbol in enumerate(bar):
            start = at + i * beats
            root = chord_pitches(symbol, pitch("E2"))
            voicing = chord_pitches(symbol, pitch("G3"))
            for b in range(int(beats)):
                t = start + b
                strong = (t - at) % per_bar == 0 or (per_bar == 4 and (t - at) % per_bar == 2)
                if strong:
                    # The root, then the fifth on the second strong beat.
                    note = root[0] if (t - at) % per_bar == 0 or len(bar) > 1 else root[2] - 12
                    bass.note(t, 1, note, vel_bass, 0.8)
                else:
                    for p in voicing:
                        chords.note(t, 1, p, vel_chord, 0.45)
        at += per_bar
    return at


def pad(part, at, chord_bars, per_bar, low="C3", velocity=50):
    for bar in chord_bars:
        beats = per_bar / len(bar)
        for i, symbol in enumerate(bar):
            for p in chord_pitches(symbol, pitch(low)):
                part.note(at + i * beats, beats, p, velocity, 0.98)
        at += per_bar
    return at


def roots(part, at, chord_bars, per_bar, low, velocity):
    """Each bar's root held for the bar; returns the roots."""
    notes = []
    for n, bar in enumerate(chord_bars):
        root = chord_pitches(bar[0], pitch(low))[0]
        part.note(at + per_bar * n, per_bar, root, velocity, 0.95)
        notes.append(root)
    return notes


def arpeggio(part, at, chord_bars, per_bar, low="E2", velocity=56, step=0.5):
    """Broken chords in steps: root, fifth, tenth, fifth above, ..."""
    for bar in chord_bars:
        beats = per_bar / len(bar)
        for i, symbol in enumerate(bar):
            root, third, fifth = chord_pitches(symbol, pitch(low))[:3]
            figure = [root, fifth, third + 12, fifth + 12, third + 24, fifth + 12]
            n = int(round(beats / step))
            for k in range(n):
                v = velocity + (8 if k == 0 else 0)
                part.note(at + i * beats + k * step, step * 2, figure[k % len(figure)], v, 0.95)
        at += per_bar
    return at


def drums(part, at, count, per_bar, kick=62, tambourine=50):
    for n in range(count):
        t = at + n * per_bar
        part.note(t, 0.5, KICK, kick)
        if per_bar == 4:
            part.note(t + 2, 0.5, KICK, kick - 10)
            part.note(t + 1, 0.5, TAMBOURINE, tambourine)
            part.note(t + 3, 0.5, TAMBOURINE, tambourine)
        else:
            part.note(t + 1, 0.5, TAMBOURINE, tambourine - 8)
            part.note(t + 2, 0.5, TAMBOURINE, tambourine - 8)
    return at + count * per_bar


def peddlers_song():
    """The built-in song: the Russian folk song "Korobeiniki" (The Peddlers),
    an accordion over a march bass, a slow middle part for strings and
    clarinet, and a last verse that runs faster."""
    s = Score("Korobeiniki", NOTICE, 4)
    melody = s.part("Accordion", 0, ACCORDION, 100, 58, 30)
    flute = s.part("Flute", 1, FLUTE, 78, 40, 50)
    guitar = s.part("Guitar", 2, NYLON_GUITAR, 90, 84, 30)
    bass = s.part("Bass", 3, ACOUSTIC_BASS, 110, 64, 20)
    strings = s.part("Strings", 4, STRINGS, 80, 74, 60)
    clarinet = s.part("Clarinet", 5, CLARINET, 95, 50, 50)
    kit = s.part("Drums", 9, 0, 80, 70, 30)
    verse = ("E5q B4e C5e D5q C5e B4e  A4q A4e C5e E5q D5e C5e  B4q. C5e D5q E5q  C5q A4q A4q rq "
             "D5q. F5e A5q G5e F5e  E5q. C5e E5q D5e C5e  B4q B4e C5e D5q E5q  C5q A4q A4q rq")
    verse_chords = bars("E Am E Am Dm C E Am")
    slow = "E5h C5h D5h B4h C5h A4h G#4h B4h E5h C5h D5h B4h C5q E5q A5h G#5w"
    slow_chords = bars("Am E Am E Am E Am E")

    s.tempo(0, 144)
    at = oompah(bass, guitar, 0, bars("Am E"), 4)
    for turn in range(2):
        melody.melody(at, verse, 96, accent_every=4)
        if turn == 1:
            flute.melody(at, verse, 70, transpose=12)
            drums(kit, at, 8, 4)
        at = oompah(bass, guitar, at, verse_chords, 4)
    s.tempo(at, 112)
    clarinet.melody(at, slow, 92, legato=0.98)
    pad(strings, at, slow_chords, 4, "A3", 46)
    roots(bass, at, slow_chords, 4, "E2", 80)
    at += 32
    s.tempo(at, 144)
    melody.melody(at, verse, 96, accent_every=4)
    drums(kit, at, 8, 4)
    at = oompah(bass, guitar, at, verse_chords, 4)
    # The last verse speeds up bar by bar.
    for n in range(8):
        s.tempo(at + 4 * n, 150 + 4 * n)
    melody.melody(at, verse, 104, accent_every=4)
    flute.melody(at, verse, 76, transpose=12)
    drums(kit, at, 8, 4, 70, 56)
    at = oompah(bass, guitar, at, verse_chords, 4, 92, 64)
    s.tempo(at, 120)
    for p in chord_pitches("Am", pitch("A3")) + [pitch("A4")]:
        melody.note(at, 3, p, 92, 0.98)
    for p in chord_pitches("Am", pitch("C3")):
        strings.note(at, 3, p, 60, 0.98)
    bass.note(at, 3, pitch("A2"), 96, 0.98)
    kit.note(at, 1, KICK, 80)
    return s


def minuet():
    """Minuet in G major, BWV Anh. 114 (Christian Petzold): harpsichord,
    with pizzicato strings under the bass."""
    s = Score("Minuet in G", NOTICE, 3)
    right = s.part("Harpsichord", 0, HARPSICHORD, 105, 54, 40)
    left = s.part("Harpsichord bass", 1, HARPSICHORD, 92, 74, 40)
    low = s.part("Pizzicato", 2, PIZZICATO, 70, 64, 40)
    s.tempo(0, 132)
    first = ("D5q G4e A4e B4e C5e  D5q G4q G4q  E5q C5e D5e E5e F#5e  G5q G4q G4q "
             "C5q D5e C5e B4e A4e  B4q C5e B4e A4e G4e  F#4q G4e A4e B4e G4e  A4h. "
             "D5q G4e A4e B4e C5e  D5q G4q G4q  E5q C5e D5e E5e F#5e  G5q G4q G4q "
             "C5q D5e C5e B4e A4e  B4q C5e B4e A4e G4e  A4q B4e A4e G4e F#4e  G4h.")
    first_bass = ("[G3,B3,D4]h A3q  B3h.  C4h.  B3h.  A3h.  G3h.  D4q B3q G3q  D4q D3e C4e B3e A3e "
                  "B3h A3q  G3q B3q G3q  C4h.  B3q C4e B3e A3e G3e  A3h F#3q  G3h B3q  C4q D4q D3q  G3h G2q")
    second = ("B5q G5e A5e B5e G5e  A5q D5e E5e F#5e D5e  G5q E5e F#5e G5e D5e  C#5q B4e C#5e A4q "
              "A4e B4e C#5e D5e E5e F#5e  G5q F#5q E5q  F#5q A4q C#5q  D5h. "
              "D5q G4e F#4e G4q  E5q G4e F#4e G4q  D5q C5q B4q  A4e G4e F#4e G4e A4q "
              "D4e E4e F#4e G4e A4e B4e  C5q B4q A4q  B4e D5e G4q F#4q  G4h.")
    second_bass = ("G3h.  F#3h.  E3h.  A3h A2q  A3h.  B3q A3q G3q  A3h A2q  D4q A3q D3q "
                   "B3h.  C4h.  B3q A3q G3q  D3h F#3q  E3h.  A3h F#3q  G3q C4q D4q  G3q D3q G2q")
    at = right.melody(0, first, 88, accent_every=3)
    left.melody(0, first_bass, 80, legato=0.85)
    low.melody(0, first_bass, 64, transpose=-12)
    right.melody(at, second, 88, accent_every=3)
    left.melody(at, second_bass, 80, legato=0.85)
    low.melody(at, second_bass, 64, transpose=-12)
    return s


def ode_to_joy():
    """The "Ode to Joy" theme of Ludwig van Beethoven's Ninth Symphony: the
    flute over strings and harp, then horns and brass with timpani."""
    s = Score("Ode to Joy", NOTICE, 4)
    flute = s.part("Flute", 0, FLUTE, 100, 50, 50)
    horn = s.part("Horns", 1, FRENCH_HORN, 100, 56, 50)
    brass = s.part("Brass", 2, BRASS, 80, 76, 50)
    strings = s.part("Strings", 3, STRINGS, 84, 80, 60)
    harp = s.part("Harp", 4, HARP, 90, 40, 50)
    cello = s.part("Cellos", 5, CELLO, 90, 70, 50)
    timpani = s.part("Timpani", 6, TIMPANI, 100, 64, 40)
    s.tempo(0, 126)
    theme_a = ("F#4q F#4q G4q A4q  A4q G4q F#4q E4q  D4q D4q E4q F#4q  F#4q. E4e E4h "
               "F#4q F#4q G4q A4q  A4q G4q F#4q E4q  D4q D4q E4q F#4q  E4q. D4e D4h")
    theme_b = ("E4q E4q F#4q D4q  E4q F#4e G4e F#4q D4q  E4q F#4e G4e F#4q E4q  D4q E4q A3h "
               "F#4q F#4q G4q A4q  A4q G4q F#4q E4q  D4q D4q E4q F#4q  E4q. D4e D4h")
    chords_a = bars("D A7 D A D A7 D A|D")
    chords_b = bars("A|D A|D A E7|A D A7 D A|D")
    at = flute.melody(0, theme_a + " " + theme_b, 92, transpose=12, accent_every=4)
    pad(strings, 0, chords_a + chords_b, 4, "A3", 48)
    arpeggio(harp, 0, chords_a + chords_b, 4, "D3", 50)
    roots(cello, 0, chords_a + chords_b, 4, "D2", 70)
    # Once more, the second half, loud.
    horn.melody(at, theme_b, 100, accent_every=4)
    brass.melody(at, theme_b, 70, transpose=12)
    pad(strings, at, chords_b, 4, "A3", 60)
    for n, root in enumerate(roots(cello, at, chords_b, 4, "D2", 84)):
        timpani.note(at + 4 * n, 1, root, 90, 0.9)
        timpani.note(at + 4 * n + 2, 1, root, 70, 0.9)
    at += 32
    for p in chord_pitches("D", pitch("D4")):
        horn.note(at, 4, p, 96, 0.98)
        strings.note(at, 4, p - 12, 64, 0.98)
    cello.note(at, 4, pitch("D2"), 90, 0.98)
    timpani.note(at, 1, pitch("D2"), 100)
    return s


def greensleeves():
    """"Greensleeves", an English folk tune of the sixteenth century: the
    recorder over a guitar's broken chords and a cello."""
    s = Score("Greensleeves", NOTICE, 3)
    recorder = s.part("Recorder", 0, RECORDER, 100, 56, 60)
    guitar = s.part("Guitar", 1, NYLON_GUITAR, 96, 76, 40)
    cello = s.part("Cello", 2, CELLO, 80, 64, 50)
    s.tempo(0, 112)
    tune = ("rh A4q  C5h D5q  E5q. F5e E5q  D5h B4q  G4q. A4e B4q  C5h A4q  A4q. G#4e A4q  B4h G#4q  E4h A4q "
            "C5h D5q  E5q. F5e E5q  D5h B4q  G4q. A4e B4q  C5q. B4e A4q  G#4q. F#4e G#4q  A4h. "
            "G5h.  G5q. F#5e E5q  D5h B4q  G4q. A4e B4q  C5h A4q  A4q. G#4e A4q  B4h G#4q  E4h. "
            "G5h.  G5q. F#5e E5q  D5h B4q  G4q. A4e B4q  C5q. B4e A4q  G#4q. F#4e G#4q  A4h.  A4h.")
    chords = bars("Am  Am C G Em Am Am E Am  Am C G Em Am E Am  C G G Em Am Am E E  C G G Em Am E Am Am")
    recorder.melody(0, tune, 90, accent_every=3)
    arpeggio(guitar, 0, chords, 3, "E2", 52)
    roots(cello, 0, chords, 3, "C2", 66)
    return s


def lullaby():
    """Johannes Brahms's "Wiegenlied" (Lullaby, Op. 49 No. 4): a music box over
    a harp and soft strings, the second half again on the flute."""
    s = Score("Lullaby", NOTICE, 3)
    box = s.part("Music box", 0, MUSIC_BOX, 100, 56, 60)
    flute = s.part("Flute", 1, FLUTE, 90, 50, 60)
    harp = s.part("Harp", 2, HARP, 84, 76, 60)
    strings = s.part("Strings", 3, SLOW_STRINGS, 76, 70, 70)
    s.tempo(0, 80)
    first = ("rh E4e E4e  G4h E4e E4e  G4h E4e G4e  C5q B4q. A4e  A4q G4q D4e E4e  F4q D4q D4e E4e "
             "F4h D4e F4e  B4e A4e G4q B4q  C5h C4e C4e")
    second = "C5h A4e F4e  G4h E4e C4e  F4q G4q A4q  G4h C4e C4e  C5h A4e F4e  G4h E4e C4e  F4q E4q D4q  C4h."
    first_chords = bars("C C C G7 G7 G7 G7 G7 C")
    second_chords = bars("F C G7 C F C G7 C")
    at = box.melody(0, first + " " + second, 80, transpose=12)
    arpeggio(harp, 0, first_chords + second_chords, 3, "C3", 44)
    pad(strings, 3, first_chords[1:] + second_chords, 3, "E3", 40)
    flute.melody(at - 1, "C4e C4e " + second, 84, transpose=12, legato=0.97)
    arpeggio(harp, at, second_chords, 3, "C3", 40)
    pad(strings, at, second_chords, 3, "E3", 44)
    return s


def round_of_four():
    """"Frère Jacques", the French round, for four wind and string voices
    entering two bars apart."""
    s = Score("Frere Jacques", NOTICE, 4)
    tune = ("C4q D4q E4q C4q  C4q D4q E4q C4q  E4q F4q G4h  E4q F4q G4h "
            "G4e A4e G4e F4e E4q C4q  G4e A4e G4e F4e E4q C4q  C4q G3q C4h  C4q G3q C4h")
    voices = [("Flute", FLUTE, 12, 40), ("Clarinet", CLARINET, 0, 88), ("Bassoon", BASSOON, -12, 64),
              ("Pizzicato", PIZZICATO, 12, 54)]
    s.tempo(0, 120)
    end = 0
    for n, (name, program, shift, pan) in enumerate(voices):
        part = s.part(name, n, program, 100 if n < 3 else 84, pan, 50)
        at = part.melody(8 * n, tune + "  " + tune, 86, transpose=shift, accent_every=4)
        end = max(end, at)
    closing = s.part("Closing", 4, STRINGS, 84, 64, 60)
    for p in chord_pitches("C", pitch("C3")) + [pitch("C4")]:
        closing.note(end - 8, 12, p, 56, 0.98)
    return s


# The club's playlist, in its order: "Artist~Title" as the playlist lists it.
TRACKS = [
    ("Christian_Petzold~Minuet_in_G", minuet),
    ("Ludwig_van_Beethoven~Ode_to_Joy", ode_to_joy),
    ("Traditional~Greensleeves", greensleeves),
    ("Johannes_Brahms~Lullaby", lullaby),
    ("Traditional~Frere_Jacques", round_of_four),
]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_music.py OUTDIR")
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "tracks"), exist_ok=True)
    song = peddlers_song()
    song.save(os.path.join(out, "MidiSong.mid"))
    lines = []
    for name, make in TRACKS:
        piece = make()
        piece.save(os.path.join(out, "tracks", name + ".mid"))
        lines.append(name)
        print("%s: %.0f s" % (name, piece.seconds()))
    print("MidiSong: %.0f s" % song.seconds())
    with open(os.path.join(out, "tracks", "order.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
