#include "werkzeugliste.h"

#include "auswahlwerkzeug.h"
#include "fuellwerkzeug.h"
#include "pinselwerkzeug.h"
#include "pipettenwerkzeug.h"
#include "rechteckwerkzeug.h"

namespace {

template<class... Werkzeuge>
std::vector<std::unique_ptr<Werkzeug>> liste()
{
    std::vector<std::unique_ptr<Werkzeug>> werkzeuge;
    (werkzeuge.push_back(std::make_unique<Werkzeuge>()), ...);
    return werkzeuge;
}

} // namespace

std::vector<std::unique_ptr<Werkzeug>> WerkzeugeAnlegen()
{
    return liste<PinselWerkzeug,
                 FuellWerkzeug,
                 RechteckWerkzeug,
                 AuswahlWerkzeug,
                 PipettenWerkzeug>();
}
