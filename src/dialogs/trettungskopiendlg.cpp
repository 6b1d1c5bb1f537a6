#include "trettungskopiendlg.h"

#include "klartexthinweis.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TRettungskopienDlg::TRettungskopienDlg(const std::vector<Rettungskopie> &kopien, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RettungskopienDlg"));
    setWindowTitle(QStringLiteral("Karten wiederherstellen"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral("Zendaro wurde nicht ordnungsgemäß beendet. "
                                           "Diese Karten wurden nicht gespeichert:"),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    Liste = new QTreeWidget(this);
    Liste->setRootIsDecorated(false);
    Liste->setHeaderLabels({QStringLiteral("Karte"), QStringLiteral("Datei"), QStringLiteral("Zeit")});
    for (const Rettungskopie &kopie : kopien) {
        const QString datei =
            kopie.dateiname.isEmpty() ? QStringLiteral("(nicht gespeichert)") : QFileInfo(kopie.dateiname).fileName();
        auto *zeile = new QTreeWidgetItem(
            Liste, {kopie.kartenName.isEmpty() ? QStringLiteral("Unbenannt") : kopie.kartenName, datei, QLocale().toString(kopie.zeit.toLocalTime(), QLocale::ShortFormat)});
        zeile->setToolTip(1, KlartextHinweis(kopie.dateiname));
    }
    Liste->setCurrentItem(Liste->topLevelItem(0));
    Liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Liste->setMinimumWidth(480);
    layout->addWidget(Liste);

    auto *knoepfe = new QDialogButtonBox(this);
    RettenButton = knoepfe->addButton(QStringLiteral("Wiederherstellen"), QDialogButtonBox::AcceptRole);
    VerwerfenButton = knoepfe->addButton(QStringLiteral("Verwerfen"), QDialogButtonBox::DestructiveRole);
    RettenButton->setDefault(true);
    connect(RettenButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(VerwerfenButton, &QPushButton::clicked, this, [this] { done(Verwerfen); });
    connect(Liste, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(knoepfe);
}

int TRettungskopienDlg::gewaehlt() const
{
    return std::max(0, Liste->indexOfTopLevelItem(Liste->currentItem()));
}
