#pragma once

#include <QApplication>

// Every command runs inside an event; an error that escapes it ends up here
// and is shown in the standard error box, after which the program runs on
// with whatever state the command had reached.
class TZendaroApplication : public QApplication
{
    Q_OBJECT

public:
    TZendaroApplication(int &argc, char **argv);

    bool notify(QObject *empfaenger, QEvent *ereignis) override;
};
