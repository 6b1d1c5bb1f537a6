#pragma once

#include <QStringList>

// Folders searched for the program's data files (tile sheets, help), in
// order: the working directory, the program's own folder, and the installed
// data folder beside it. Lets the program run from wherever it is started.
QStringList DatenOrdner();
