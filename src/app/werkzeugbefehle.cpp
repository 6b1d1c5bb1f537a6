#include "werkzeugbefehle.h"

#include "statusleiste.h"
#include "werkzeugsteuerung.h"
#include "zwischenablage.h"

#include <QAction>
#include <QShortcut>

void WerkzeugBefehleVerbinden(Werkzeugsteuerung &werkzeuge, const HauptMenue &menue, TStatusLeiste &status,
                              QWidget &fenster)
{
    Werkzeugsteuerung *w = &werkzeuge;
    for (std::size_t i = 0; i < menue.werkzeugPunkte.size(); ++i)
        QObject::connect(menue.werkzeugPunkte[i], &QAction::triggered, w, [w, i] { w->setWerkzeug(i); });
    QObject::connect(w, &Werkzeugsteuerung::werkzeugGewechselt, &status, [w, menue, &status](std::size_t index) {
        menue.werkzeugPunkte[index]->setChecked(true);
        status.werkzeugZeigen(w->werkzeug().info().name);
    });
    status.werkzeugZeigen(w->werkzeug().info().name);
    QObject::connect(menue.KantenAutomatisch1, &QAction::toggled, w, &Werkzeugsteuerung::setKantenAutomatisch);
    QObject::connect(menue.Zufall1, &QAction::toggled, w, &Werkzeugsteuerung::setZufall);
    QObject::connect(w, &Werkzeugsteuerung::hinweis, &status,
                     [&status](const QString &text) { status.showMessage(text, 3000); });

    // Cut, copy and delete need a selection; paste needs a piece of a map in
    // the clipboard.
    QObject::connect(menue.Ausschneiden1, &QAction::triggered, w, &Werkzeugsteuerung::ausschneiden);
    QObject::connect(menue.Kopieren1, &QAction::triggered, w, &Werkzeugsteuerung::kopieren);
    QObject::connect(menue.Einfgen1, &QAction::triggered, w, &Werkzeugsteuerung::einfuegen);
    QObject::connect(menue.Lschen1, &QAction::triggered, w, &Werkzeugsteuerung::loeschen);
    QObject::connect(w, &Werkzeugsteuerung::auswahlGroesse, &status, [w, menue, &status](QSize felder) {
        status.setAuswahlGroesse(std::max(felder.width(), 0), std::max(felder.height(), 0));
        for (QAction *action : {menue.Ausschneiden1, menue.Kopieren1, menue.Lschen1})
            action->setEnabled(w->hatAuswahl());
    });
    auto *ablage = new Zwischenablage(w);
    QObject::connect(ablage, &Zwischenablage::stueckGewechselt, menue.Einfgen1, &QAction::setEnabled);
    menue.Einfgen1->setEnabled(Zwischenablage::hatStueck());

    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), &fenster);
    QObject::connect(esc, &QShortcut::activated, w, &Werkzeugsteuerung::abbrechen);
}
