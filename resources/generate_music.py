#!/usr/bin/env python3
"""Writes jungle.wav, the About box's music: a RIFF WAVE image, PCM, mono, 22050 samples
per second, 8 bits, 136 568 samples (about 6.2 s) that loop without a click.

Every sustained tone (bass drone and pad) makes a whole number of cycles over the loop, so
its waveform joins itself at the seam; the melody, bass notes and drums have envelopes that
end inside their step, so nothing is cut off when the loop starts again."""
import math
import os
import struct

RATE = 22050
LENGTH = 136568
STEPS = 32  # eighth notes: four bars of 4/4


def loop_frequency(hz):
    """The nearest frequency that makes a whole number of cycles over the loop."""
    cycles = max(1, round(hz * LENGTH / RATE))
    return cycles * RATE / LENGTH


def note(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def step_bounds(i):
    return round(i * LENGTH / STEPS), round((i + 1) * LENGTH / STEPS)


# A minor pentatonic tune over Am - F - C - G, one chord a bar.
MELODY = [69, None, 72, 74, 76, None, 74, 72,
          72, None, 69, 72, 74, None, 72, 69,
          67, None, 69, 72, 76, 79, 76, 74,
          74, None, 72, 74, 71, None, 67, None]
BASS = [45, 45, 57, 45, 45, 57, 45, 52,
        41, 41, 53, 41, 41, 53, 41, 48,
        48, 48, 60, 48, 48, 60, 48, 55,
        43, 43, 55, 43, 43, 55, 43, 50]
CHORDS = [(57, 60, 64), (53, 57, 60), (55, 60, 64), (55, 59, 62)]
KICK = {0, 3, 8, 11, 16, 19, 24, 27}
SNARE = {4, 12, 20, 28}
HAT = set(range(0, 32))


def envelope(t, duration, attack=0.008, release_share=0.25):
    """Rises over `attack` seconds, decays, and reaches 0 at `duration`."""
    if t >= duration:
        return 0.0
    a = min(1.0, t / attack)
    tail = duration * release_share
    r = min(1.0, (duration - t) / tail)
    return a * r * math.exp(-2.5 * t / duration)


def render():
    out = [0.0] * LENGTH
    drone = loop_frequency(note(33))  # A1 under everything
    for n in range(LENGTH):
        out[n] += 0.10 * math.sin(2 * math.pi * drone * n / RATE)

    seed = 12345
    for i in range(STEPS):
        start, end = step_bounds(i)
        duration = (end - start) / RATE
        for n in range(start, end):
            t = (n - start) / RATE
            value = 0.0
            if MELODY[i] is not None:
                f = note(MELODY[i])
                e = envelope(t, duration * 0.95)
                value += 0.22 * e * (math.sin(2 * math.pi * f * t) + 0.3 * math.sin(4 * math.pi * f * t))
            fb = note(BASS[i])
            value += 0.20 * envelope(t, duration * 0.9) * math.sin(2 * math.pi * fb * t)
            if i in KICK:
                fk = 110 * math.exp(-30 * t) + 45
                value += 0.35 * envelope(t, min(duration, 0.18), 0.002) * math.sin(2 * math.pi * fk * t)
            seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
            noise = seed / 0x3FFFFFFF - 1.0
            if i in SNARE:
                value += 0.18 * envelope(t, min(duration, 0.15), 0.001) * noise
            if i in HAT:
                value += 0.05 * envelope(t, 0.04, 0.001) * noise
            out[n] += value
    # The pad holds each bar's chord, faded in and out at the bar's edges.
    for n in range(LENGTH):
        bar = min(3, n * 4 // LENGTH)
        bar_start = bar * LENGTH // 4
        bar_end = (bar + 1) * LENGTH // 4
        fade = min(1.0, (n - bar_start) / 600, (bar_end - n) / 600)
        pad = sum(math.sin(2 * math.pi * loop_frequency(note(m)) * n / RATE) for m in CHORDS[bar])
        out[n] += 0.05 * fade * pad
    return out


def write(path, samples):
    peak = max(abs(s) for s in samples)
    scale = 120 / peak
    data = bytes(max(0, min(255, 128 + round(s * scale))) for s in samples)
    assert len(data) == LENGTH
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    header += b"data" + struct.pack("<I", len(data))
    with open(path, "wb") as f:
        f.write(header + data)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write(os.path.join(here, "jungle.wav"), render())
