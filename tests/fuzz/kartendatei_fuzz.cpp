// libFuzzer target: any bytes given to the map reader must end in a result or
// an input/output error, never in a crash, a hang or an out-of-bounds access.

#include "ioerror.h"
#include "kartendatei.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    static auto karte = std::make_unique<TKarte>();
    try {
        if (KarteAusText(*karte, QByteArray(reinterpret_cast<const char *>(daten), qsizetype(groesse)))) {
            // A map that was accepted must write back and read again.
            const QByteArray text = KartenText(*karte, karte->KartenName);
            auto zweite = std::make_unique<TKarte>();
            if (!KarteAusText(*zweite, text))
                __builtin_trap();
            for (int seite = 1; seite <= karte->AnzahlSeiten; ++seite)
                for (int feld = 1; feld <= karte->AnzahlFelder; ++feld)
                    if (zweite->Felder[seite][feld] != karte->Felder[seite][feld])
                        __builtin_trap();
        }
    } catch (const InOutError &) {
    }
    return 0;
}
