#include "zuletzt.h"

#include "klartexthinweis.h"

#include <QFileInfo>
#include <QMenu>

QStringList ZuletztVorne(QStringList liste, const QString &pfad)
{
    liste.removeAll(pfad);
    liste.prepend(pfad);
    return liste.mid(0, ZuletztAnzahl);
}

void ZuletztMenueFuellen(QMenu &menue, const QStringList &dateien, const std::function<void(const QString &)> &oeffnen)
{
    menue.clear();
    menue.setToolTipsVisible(true);
    if (dateien.isEmpty()) {
        menue.addAction(QStringLiteral("- nichts -"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < dateien.size() && i < ZuletztAnzahl; ++i) {
        const QString &pfad = dateien[i];
        // "&" in a file name is text, not an access letter.
        QString name = QFileInfo(pfad).fileName();
        name.replace(u'&', QLatin1String("&&"));
        QAction *punkt = menue.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        if (QFileInfo(pfad).isFile()) {
            punkt->setToolTip(KlartextHinweis(pfad));
            QObject::connect(punkt, &QAction::triggered, &menue, [oeffnen, pfad] { oeffnen(pfad); });
        } else {
            punkt->setToolTip(KlartextHinweis(QStringLiteral("%1 (nicht mehr vorhanden)").arg(pfad)));
            punkt->setEnabled(false);
        }
    }
}
