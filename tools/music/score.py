"""A small score notation for the program's music, written to Standard MIDI
Files with mido.

A part is a General MIDI instrument on one channel. Notes are written as
text, one token a note:

    E5q   B4e  C5e  D5q.  rq  [A3,C4,E4]h

pitch (letter, '#' or 'b', octave; C4 is middle C) or 'r' for a rest or a
bracketed chord, then the length: w h q e s (whole to sixteenth), '.' for
dotted, 't' for a triplet of the length. Times are counted in beats
(quarter notes) from the start of the piece.
"""

import re

import mido

TICKS = 480
_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
_LENGTHS = {"w": 4.0, "h": 2.0, "q": 1.0, "e": 0.5, "s": 0.25}
_TOKEN = re.compile(r"^(r|\[[^\]]+\]|[A-G][#b]*-?\d)([whqes])(\.?)(t?)$")
_CHORD_SHAPES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
                 "maj7": (0, 4, 7, 11), "dim": (0, 3, 6), "sus4": (0, 5, 7)}


def pitch(name):
    """MIDI note number of a pitch name such as 'C#5' or 'Bb3'."""
    m = re.match(r"^([A-G])([#b]*)(-?\d)$", name)
    if not m:
        raise ValueError("not a pitch: " + name)
    shift = m.group(2).count("#") - m.group(2).count("b")
    return 12 * (int(m.group(3)) + 1) + _STEPS[m.group(1)] + shift


def length(token_length, dotted, triplet):
    beats = _LENGTHS[token_length]
    if dotted:
        beats *= 1.5
    if triplet:
        beats *= 2.0 / 3.0
    return beats


def parse(text):
    """The tokens of a melody as (pitches, beats); pitches is empty for a rest."""
    notes = []
    for token in text.split():
        m = _TOKEN.match(token)
        if not m:
            raise ValueError("not a note: " + token)
        head = m.group(1)
        if head == "r":
            pitches = []
        elif head.startswith("["):
            pitches = [pitch(p.strip()) for p in head[1:-1].split(",")]
        else:
            pitches = [pitch(head)]
        notes.append((pitches, length(m.group(2), m.group(3), m.group(4))))
    return notes


def chord_pitches(symbol, low):
    """The notes of a chord symbol ('Am', 'E7', 'F#m', 'G') at or above the
    MIDI note low, root first, in close position."""
    m = re.match(r"^([A-G][#b]*)(.*)$", symbol)
    root_class = pitch(m.group(1) + "4") % 12
    root = low + (root_class - low) % 12
    return [root + step for step in _CHORD_SHAPES[m.group(2)]]


class Part:
    def __init__(self, name, channel, program, volume, pan, reverb):
        self.name = name
        self.channel = channel
        self.program = program
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.notes = []  # (start beat, beats, pitch, velocity)

    def note(self, at, beats, note, velocity, legato=0.92):
        self.notes.append((at, beats * legato, note, velocity))

    def melody(self, at, text, velocity=90, transpose=0, legato=0.92, accent_every=None):
        """Writes the melody from beat at; returns the beat after its end.
        accent_every: the bar length in beats, to stress each bar's first note."""
        for pitches, beats in parse(text):
            v = velocity
            if accent_every and abs((at / accent_every) - round(at / accent_every)) < 1e-6:
                v = min(127, velocity + 10)
            for p in pitches:
                self.note(at, beats, p + transpose, v, legato)
            at += beats
        return at


class Score:
    def __init__(self, title, copyright_text, beats_per_bar=4):
        self.title = title
        self.copyright_text = copyright_text
        self.beats_per_bar = beats_per_bar
        self.tempos = []  # (beat, beats per minute)
        self.parts = []

    def tempo(self, at, bpm):
        self.tempos.append((at, bpm))

    def part(self, name, channel, program, volume=100, pan=64, reverb=40):
        p = Part(name, channel, program, volume, pan, reverb)
        self.parts.append(p)
        return p

    def seconds(self):
        """The length of the piece in seconds, to its last note's end."""
        end = max(at + beats for part in self.parts for at, beats, _, _ in part.notes)
        marks = sorted(self.tempos) + [(end, None)]
        total = 0.0
        for (at, bpm), (next_at, _) in zip(marks, marks[1:]):
            total += max(0.0, min(next_at, end) - at) * 60.0 / bpm
        return total

    def save(self, path):
        f = mido.MidiFile(type=1, ticks_per_beat=TICKS)
        conductor = mido.MidiTrack()
        conductor.append(mido.MetaMessage("track_name", name=self.title, time=0))
        conductor.append(mido.MetaMessage("copyright", text=self.copyright_text, time=0))
        conductor.append(mido.MetaMessage("time_signature", numerator=self.beats_per_bar, denominator=4, time=0))
        events = [(round(at * TICKS), mido.MetaMessage("set_tempo", tempo=mido.bpm2tempo(bpm)))
                  for at, bpm in sorted(self.tempos)]
        _append_events(conductor, events)
        f.tracks.append(conductor)
        for part in self.parts:
            track = mido.MidiTrack()
            track.append(mido.MetaMessage("track_name", name=part.name, time=0))
            c = part.channel
            track.append(mido.Message("control_change", channel=c, control=7, value=part.volume, time=0))
            track.append(mido.Message("control_change", channel=c, control=10, value=part.pan, time=0))
            track.append(mido.Message("control_change", channel=c, control=91, value=part.reverb, time=0))
            if c != 9:
                track.append(mido.Message("program_change", channel=c, program=part.program, time=0))
            events = []
            for at, beats, note, velocity in part.notes:
                start = round(at * TICKS)
                stop = max(start + 1, round((at + beats) * TICKS))
                # Note-offs sort before note-ons at the same tick: a repeated
                # note is struck again, not cut short.
                events.append((start, 1, mido.Message("note_on", channel=c, note=note, velocity=velocity)))
                events.append((stop, 0, mido.Message("note_off", channel=c, note=note, velocity=0)))
            events.sort(key=lambda e: (e[0], e[1], e[2].note))
            _append_events(track, [(tick, msg) for tick, _, msg in events])
            f.tracks.append(track)
        f.save(path)


def _append_events(track, events):
    now = 0
    for tick, msg in events:
        track.append(msg.copy(time=tick - now))
        now = tick
    track.append(mido.MetaMessage("end_of_track", time=0))
