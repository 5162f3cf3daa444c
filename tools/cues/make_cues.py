#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises Zederoru's nine sound cues as mono 22050 Hz 16-bit wave files.

Usage: python3 tools/cues/make_cues.py [output folder, default data/]

Every cue is normalised to the same loudness, measured as the RMS of its loudest
50 ms window, and kept below a peak of 0.9. Noise comes from a fixed seed, so the
files are the same on every run. The build does not run this script; the wave files
are committed.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
TARGET_WINDOW_RMS = 0.18
PEAK_LIMIT = 0.9


def samples(seconds):
    return int(seconds * RATE)


def silence(seconds):
    return [0.0] * samples(seconds)


def tone(freq_from, freq_to, seconds, attack=0.005, decay=8.0, shape="sine"):
    """A tone gliding from freq_from to freq_to with a fast attack and exponential decay."""
    out = []
    phase = 0.0
    n = samples(seconds)
    for i in range(n):
        t = i / RATE
        freq = freq_from + (freq_to - freq_from) * i / max(1, n - 1)
        phase += 2 * math.pi * freq / RATE
        v = math.sin(phase)
        if shape == "soft-square":
            v = math.tanh(3 * v)
        env = min(1.0, t / attack) * math.exp(-decay * t)
        out.append(v * env)
    return out


def noise(rng, seconds, cutoff_from, cutoff_to, envelope):
    """Noise through a one-pole low-pass whose cutoff glides; envelope(t in 0..1) shapes it."""
    out = []
    low = 0.0
    n = samples(seconds)
    for i in range(n):
        cutoff = cutoff_from + (cutoff_to - cutoff_from) * i / max(1, n - 1)
        a = 1 - math.exp(-2 * math.pi * cutoff / RATE)
        low += a * (rng.uniform(-1, 1) - low)
        out.append(low * envelope(i / max(1, n - 1)))
    return out


def mix(*parts):
    length = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) for i in range(length)]


def after(seconds, part):
    return silence(seconds) + part


def rise_fall(t):
    return math.sin(math.pi * t) ** 2


def burst(t):
    return math.exp(-30 * t)


def click(rng):
    return mix(tone(2200, 1800, 0.04, attack=0.001, decay=120),
               noise(rng, 0.02, 6000, 3000, burst))


def click2(rng):
    return mix(tone(1500, 1500, 0.05, attack=0.001, decay=90),
               after(0.012, tone(2400, 2400, 0.04, attack=0.001, decay=110)),
               noise(rng, 0.015, 7000, 4000, burst))


def slide(rng):
    return noise(rng, 0.28, 900, 2600, lambda t: math.sin(math.pi * t) * (1 - 0.6 * t))


def error(_rng):
    return (tone(330, 300, 0.16, decay=4, shape="soft-square") + silence(0.04) +
            tone(250, 220, 0.22, decay=4, shape="soft-square"))


def clap(rng):
    return noise(rng, 0.12, 5000, 2500, lambda t: math.exp(-18 * t))


def clap4(rng):
    return mix(*[after(0.22 * k + rng.uniform(0, 0.02), clap(rng)) for k in range(4)],
               after(0.05, noise(rng, 1.2, 2500, 1500, lambda t: 0.15 * rise_fall(t))))


def whoosh1(rng):
    return noise(rng, 0.6, 300, 3000, rise_fall)


def shsh_dot(rng):
    shsh = noise(rng, 0.14, 7000, 5000, rise_fall)
    return shsh + silence(0.03) + shsh + silence(0.05) + tone(1320, 1320, 0.12, decay=25)


def give_up(_rng):
    return (tone(440, 415, 0.25, decay=3, shape="soft-square") + silence(0.03) +
            tone(392, 370, 0.25, decay=3, shape="soft-square") + silence(0.03) +
            tone(349, 262, 0.4, decay=3, shape="soft-square"))


def thank(_rng):
    notes = [523.25, 659.25, 783.99, 1046.5]
    return mix(*[after(0.13 * k, tone(f, f, 1.1, decay=4)) for k, f in enumerate(notes)])


CUES = {
    "Click": click,
    "Slide": slide,
    "Error": error,
    "clap4": clap4,
    "whoosh1": whoosh1,
    "click2": click2,
    "shsh-dot": shsh_dot,
    "GiveUp": give_up,
    "thank": thank,
}


def loudest_window_rms(signal):
    window = samples(0.05)
    best = 0.0
    for start in range(0, max(1, len(signal) - window + 1), window // 4):
        chunk = signal[start:start + window]
        best = max(best, math.sqrt(sum(v * v for v in chunk) / len(chunk)))
    return best


def normalised(signal):
    gain = TARGET_WINDOW_RMS / loudest_window_rms(signal)
    peak = max(abs(v) for v in signal)
    gain = min(gain, PEAK_LIMIT / peak)
    fade = samples(0.005)  # no click at the very end
    out = [v * gain for v in signal]
    for i in range(min(fade, len(out))):
        out[-1 - i] *= i / fade
    return out


def write_wave(path, signal):
    frames = b"".join(struct.pack("<h", int(round(v * 32767))) for v in signal)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "data"
    for seed, (name, make) in enumerate(CUES.items()):
        signal = normalised(make(random.Random(seed)))
        write_wave(os.path.join(folder, name + ".wav"), signal)
        print(f"{name}.wav: {len(signal) / RATE:.2f} s")


if __name__ == "__main__":
    main()
