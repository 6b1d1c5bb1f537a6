#include "helpsystem.h"

HelpSystem::~HelpSystem() = default;
