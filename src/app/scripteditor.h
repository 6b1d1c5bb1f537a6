#pragma once

#include <QString>
#include <QStringList>

// The companion script editor, a program of its own that the tool bar starts
// without arguments and then leaves alone.
namespace Scripteditor {

// The file names it may have, in the order they are tried.
QStringList Programmnamen();

// The editor's program: first beside this program, then on PATH; empty when
// there is none.
QString Suchen();

// Starts the editor in the working folder as a process of its own; false
// when it was not found or would not start.
bool Starten();

} // namespace Scripteditor
