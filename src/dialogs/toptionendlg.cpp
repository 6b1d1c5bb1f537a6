#include "toptionendlg.h"

#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "platzierung.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int EintragHoehe = 13;

// The file-name part of a typed path: what follows the last separator of
// either path style or a drive colon.
QString dateiNamensTeil(const QString &pfad)
{
    const qsizetype trenner = std::max({pfad.lastIndexOf(u'/'), pfad.lastIndexOf(u'\\'), pfad.lastIndexOf(u':')});
    return pfad.mid(trenner + 1);
}

// From the last dot of the file-name part to the end, dot included.
QString endung(const QString &pfad)
{
    const QString name = dateiNamensTeil(pfad);
    const qsizetype punkt = name.lastIndexOf(u'.');
    return punkt < 0 ? QString() : name.mid(punkt);
}

// The toolkit centres a message box on its owner; these warnings stand in the
// middle of the screen, wherever the dialog is.
class Warnbox : public QMessageBox
{
public:
    Warnbox(const QString &text, QWidget *owner) : QMessageBox(Warning, QStringLiteral("Warnung"), text, Ok, owner)
    {
        button(Ok)->setText(QStringLiteral("OK"));
        setTextFormat(Qt::PlainText); // the texts carry parts of paths
        setWindowModality(Qt::WindowModal);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        if (!event->spontaneous())
            aufBildschirmMitte(this);
    }
};

QIcon papierkorbBild()
{
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter painter(&bild);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(3, 4, 9, 10);         // can
    painter.drawRect(2, 2, 11, 2);         // lid
    painter.drawLine(6, 1, 9, 1);          // handle
    painter.setPen(QColor(128, 128, 128));
    for (int x : {5, 7, 9, 11})
        painter.drawLine(x, 6, x, 12); // ribs
    return QIcon(bild);
}

} // namespace

TOptionenDlg::TOptionenDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Optionen und Einstellungen"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // Modal to the program's windows only: the help window beside them stays usable.
    setWindowModality(Qt::WindowModal);
    setFixedSize(384, 325);
    move(404, 184);
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));

    TabbedNotebook1 = platziert(new QTabWidget(this), "TabbedNotebook1", 4, 4, 373, 281);
    TabbedNotebook1->tabBar()->setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 12));
    seiteEditorAnlegen();
    seiteRessourcenAnlegen();
    seiteLuaScriptAnlegen();

    auto *bitBtn4 = platziert(new QPushButton(QStringLiteral("&Hilfe"), this), "BitBtn4", 4, 292, 75, 25);
    auto *bitBtn3 = platziert(new QPushButton(QStringLiteral("OK"), this), "BitBtn3", 196, 292, 75, 25);
    auto *bitBtn2 = platziert(new QPushButton(QStringLiteral("Abbrechen"), this), "BitBtn2", 280, 292, 89, 25);
    bitBtn3->setDefault(true);
    connect(bitBtn4, &QPushButton::clicked, this, &TOptionenDlg::hilfeAngefordert);
    connect(bitBtn3, &QPushButton::clicked, this, &QDialog::accept);
    connect(bitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionenDlg::keyPressEvent(QKeyEvent *event)
{
    // Enter in the path field adds the entry, as the button beside it does,
    // instead of closing the dialog through its default button.
    if (focusWidget() == Edit1 && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        NeuButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOptionenDlg::seiteEditorAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "Editor", QStringLiteral("Editor"));

    auto *radioGroup1 = platziert(new RadioGroup(QStringLiteral("Ladeoptionen"),
                                                 {QStringLiteral("Super-Multi-Media !!!"),
                                                  QStringLiteral("Schnelle Grafik im Editor "),
                                                  QStringLiteral("Speicherverbrauch minimieren")},
                                                 seite),
                                  "RadioGroup1", 24, 16, 325, 85);
    radioGroup1->setItemIndex(0);
    SicherungBox = platziert(new QCheckBox(QStringLiteral("Sicherungskopie NAME.map~ beim Speichern"), seite),
                             "SicherungBox", 32, 164, 289, 17);
    CheckBox1 = platziert(new QCheckBox(QStringLiteral("Soundeffekte im Editor"), seite), "CheckBox1", 32, 188, 169, 17);
    CheckBox2 = platziert(new QCheckBox(QStringLiteral("Einstellungen beim Beenden speichern"), seite), "CheckBox2",
                          32, 212, 289, 17);
    for (QCheckBox *box : {SicherungBox, CheckBox1, CheckBox2}) {
        box->setChecked(true);
        breiteFuerText(box, 340);
        connect(box, &QCheckBox::toggled, this, &TOptionenDlg::aenderungMelden);
    }
}

Optionen TOptionenDlg::optionen() const
{
    Optionen o;
    o.sound = CheckBox1->isChecked();
    o.beimBeendenSpeichern = CheckBox2->isChecked();
    o.sicherungskopie = SicherungBox->isChecked();
    for (int i = 0; i < ListBox1->count(); ++i)
        o.ressourcen << ListBox1->item(i)->text();
    return o;
}

// Reports once, with the whole value, not once per box.
void TOptionenDlg::setOptionen(const Optionen &optionen)
{
    const QSignalBlocker sperre(this);
    CheckBox1->setChecked(optionen.sound);
    CheckBox2->setChecked(optionen.beimBeendenSpeichern);
    SicherungBox->setChecked(optionen.sicherungskopie);
    ListBox1->clear();
    for (const QString &eintrag : optionen.ressourcen)
        eintragAnhaengen(eintrag);
}

void TOptionenDlg::aenderungMelden()
{
    emit optionenGeaendert(optionen());
}

void TOptionenDlg::seiteRessourcenAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "Ressourcen", QStringLiteral("Ressourcen"));

    autoLabel(seite, "Label2", QStringLiteral("Geladene Ressourcen:"), 16, 8);
    ListBox1 = platziert(new QListWidget(seite), "ListBox1", 24, 32, 297, 113);
    for (const QString &eintrag :
         {QStringLiteral("scene1.scn (Standardfelder)"), QStringLiteral("scene2.scn (Standardfelder)"),
          QStringLiteral("sprites1.scn (Standardgebäude)"), QStringLiteral("sprites2.scn (Standardfiguren)")})
        eintragAnhaengen(eintrag);
    autoLabel(seite, "Label1", QStringLiteral("Dateipfad:"), 16, 160);
    Edit1 = platziert(new QLineEdit(seite), "Edit1", 88, 160, 233, 21);

    QPalette schwarz = palette();
    schwarz.setColor(QPalette::ButtonText, Qt::black);
    auto *neuButton = platziert(new QPushButton(QStringLiteral("&Hinzufügen"), seite), "NeuButton", 240, 188, 81, 23);
    auto *bitBtn1 = platziert(new QPushButton(papierkorbBild(), QStringLiteral("&Entfernen"), seite), "BitBtn1", 240,
                              220, 81, 23);
    for (QPushButton *knopf : {neuButton, bitBtn1})
        knopf->setPalette(schwarz);
    auto *checkBox3 = platziert(new QCheckBox(QStringLiteral("Benutzerdefinierte Ressourcen zulassen"), seite),
                                "CheckBox3", 16, 192, 213, 17);
    checkBox3->setChecked(true);
    breiteFuerText(checkBox3, 236);

    connect(neuButton, &QPushButton::clicked, this, &TOptionenDlg::NeuButtonClick);
    connect(bitBtn1, &QPushButton::clicked, this, &TOptionenDlg::BitBtn1Click);
}

