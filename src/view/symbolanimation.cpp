#include "symbolanimation.h"

QIcon SymbolBild(std::uint8_t phase)
{
    if (phase < 1 || phase > 4)
        return {};
    return QIcon(QStringLiteral(":/icon/ICON%1").arg(phase));
}
