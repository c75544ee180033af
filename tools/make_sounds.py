#!/usr/bin/env python3
"""Synthesises the game's sound effects as WAV files: one short, quiet sound
for each thing that can happen on the board. Only simple waveforms and
envelopes, and no randomness, so every run writes the same bytes.

Usage: python3 tools/make_sounds.py data"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.22  # of full scale: a push or a cheese may come several times a second
LONGEST = 0.5  # seconds
EDGE = 0.004  # every sound fades in and out over this long: no click at either end


def tone(freq, seconds, shape="sine", attack=0.004, decay=None, slide_to=None, gain=1.0):
    """One note: a waveform whose pitch may slide, under an attack and an exponential decay."""
    count = int(RATE * seconds)
    decay = decay or seconds / 4
    samples = []
    phase = 0.0
    for n in range(count):
        t = n / RATE
        f = freq if slide_to is None else freq * (slide_to / freq) ** (t / seconds)
        phase += f / RATE
        p = phase % 1.0
        if shape == "sine":
            v = math.sin(2 * math.pi * p)
        elif shape == "triangle":
            v = 4 * abs(p - 0.5) - 1
        else:  # a soft square: the first harmonics only
            v = sum(math.sin(2 * math.pi * p * k) / k for k in (1, 3, 5)) * 0.8
        envelope = min(1.0, t / attack) * math.exp(-t / decay)
        fade = min(1.0, (count - n) / (RATE * 0.004))  # ends at zero: no click
        samples.append(v * envelope * fade * gain)
    return samples


def noise(seconds, decay, gain=1.0):
    """A short low rumble: a fixed pseudo-random sequence, smoothed."""
    count = int(RATE * seconds)
    state, smooth, samples = 12345, 0.0, []
    for n in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        smooth += 0.08 * ((state / 0x3FFFFFFF - 1.0) - smooth)
        fade = min(1.0, (count - n) / (RATE * 0.004))
        samples.append(smooth * math.exp(-n / RATE / decay) * fade * gain)
    return samples


def mix(*parts):
    """Parts given as (start in seconds, samples), added together."""
    length = max(int(start * RATE) + len(samples) for start, samples in parts)
    out = [0.0] * length
    for start, samples in parts:
        offset = int(start * RATE)
        for i, v in enumerate(samples):
            out[offset + i] += v
    return out


def notes(freqs, step, length, shape="triangle", decay=0.08):
    return mix(*[(i * step, tone(f, length, shape, decay=decay)) for i, f in enumerate(freqs)])


EFFECTS = {
    # Two bright blips, a little higher the second time.
    "cheese": lambda: mix((0, tone(1320, 0.06, decay=0.025)), (0.045, tone(1760, 0.08, decay=0.03))),
    # A soft low thud of wood on stone.
    "push": lambda: mix((0, tone(170, 0.09, decay=0.03, slide_to=95)), (0, noise(0.06, 0.015, 2.5))),
    # A quick rising slide: the cat slips away.
    "escape": lambda: tone(420, 0.18, "triangle", decay=0.09, slide_to=1000, gain=0.8),
    # A firm knock, then a chime: a cat is shut in.
    "catch": lambda: mix((0, tone(220, 0.08, decay=0.025, slide_to=130)), (0.05, tone(988, 0.2, decay=0.06)),
                         (0.05, tone(1482, 0.2, decay=0.04, gain=0.4))),
    # A rising major arpeggio.
    "level": lambda: notes([523, 659, 784, 1047], 0.05, 0.14, decay=0.06),
    # A fanfare, unlike the level's arpeggio: three quick repeated notes on a
    # brassy square wave, then a long, held high chord.
    "win": lambda: mix((0, tone(784, 0.05, "square", decay=0.04, gain=0.7)),
                       (0.06, tone(784, 0.05, "square", decay=0.04, gain=0.7)),
                       (0.12, tone(784, 0.05, "square", decay=0.04, gain=0.7)),
                       (0.18, tone(1047, 0.14, "square", decay=0.2, gain=0.6)),
                       (0.18, tone(1568, 0.14, "triangle", decay=0.2, gain=0.5)),
                       (0.18, tone(1319, 0.14, "triangle", decay=0.2, gain=0.4))),
    # A falling minor slide: the mouse is caught.
    "caught": lambda: mix((0, tone(587, 0.14, "square", decay=0.07, slide_to=440, gain=0.7)),
                          (0.12, tone(466, 0.19, "square", decay=0.08, slide_to=294, gain=0.7))),
}


def faded(samples):
    """The sound under a short linear fade at each end."""
    edge = int(RATE * EDGE)
    out = list(samples)
    for n in range(min(edge, len(out))):
        out[n] *= n / edge
        out[-1 - n] *= n / edge
    return out


def write(path, samples):
    top = max(abs(v) for v in samples)
    scale = PEAK / top * 32767
    frames = b"".join(struct.pack("<h", round(v * scale)) for v in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    for name, make in EFFECTS.items():
        samples = faded(make())
        assert len(samples) < LONGEST * RATE, name + " is too long"
        path = os.path.join(sys.argv[1], name + ".wav")
        write(path, samples)
        print(f"{path}: {len(samples) / RATE:.3f} s")


if __name__ == "__main__":
    main()
