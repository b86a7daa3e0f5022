#!/usr/bin/env python3
"""Writes the library's seven sound effects as PCM wave files.

Run it from this folder (python3 make_sounds.py) after changing a sound; the
files it writes are committed and compiled into the library. Each is 22050
samples per second, in the format and length the library documents, and a
short tone or pair of tones with soft edges so that nothing clicks.
"""
import math
import struct

RATE = 22050

# file, channels, bits, seconds, tones as (start, end, frequency in Hz)
SOUNDS = [
    ("Sound0.wav", 1, 8, 0.20, [(0.0, 0.20, 880.0)]),
    ("Sound1.wav", 2, 16, 0.92, [(0.0, 0.30, 523.25), (0.30, 0.60, 659.25), (0.60, 0.92, 783.99)]),
    ("Sound2.wav", 1, 8, 0.21, [(0.0, 0.21, 660.0)]),
    ("Sound3.wav", 1, 8, 0.43, [(0.0, 0.21, 587.33), (0.22, 0.43, 440.0)]),
    ("Sound4.wav", 1, 8, 0.42, [(0.0, 0.20, 440.0), (0.21, 0.42, 587.33)]),
    ("Sound5.wav", 2, 16, 1.35, [(0.0, 0.45, 392.0), (0.45, 0.90, 523.25), (0.90, 1.35, 659.25)]),
    ("Sound6.wav", 1, 8, 0.71, [(0.0, 0.71, 329.63)]),
]


def sample(t, tones):
    for start, end, frequency in tones:
        if start <= t < end:
            edge = min(t - start, end - t, 0.02) / 0.02  # 20 ms fade in and out
            return 0.4 * edge * math.sin(2 * math.pi * frequency * (t - start))
    return 0.0


def write(name, channels, bits, seconds, tones):
    frames = int(round(RATE * seconds))
    data = bytearray()
    for i in range(frames):
        value = sample(i / RATE, tones)
        for _ in range(channels):
            if bits == 8:
                data += struct.pack("<B", int(128 + 127 * value))
            else:
                data += struct.pack("<h", int(32767 * value))
    block = channels * bits // 8
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, RATE, RATE * block, block, bits)
    header += b"data" + struct.pack("<I", len(data))
    with open(name, "wb") as out:
        out.write(header + bytes(data))


for sound in SOUNDS:
    write(*sound)
