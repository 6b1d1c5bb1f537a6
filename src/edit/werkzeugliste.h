#pragma once

#include "werkzeug.h"

#include <memory>
#include <vector>

// The painting tools in the order of the menu and the tool bar; the first is
// chosen at start.
std::vector<std::unique_ptr<Werkzeug>> WerkzeugeAnlegen();
