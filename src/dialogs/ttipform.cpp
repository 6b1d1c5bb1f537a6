#include "ttipform.h"

#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "platzierung.h"
#include "random.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace {

// Shared by every tip window of the run, like the index it stands for.
std::uint16_t TipNummer = 0;

const QColor Marine(0, 0, 128);

QLabel *tipLabel(QWidget *parent, const char *name, int oben, int hoehe)
{
    auto *label = platziert(new QLabel(parent), name, 96, oben, 225, hoehe);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TTipForm::TTipForm(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // Modal to the program's windows only: the help window beside them stays usable.
    setWindowModality(Qt::WindowModal);
    setFixedSize(347, 276);
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));
    QPalette schwarz = palette();
    schwarz.setColor(QPalette::WindowText, Qt::black);
    setPalette(schwarz);

    auto *image1 = platziert(new QLabel(this), "Image1", 12, 12, 84, 205);
    image1->setAlignment(Qt::AlignCenter);
    image1->setPixmap(QPixmap(QStringLiteral(":/picture/tipbulb")));

    TipHeader = platziert(new QLabel(QStringLiteral("Wußten Sie schon?"), this), "TipHeader", 96, 16, 225, 25);
    TipHeader->setFont(fensterSchrift(QStringLiteral("Times New Roman"), 21, true, true, QFont::Serif));
    TipHelp = tipLabel(this, "TipHelp", 60, 29);
    QFont fett = font();
    fett.setBold(true);
    TipHelp->setFont(fett);
    TipText = tipLabel(this, "TipText", 92, 117);

    ShowAtStart = platziert(new QCheckBox(QStringLiteral("Diesen Dialog beim nächsten Start anzeigen"), this),
                            "ShowAtStart", 12, 226, 229, 17);
    breiteFuerText(ShowAtStart, 335);
    Next = platziert(new QPushButton(QStringLiteral("&Nächster Tip"), this), "Next", 152, 244, 89, 26);
    Ok = platziert(new QPushButton(QStringLiteral("&Schließen"), this), "Ok", 248, 244, 89, 26);
    Ok->setDefault(true);
    Ok->setFocus();

    connect(Next, &QPushButton::clicked, this, &TTipForm::NextClick);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    aufBildschirmMitte(this);
}

std::uint16_t TTipForm::tipNummer()
{
    return TipNummer;
}

void TTipForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TTipForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Shape1: the white card with its navy edge, the pen inside the bounds.
    painter.setPen(QPen(Marine, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 8, 329, 213).adjusted(1, 1, -1, -1));
    // Shape2: the rule under the header.
    painter.fillRect(96, 48, 225, 2, Marine);
}

void TTipForm::FormShow()
{
    if (TipListe.isEmpty())
        TipListe.append(QStringLiteral("There is no tip... I´m not in the mude."));
    if (TipListe.size() == 1)
        Next->setEnabled(false);
    Zufall::Randomize();
    TipNummer = std::uint16_t(Zufall::Random(std::int32_t(TipListe.size())));
    TipText->setText(TipListe.at(TipNummer));
}

void TTipForm::NextClick()
{
    // The same tip may come again: the draw does not avoid the one shown.
    TipNummer = std::uint16_t(Zufall::Random(std::int32_t(TipListe.size())));
    TipText->setText(TipListe.at(TipNummer));
}
