#include "tzufallskartedlg.h"

#include "karte.h"
#include "kartenbild.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSpinBox>

#include <memory>

namespace {

// The picture's box: a 4 x 4 map at an eighth of its size.
constexpr int kVorschauBreite = 320;
constexpr int kVorschauHoehe = 220;

QSpinBox *zahlFeld(int von, int bis, const QString &einheit = {})
{
    auto *feld = new QSpinBox;
    feld->setRange(von, bis);
    feld->setSuffix(einheit);
    return feld;
}

} // namespace

TZufallskarteDlg::TZufallskarteDlg(const TKarte &karte, QWidget *parent) : QDialog(parent), m_karte(karte)
{
    using E = ZufallskartenEinstellungen;
    setWindowTitle(QStringLiteral("Zufallskarte"));
    setWindowModality(Qt::WindowModal);

    SeitenEdit = zahlFeld(1, 16);
    WasserEdit = zahlFeld(0, E::MaxAnteil, QStringLiteral(" %"));
    SandEdit = zahlFeld(0, E::MaxAnteil, QStringLiteral(" %"));
    WaldEdit = zahlFeld(0, E::MaxAnteil, QStringLiteral(" %"));
    StrassenEdit = zahlFeld(0, E::MaxStrassen);
    VariantenCheck = new QCheckBox(QStringLiteral("&Varianten mischen"));
    SaatEdit = zahlFeld(0, int(E::MaxSaat));
    auto *neuButton = new QPushButton(QStringLiteral("N&eu"));
    neuButton->setToolTip(QStringLiteral("Ein neuer Startwert ergibt eine neue Karte"));
    SeitenEdit->setObjectName(QStringLiteral("SeitenEdit"));
    WasserEdit->setObjectName(QStringLiteral("WasserEdit"));
    SandEdit->setObjectName(QStringLiteral("SandEdit"));
    WaldEdit->setObjectName(QStringLiteral("WaldEdit"));
    StrassenEdit->setObjectName(QStringLiteral("StrassenEdit"));
    VariantenCheck->setObjectName(QStringLiteral("VariantenCheck"));
    SaatEdit->setObjectName(QStringLiteral("SaatEdit"));
    neuButton->setObjectName(QStringLiteral("NeuButton"));

    auto *saat = new QHBoxLayout;
    saat->addWidget(SaatEdit, 1);
    saat->addWidget(neuButton);
    auto *formular = new QFormLayout;
    formular->addRow(QStringLiteral("&Seiten:"), SeitenEdit);
    formular->addRow(QStringLiteral("&Wasser:"), WasserEdit);
    formular->addRow(QStringLiteral("Sa&nd:"), SandEdit);
    formular->addRow(QStringLiteral("W&ald:"), WaldEdit);
    formular->addRow(QStringLiteral("St&raßen:"), StrassenEdit);
    formular->addRow(QString(), VariantenCheck);
    // Its field is a row of two: the label needs its buddy named, or it shows the "&".
    auto *saatLabel = new QLabel(QStringLiteral("S&tartwert:"));
    saatLabel->setBuddy(SaatEdit);
    formular->addRow(saatLabel, saat);

    VorschauBild = new QLabel;
    VorschauBild->setObjectName(QStringLiteral("VorschauBild"));
    VorschauBild->setFixedSize(kVorschauBreite, kVorschauHoehe);
    VorschauBild->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VorschauBild->setFrameShape(QFrame::StyledPanel);

    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Help)->setText(QStringLiteral("&Hilfe"));

    auto *oben = new QHBoxLayout;
    oben->addLayout(formular);
    oben->addWidget(VorschauBild);
    auto *alles = new QVBoxLayout(this);
    alles->addLayout(oben);
    alles->addWidget(knoepfe);
    alles->setSizeConstraint(QLayout::SetFixedSize);

    EinstellungenSetzen({});

    // Changes come in bursts (a held arrow key): the picture is drawn once
    // the burst is over.
    m_vorschauTimer.setSingleShot(true);
    m_vorschauTimer.setInterval(0);
    connect(&m_vorschauTimer, &QTimer::timeout, this, &TZufallskarteDlg::vorschauZeichnen);
    for (QSpinBox *feld : {SeitenEdit, WasserEdit, SandEdit, WaldEdit, StrassenEdit, SaatEdit})
        connect(feld, &QSpinBox::valueChanged, &m_vorschauTimer, qOverload<>(&QTimer::start));
    connect(VariantenCheck, &QCheckBox::toggled, &m_vorschauTimer, qOverload<>(&QTimer::start));
    connect(neuButton, &QPushButton::clicked, this, &TZufallskarteDlg::NeuButtonClick);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(knoepfe, &QDialogButtonBox::helpRequested, this, &TZufallskarteDlg::hilfeAngefordert);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TZufallskarteDlg::hilfeAngefordert);
}

ZufallskartenEinstellungen TZufallskarteDlg::Einstellungen() const
{
    return {SeitenEdit->value(),   WasserEdit->value(),         SandEdit->value(),
            WaldEdit->value(),     StrassenEdit->value(),       VariantenCheck->isChecked(),
            std::uint32_t(SaatEdit->value())};
}

void TZufallskarteDlg::EinstellungenSetzen(const ZufallskartenEinstellungen &e)
{
    SeitenEdit->setValue(e.seiten);
    WasserEdit->setValue(e.wasser);
    SandEdit->setValue(e.sand);
    WaldEdit->setValue(e.wald);
    StrassenEdit->setValue(e.strassen);
    VariantenCheck->setChecked(e.variantenMischen);
    SaatEdit->setValue(int(e.saat));
}

QImage TZufallskarteDlg::Vorschau() const
{
    return VorschauBild->pixmap().toImage();
}

void TZufallskarteDlg::showEvent(QShowEvent *event)
{
    NeuButtonClick();
    vorschauZeichnen();
    QDialog::showEvent(event);
}

void TZufallskarteDlg::NeuButtonClick()
{
    SaatEdit->setValue(int(QRandomGenerator::global()->bounded(ZufallskartenEinstellungen::MaxSaat + 1)));
}

void TZufallskarteDlg::vorschauZeichnen()
{
    m_vorschauTimer.stop();
    // A copy of the map for its tile images; the map itself stays as it is.
    auto probe = std::make_unique<TKarte>(m_karte);
    ZufallskarteErzeugen(*probe, Einstellungen());
    const BildMass mass = KartenBildMass(*probe);
    const double massstab = std::min(double(kVorschauBreite) / double(mass.breite),
                                     double(kVorschauHoehe) / double(mass.hoehe));
    VorschauBild->setPixmap(QPixmap::fromImage(KartenBild(*probe, massstab)));
}
