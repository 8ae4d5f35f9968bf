#!/usr/bin/env python3
"""Writes the player's delay sound: a short 1 kHz beep with soft edges.

Usage: scripts/make_delay_sound.py [output]  (default dist/System/Sounds/mirel02.wav)
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
SECONDS = 0.15
FREQUENCY = 1000.0
FADE = 0.01  # seconds of fade in and out


def samples():
    count = int(RATE * SECONDS)
    for i in range(count):
        t = i / RATE
        edge = min(1.0, t / FADE, (SECONDS - t) / FADE)
        yield int(12000 * edge * math.sin(2 * math.pi * FREQUENCY * t))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "dist", "System", "Sounds", "mirel02.wav")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
