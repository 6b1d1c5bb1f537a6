#include "tdialog1.h"

#include "bevelpanel.h"
#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "groesseaendern.h"
#include "karte.h"
#include "platzierung.h"
#include "spinedit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>
#include <limits>

namespace {

// "Die Seiten 5 bis 9 enthalten Gelände. Trotzdem verkleinern?", "Die Seite
// 3 enthält ...", "Die Seiten 2, 5 und 7 enthalten ...".
QString VerkleinernFrage(const std::vector<int> &seiten)
{
    const auto zahl = [](int seite) { return QString::number(seite); };
    QString liste;
    if (seiten.size() == 1) {
        liste = QStringLiteral("Die Seite %1 enthält").arg(seiten.front());
    } else if (seiten.back() - seiten.front() + 1 == int(seiten.size())) {
        liste = QStringLiteral("Die Seiten %1 bis %2 enthalten").arg(seiten.front()).arg(seiten.back());
    } else {
        QStringList vorne;
        for (auto it = seiten.begin(); it + 1 != seiten.end(); ++it)
            vorne << zahl(*it);
        liste = QStringLiteral("Die Seiten %1 und %2 enthalten").arg(vorne.join(QStringLiteral(", ")), zahl(seiten.back()));
    }
    return liste + QStringLiteral(" Gelände. Trotzdem verkleinern?");
}

} // namespace

