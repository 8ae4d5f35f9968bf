#pragma once
// Media files the player tests make themselves: a sound (a WAV of a sine tone)
// and a video (an AVI of numbered JPEG frames, each showing its own time).

#include <QString>

// A mono 16-bit WAV of the given length; false when it could not be written.
bool writeWav(const QString& path, double seconds, int sampleRate = 8000);
// A motion-JPEG AVI without sound: `fps` frames a second, each painted with
// its frame number and time code; false when it could not be written.
bool writeVideo(const QString& path, double seconds, int fps = 25, int width = 320,
                int height = 180);