void TOptionenDlg::seiteLuaScriptAnlegen()
{
    QWidget *seite = notebookSeite(TabbedNotebook1, "LuaScript", QStringLiteral("LuaScript"));

    auto *radioGroup2 = platziert(new RadioGroup(QStringLiteral("Syntax"),
                                                 {QStringLiteral("strenge Plexadyne Syntax"),
                                                  QStringLiteral("erweiterte Lumerant Syntax")},
                                                 seite),
                                  "RadioGroup2", 20, 24, 317, 73);
    radioGroup2->setItemIndex(0);
    auto *groupBox1 = platziert(new QGroupBox(QStringLiteral("Parser"), seite), "GroupBox1", 20, 108, 317, 105);
    auto *checkBox4 = platziert(new QCheckBox(QStringLiteral("automatische Fehlerprüfung"), groupBox1), "CheckBox4",
                                16, 24, 201, 17);
    auto *checkBox5 = platziert(new QCheckBox(QStringLiteral("Warnmeldungen anzeigen"), groupBox1), "CheckBox5", 16,
                                48, 201, 17);
    auto *checkBox6 = platziert(new QCheckBox(QStringLiteral("Crossplattform-Kompatibilität gewährleisten"), groupBox1),
                                "CheckBox6", 16, 72, 233, 25);
    for (QCheckBox *box : {checkBox4, checkBox5, checkBox6}) {
        box->setChecked(true);
        box->setEnabled(false);
        breiteFuerText(box, groupBox1->width() - 8);
    }
}

void TOptionenDlg::NeuButtonClick()
{
    const QString pfad = Edit1->text();
    if (!QFileInfo(pfad).isFile()) {
        warnung(QStringLiteral("Die Datei %1 konnte nicht gefunden werden.").arg(dateiNamensTeil(pfad)));
        return;
    }
    // Only bitmaps are taken, and only with the extension in lower case.
    if (endung(pfad) == QLatin1String(".bmp")) {
        eintragAnhaengen(pfad);
        aenderungMelden();
    } else
        warnung(QStringLiteral("ungültiges Dateiformat!"));
}

void TOptionenDlg::BitBtn1Click()
{
    const QList<QListWidgetItem *> auswahl = ListBox1->selectedItems();
    if (auswahl.isEmpty())
        return;
    delete auswahl.front();
    aenderungMelden();
    // Qt would select the next entry; the list is left with no selection, so
    // a second press does not remove an entry the user did not pick.
    ListBox1->clearSelection();
}

void TOptionenDlg::eintragAnhaengen(const QString &text)
{
    auto *eintrag = new QListWidgetItem(text, ListBox1);
    eintrag->setSizeHint(QSize(ListBox1->fontMetrics().horizontalAdvance(text) + 4, EintragHoehe));
}

void TOptionenDlg::warnung(const QString &text)
{
    Warnbox box(text, this);
    box.exec();
}
