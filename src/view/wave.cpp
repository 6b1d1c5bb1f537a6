#include "wave.h"

#include <QtEndian>

namespace {

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

} // namespace

std::optional<WaveClip> WaveLesen(const QByteArray &riff)
{
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    WaveClip clip;
    bool formatGelesen = false;
    qsizetype pos = 12;
    while (pos + 8 <= riff.size()) {
        const QByteArray id = riff.mid(pos, 4);
        const quint32 laenge = le32(riff.constData() + pos + 4);
        const qsizetype inhalt = pos + 8;
        if (laenge > quint32(riff.size() - inhalt))
            return std::nullopt;
        if (id == "fmt " && laenge >= 16) {
            const char *f = riff.constData() + inhalt;
            if (le16(f) != 1)
                return std::nullopt;
            clip.kanaele = le16(f + 2);
            clip.abtastrate = int(le32(f + 4));
            clip.bitsProAbtastung = le16(f + 14);
            formatGelesen = true;
        } else if (id == "data") {
            if (!formatGelesen || clip.kanaele < 1 || clip.abtastrate < 1
                || (clip.bitsProAbtastung != 8 && clip.bitsProAbtastung != 16))
                return std::nullopt;
            clip.daten = riff.mid(inhalt, laenge);
            return clip;
        }
        // Chunks are padded to an even length.
        pos = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}
