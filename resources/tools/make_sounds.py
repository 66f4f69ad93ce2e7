#!/usr/bin/env python3
"""Synthesizes the program's sound cues as 8-bit unsigned mono PCM WAVE files.

    python3 make_sounds.py OUTPUT_DIR

The build runs it and compiles the files it writes (OUTPUT_DIR/sounds/)
into the program; nothing it makes is kept with the sources.

Each cue has a fixed length in samples, so every file has a fixed size:
44 header bytes plus one byte per sample. Every cue starts and ends with a
short fade so that no click is heard when it starts or stops.
"""

import math
import os
import sys
import wave

RATE = 22050


def note_hz(semitones_from_a4):
    return 440.0 * 2.0 ** (semitones_from_a4 / 12.0)


def bell(t, freq, decay):
    """A struck, bell-like tone: fundamental with two soft overtones."""
    if t < 0:
        return 0.0
    env = math.exp(-t / decay)
    return env * (math.sin(2 * math.pi * freq * t)
                  + 0.30 * math.sin(2 * math.pi * 2 * freq * t)
                  + 0.08 * math.sin(2 * math.pi * 3 * freq * t))


def run_succeeded(n):
    """Three rising notes, C5 E5 G5, each ringing on under the next."""
    notes = [(0.00, note_hz(3)), (0.14, note_hz(7)), (0.28, note_hz(10))]
    out = []
    for i in range(n):
        t = i / RATE
        out.append(sum(bell(t - start, f, 0.22) for start, f in notes))
    return out


def run_starts(n):
    """A quick blip that drops in pitch."""
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        freq = 1900.0 - 9000.0 * t
        phase += 2 * math.pi * freq / RATE
        out.append(math.exp(-t / 0.012) * math.sin(phase))
    return out


def button_click(n):
    """A soft wooden tick: a low, fast-dying tone with a little body."""
    out = []
    for i in range(n):
        t = i / RATE
        out.append(0.45 * math.exp(-t / 0.010) * math.sin(2 * math.pi * 1150 * t)
                   + 0.25 * math.exp(-t / 0.030) * math.sin(2 * math.pi * 420 * t))
    return out


def run_cancelled(n):
    """A tone sliding down an octave, fading as it falls."""
    out, phase = [], 0.0
    duration = n / RATE
    for i in range(n):
        t = i / RATE
        freq = 660.0 * 2.0 ** (-t / duration)
        phase += 2 * math.pi * freq / RATE
        env = 1.0 - 0.6 * (t / duration)
        out.append(env * (math.sin(phase) + 0.2 * math.sin(2 * phase)))
    return out


def logo_ping(n):
    """A short, bright ping: C7 with a fifth above, decaying quickly."""
    out = []
    for i in range(n):
        t = i / RATE
        out.append(math.exp(-t / 0.030) * (math.sin(2 * math.pi * 2093.0 * t)
                                           + 0.35 * math.sin(2 * math.pi * 3136.0 * t)))
    return out


def fade(samples, fade_in, fade_out):
    n = len(samples)
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    for i in range(min(a, n)):
        samples[i] *= i / a
    for i in range(min(b, n)):
        samples[n - 1 - i] *= i / b
    return samples


def to_pcm8(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    scale = peak / top
    return bytes(max(0, min(255, 128 + round(127 * s * scale))) for s in samples)


# id, file, total file size in bytes, voice, peak level, fade in/out (s)
CUES = [
    (101, "101_run_succeeded.wav", 20066, run_succeeded, 0.80, 0.004, 0.060),
    (102, "102_run_starts.wav", 916, run_starts, 0.70, 0.002, 0.010),
    (103, "103_button_click.wav", 4852, button_click, 0.45, 0.001, 0.040),
    (104, "104_run_cancelled.wav", 12004, run_cancelled, 0.70, 0.010, 0.080),
    (105, "105_logo_ping.wav", 2202, logo_ping, 0.75, 0.002, 0.020),
]
HEADER_BYTES = 44


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_sounds.py OUTPUT_DIR\n")
        return 2
    folder = os.path.join(argv[1], "sounds")
    os.makedirs(folder, exist_ok=True)
    for _, name, size, voice, peak, fade_in, fade_out in CUES:
        n = size - HEADER_BYTES
        data = to_pcm8(fade(voice(n), fade_in, fade_out), peak)
        path = os.path.join(folder, name)
        with wave.open(path, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(1)
            out.setframerate(RATE)
            out.writeframes(data)
        actual = os.path.getsize(path)
        if actual != size:
            sys.stderr.write(f"{path}: {actual} bytes, expected {size}\n")
            return 1
        print(f"{path} {actual} bytes, {n / RATE:.3f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
