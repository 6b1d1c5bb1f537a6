#pragma once

#include <QByteArray>

#include <optional>

// The samples of a RIFF WAVE clip with their format. Only plain PCM clips are
// played; other encodings are skipped like a clip that can't be played.
struct WaveClip
{
    int kanaele = 0;
    int abtastrate = 0;
    int bitsProAbtastung = 0;
    QByteArray daten;
};

std::optional<WaveClip> WaveLesen(const QByteArray &riff);
