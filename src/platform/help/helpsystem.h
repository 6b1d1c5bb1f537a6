#pragma once

#include <QVariant>

// The program asks for help the way a classic help viewer is addressed: a
// command number and one datum. The app and the dialogs see only this
// interface, so tests can put a recording stand-in in place of the viewer.
class HelpSystem
{
public:
    enum Command : quint32 {
        HELP_CONTEXT = 1,      // data: the help context number; 0 means none
        HELP_CONTENTS = 3,     // data: 0
        HELP_HELPONHELP = 4,   // data: 0
        HELP_PARTIALKEY = 261, // data: a keyword text; empty opens the keyword search
    };

    virtual ~HelpSystem();

    // Returns at once; the help runs beside the program. Unknown commands are
    // ignored.
    virtual void request(quint32 command, const QVariant &data) = 0;

protected:
    HelpSystem() = default;
    HelpSystem(const HelpSystem &) = default;
    HelpSystem &operator=(const HelpSystem &) = default;
};
