#include "laden.h"

#include "apperror.h"
#include "kartendatei.h"

#include <QFileInfo>

QString Sichtbar(const QString &text)
{
    QString sichtbar;
    sichtbar.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            sichtbar += c;
        else if (c.unicode() < 0x100)
            sichtbar += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            sichtbar += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return sichtbar;
}

void Melden(QTextStream &err, const QString &meldung)
{
    err << Sichtbar(meldung) << Qt::endl;
}

int Laden(TKarte &karte, const QString &datei, Ausgaben io)
{
    try {
        if (!DateiLesen(karte, datei)) {
            Melden(io.err, QStringLiteral("Die Datei %1 ist entweder beschädigt oder enthält keine gültige Spielkarte!")
                               .arg(QFileInfo(datei).fileName()));
            return Ende::KeineKarte;
        }
    } catch (const AppError &e) {
        Melden(io.err, errorBoxText(e.message()));
        return Ende::EaFehler;
    }
    return Ende::Ok;
}
