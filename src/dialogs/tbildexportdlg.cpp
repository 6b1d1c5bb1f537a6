#include "tbildexportdlg.h"

#include "fensterschrift.h"
#include "platzierung.h"
#include "radiogroup.h"

#include <QPushButton>

#include <algorithm>

namespace {

constexpr double Massstaebe[] = {0.5, 1.0, 2.0};

} // namespace

TBildExportDlg::TBildExportDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Als Bild exportieren"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(330, 190);
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));

    m_umfang = platziert(new RadioGroup(QStringLiteral("Inhalt"),
                                        {QStringLiteral("&Ganze Karte"), QStringLiteral("&Aktuelle Seite")}, this),
                         "Umfang", 8, 8, 150, 70);
    m_massstab = platziert(
        new RadioGroup(QStringLiteral("Maßstab"), {QStringLiteral("&50 %"), QStringLiteral("&100 %"), QStringLiteral("&200 %")}, this),
        "Massstab", 170, 8, 150, 100);
    m_format = platziert(new RadioGroup(QStringLiteral("Format"), {QStringLiteral("&PNG"), QStringLiteral("&BMP")}, this),
                         "Format", 8, 86, 150, 70);
    m_umfang->setItemIndex(0);
    m_massstab->setItemIndex(1);
    m_format->setItemIndex(0);

    auto *ok = platziert(new QPushButton(QStringLiteral("OK"), this), "OK", 170, 158, 70, 25);
    auto *abbrechen = platziert(new QPushButton(QStringLiteral("Abbrechen"), this), "Abbrechen", 248, 158, 72, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TBildExportDlg::ganzeKarte() const
{
    return m_umfang->itemIndex() == 0;
}

double TBildExportDlg::massstab() const
{
    return Massstaebe[std::clamp(m_massstab->itemIndex(), 0, 2)];
}

BildFormat TBildExportDlg::format() const
{
    return m_format->itemIndex() == 1 ? BildFormat::Bmp : BildFormat::Png;
}

QString TBildExportDlg::endung() const
{
    return format() == BildFormat::Bmp ? QStringLiteral(".bmp") : QStringLiteral(".png");
}
