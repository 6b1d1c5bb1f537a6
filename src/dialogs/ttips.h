#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The tip of the day: settings for a tip window, which Execute builds, shows
// modally and frees again.
class TTips : public QObject
{
    Q_OBJECT

public:
    explicit TTips(QObject *parent = nullptr);

    QString Title;
    QString Header;
    QString TipHelp;
    // Given to the window's check box on opening, read back on closing.
    bool ShowAtStart = false;
    QStringList Tips;

    int TipsCount() const { return int(Tips.size()); }

    // True when the window was closed with "&Schließen".
    bool Execute();
};
