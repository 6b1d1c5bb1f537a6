#pragma once

#include "zufallskarte.h"

#include <QDialog>
#include <QTimer>

struct TKarte;
class QCheckBox;
class QLabel;
class QSpinBox;

// "Zufallskarte": the settings of a random map with a small picture of the
// map they make, drawn anew as they change. The dialog leaves the map alone:
// after OK its opener applies Einstellungen(). The shares and switches keep
// their state between showings; every showing brings a new start value.
class TZufallskarteDlg : public QDialog
{
    Q_OBJECT

public:
    // `karte` lends its tile images to the picture.
    explicit TZufallskarteDlg(const TKarte &karte, QWidget *parent = nullptr);

    ZufallskartenEinstellungen Einstellungen() const;
    void EinstellungenSetzen(const ZufallskartenEinstellungen &einstellungen);
    // The picture as last drawn.
    QImage Vorschau() const;

signals:
    // "&Hilfe" or F1: the opener shows the dialog's help page.
    void hilfeAngefordert();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void NeuButtonClick();
    void vorschauZeichnen();

    const TKarte &m_karte;
    QTimer m_vorschauTimer;
    QSpinBox *SeitenEdit;
    QSpinBox *WasserEdit;
    QSpinBox *SandEdit;
    QSpinBox *WaldEdit;
    QSpinBox *StrassenEdit;
    QCheckBox *VariantenCheck;
    QSpinBox *SaatEdit;
    QLabel *VorschauBild;
};