TDialog1::TDialog1(const TKarte &karte, QWidget *parent) : QDialog(parent), m_karte(karte)
{
    setWindowTitle(QStringLiteral("Karteneigenschaften"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // Modal to the program's windows only: the help window beside them stays usable.
    setWindowModality(Qt::WindowModal);
    setFixedSize(378, 301);
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));
    // Black text, but disabled controls and their labels stay grey.
    QPalette schwarz = palette();
    schwarz.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    schwarz.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    setPalette(schwarz);

    TabbedNotebook1 = platziert(new QTabWidget(this), "TabbedNotebook1", 4, 4, 365, 257);
    seiteAllgemeinAnlegen();
    seiteRessourcenAnlegen();
    seiteLumerantAnlegen();

    BitBtn4 = platziert(new QPushButton(QStringLiteral("&Hilfe"), this), "BitBtn4", 4, 268, 75, 25);
    BitBtn3 = platziert(new QPushButton(QStringLiteral("OK"), this), "BitBtn3", 192, 268, 75, 25);
    BitBtn2 = platziert(new QPushButton(QStringLiteral("Abbrechen"), this), "BitBtn2", 275, 268, 86, 25);
    BitBtn3->setDefault(true);

    connect(BitBtn4, &QPushButton::clicked, this, &TDialog1::hilfeAngefordert);
    connect(BitBtn3, &QPushButton::clicked, this, &TDialog1::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TDialog1::seiteAllgemeinAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "Allgemein", QStringLiteral("Allgemein"));

    autoLabel(seite, "Label1", QStringLiteral("Name der Karte:"), 8, 8);
    Edit1 = platziert(new QLineEdit(seite), "Edit1", 8, 24, 289, 21);
    // No length limit: a long name read from a file must survive OK as it is.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    autoLabel(seite, "Label2", QStringLiteral("Kartengröße:"), 108, 56);

    Btn1x176Felder = platziert(new QRadioButton(QStringLiteral("klein (nur 176 Felder)"), seite), "Btn1x176Felder",
                               184, 56, 137, 17);
    Btn4x176Felder = platziert(new QRadioButton(QStringLiteral("mittel (4 x 176 Felder)"), seite), "Btn4x176Felder",
                               184, 72, 145, 17);
    Btn9x176Felder = platziert(new QRadioButton(QStringLiteral("groß  (9 x 176 Felder)"), seite), "Btn9x176Felder",
                               184, 88, 137, 17);
    Btn16x176Felder = platziert(new QRadioButton(QStringLiteral("riesig (16 x 176 Felder)"), seite),
                                "Btn16x176Felder", 184, 104, 145, 17);
    Btn4x176Felder->setChecked(true);
    for (QRadioButton *preset : {Btn1x176Felder, Btn4x176Felder, Btn9x176Felder, Btn16x176Felder})
        breiteFuerText(preset, 355);

    // The frame goes first so that the custom-size controls lie on top of it.
    platziert(new BevelPanel(BevelPanel::Bevel::Abgesenkt, BevelPanel::Bevel::Keine, seite), "Bevel1", 148, 136, 177,
              85);
    BtnBenutzerDefiniert = platziert(new QRadioButton(QStringLiteral("Benutzerdefiniert:"), seite),
                                     "BtnBenutzerDefiniert", 156, 144, 113, 17);
    breiteFuerText(BtnBenutzerDefiniert, 320);
    BenutzerAnzahlSeiten = platziert(new SpinEdit(1, 16, 1, seite), "BenutzerAnzahlSeiten", 156, 164, 49, 22);
    BenutzerAnzahlSeiten->setEnabled(false);
    Label6 = platziert(new QLabel(QStringLiteral("virtuelle Seite(n)"), seite), "Label6", 212, 160, 39, 26);
    Label6->setWordWrap(true);
    Label6->setEnabled(false);
    // Room for its longest word in the installed font, which may be wider.
    Label6->resize(std::max(Label6->width(), Label6->fontMetrics().horizontalAdvance(QStringLiteral("virtuelle")) + 2),
                   Label6->height());
    // Every page holds 176 fields: the page size is fixed, and fields of
    // another count would not fill it in whole square rows.
    BenutzerAnzahlFelder = platziert(new SpinEdit(4, 1200, StandardFelder, seite), "BenutzerAnzahlFelder", 156, 192,
                                     49, 22);
    BenutzerAnzahlFelder->setReadOnly(true);
    autoLabel(seite, "Label7", QStringLiteral("Felder"), 212, 200);

    auto *panel2 = platziert(new BevelPanel(BevelPanel::Bevel::Abgesenkt, BevelPanel::Bevel::Erhoben, seite),
                             "Panel2", 16, 80, 73, 73);
    autoLabel(panel2, "Label3", QStringLiteral("Zeitlimit:"), 8, 4);
    ZeitLimitEdit = platziert(new SpinEdit(10, 200, 50, panel2), "ZeitLimitEdit", 8, 27, 49, 22);
    autoLabel(panel2, "Label4", QStringLiteral("Runden"), 8, 52);

    autoLabel(seite, "Label5", QStringLiteral("Einzelfeldgröße:"), 16, 168);
    FeldGroesseEdit = platziert(new SpinEdit(5, 500, 40, seite), "FeldGroesseEdit", 56, 188, 49, 22);
    FeldGroesseEdit->setReadOnly(true);

    for (QRadioButton *groesse :
         {Btn1x176Felder, Btn4x176Felder, Btn9x176Felder, Btn16x176Felder, BtnBenutzerDefiniert})
        connect(groesse, &QRadioButton::clicked, this, [this] { m_groesseGewaehlt = true; });
    connect(BenutzerAnzahlSeiten, &SpinEdit::changed, this, [this] {
        if (BtnBenutzerDefiniert->isChecked())
            m_groesseGewaehlt = true;
    });
    connect(BtnBenutzerDefiniert, &QRadioButton::toggled, this, &TDialog1::BtnBenutzerDefiniertToggled);
}

// The page box counts only with its choice; its label greys with it.
void TDialog1::BtnBenutzerDefiniertToggled(bool an)
{
    BenutzerAnzahlSeiten->setEnabled(an);
    Label6->setEnabled(an);
}

void TDialog1::seiteRessourcenAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "Ressourcen", QStringLiteral("Ressourcen"));
    ListBox1 = platziert(new QListWidget(seite), "ListBox1", 16, 16, 313, 161);
}

