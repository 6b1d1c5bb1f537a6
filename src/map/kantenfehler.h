#pragma once

#include "feldort.h"
#include "karte.h"

#include <vector>

// The fields whose tile disagrees with a neighbour on a shared corner (one
// shows water there, the other meadow or sand), across page seams as the
// pages lie side by side; sorted by page and field. Empty for a map whose
// borders all join.
std::vector<FeldOrt> KantenFehler(const TKarte &karte);
