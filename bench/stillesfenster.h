#pragma once

// The main window as the window benchmarks use it: no sound and no help
// viewer, so that only drawing and editing are measured.
#include "helpsystem.h"
#include "soundplayer.h"
#include "tzendaromain.h"

#include <memory>

class StummerPlayer : public SoundPlayer
{
public:
    void play(const QByteArray &) override {}
};

class KeineHilfe : public HelpSystem
{
public:
    void request(quint32, const QVariant &) override {}
};

inline KeineHilfe keineHilfe;

inline std::unique_ptr<TZendaroMain> StillesFenster()
{
    return std::make_unique<TZendaroMain>(std::make_unique<StummerPlayer>(), keineHilfe);
}