void TDialog1::seiteLumerantAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "Lumerant", QStringLiteral("Lumerant!"));

    autoLabel(seite, "Label8", QStringLiteral("Kompatibilität:"), 32, 96);
    ComboBox1 = platziert(new QComboBox(seite), "ComboBox1", 120, 96, 201, 21);
    ComboBox1->setEditable(true);
    ComboBox1->setMaxVisibleItems(2);
    ComboBox1->addItems({QStringLiteral("Lumerant! 1.01a ( WIN, OS/2)"), QStringLiteral("ASCII Interpreter (DOS)")});
    ComboBox1->setCurrentIndex(-1);
    // The starting text matches neither entry (no blank after the parenthesis).
    ComboBox1->setEditText(QStringLiteral("Lumerant! 1.01a (WIN, OS/2)"));
    // Hints are off in this dialog; the text is kept for accessibility only.
    ComboBox1->setAccessibleDescription(QStringLiteral("Format, indem die Karte und das Spiel gespeichert werden"));
}

void TDialog1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        FormShow();
        aufBildschirmMitte(this);
    }
    QDialog::showEvent(event);
}

void TDialog1::FormShow()
{
    Edit1->setText(m_vorgabeName.value_or(m_karte.KartenName));
    m_neueKarte = m_vorgabeName.has_value();
    m_vorgabeName.reset();
    // Ready for typing the name at once, whoever opened the dialog.
    TabbedNotebook1->setCurrentIndex(0);
    Edit1->setFocus();
    Edit1->selectAll();
    ZeitLimitEdit->setValue(m_karte.ZeitLimit);
    FeldGroesseEdit->setValue(m_karte.FeldGroesse);
    m_groesseGewaehlt = false;
    if (m_karte.AnzahlFelder != StandardFelder)
        return;
    // Picking the custom size starts from the map's own page count; loading
    // it is no choice of the user's.
    {
        const QSignalBlocker laden(BenutzerAnzahlSeiten);
        BenutzerAnzahlSeiten->setValue(m_karte.AnzahlSeiten);
    }
    switch (m_karte.AnzahlSeiten) {
    case 1:
        Btn1x176Felder->setChecked(true);
        break;
    case 4:
        Btn4x176Felder->setChecked(true);
        break;
    case 9:
        Btn9x176Felder->setChecked(true);
        break;
    case 16:
        Btn16x176Felder->setChecked(true);
        break;
    default:
        BtnBenutzerDefiniert->setChecked(true);
        break;
    }
}

// A smaller size that would drop terrain is confirmed first; "Nein" leaves
// the dialog open for another choice. A new map has nothing to lose.
void TDialog1::BitBtn3Click()
{
    const std::uint8_t seiten = Eigenschaften().seiten;
    if (seiten != 0 && !m_neueKarte) {
        const std::vector<int> verloren = SeitenMitGelaende(m_karte, seiten);
        if (!verloren.empty()) {
            QMessageBox frage(QMessageBox::Question, QStringLiteral("Bestätigen"),
                              VerkleinernFrage(verloren), QMessageBox::Yes | QMessageBox::No, this);
            frage.setDefaultButton(QMessageBox::No);
            if (frage.exec() != QMessageBox::Yes)
                return;
        }
    }
    accept();
}

void TDialog1::FuerNeueKarte(const QString &name)
{
    m_vorgabeName = name;
}

KartenEigenschaften TDialog1::Eigenschaften() const
{
    const std::uint8_t seiten = gewaehlteSeiten();
    const bool neueGroesse = m_groesseGewaehlt && seiten != 0 && !HatStandardGroesse(m_karte, seiten);
    return {Edit1->text(), ZeitLimitEdit->value(), neueGroesse ? seiten : std::uint8_t(0)};
}

std::uint8_t TDialog1::gewaehlteSeiten() const
{
    if (BtnBenutzerDefiniert->isChecked())
        return std::uint8_t(std::clamp(BenutzerAnzahlSeiten->value(), 1, 16));
    if (Btn1x176Felder->isChecked())
        return 1;
    if (Btn4x176Felder->isChecked())
        return 4;
    if (Btn9x176Felder->isChecked())
        return 9;
    if (Btn16x176Felder->isChecked())
        return 16;
    return 0;
}
