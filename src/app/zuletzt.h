#pragma once

#include <QStringList>

#include <functional>

class QMenu;

// The last maps opened or saved, newest first.
inline constexpr int ZuletztAnzahl = 8;

// The list with `pfad` in front, once only, cut to ZuletztAnzahl.
QStringList ZuletztVorne(QStringList liste, const QString &pfad);

// Fills "Zuletzt geöffnet": "&1 NAME.map" to "&8 ...", the full path as tip;
// a file that is gone is greyed out and says so in its tip.
void ZuletztMenueFuellen(QMenu &menue, const QStringList &dateien, const std::function<void(const QString &)> &oeffnen);
