#include "twiederherstellendlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TWiederherstellenDlg::TWiederherstellenDlg(const std::vector<Wiederherstellungskopie> &kopien, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WiederherstellenDlg"));
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
    for (const Wiederherstellungskopie &kopie : kopien) {
        const QString datei =
            kopie.dateiname.isEmpty() ? QStringLiteral("(nicht gespeichert)") : QFileInfo(kopie.dateiname).fileName();
        auto *zeile = new QTreeWidgetItem(
            Liste, {kopie.kartenName.isEmpty() ? QStringLiteral("Unbenannt") : kopie.kartenName, datei, QLocale().toString(kopie.zeit.toLocalTime(), QLocale::ShortFormat)});
        zeile->setToolTip(1, kopie.dateiname);
    }
    Liste->setCurrentItem(Liste->topLevelItem(0));
    Liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Liste->setMinimumWidth(480);
    layout->addWidget(Liste);

    auto *knoepfe = new QDialogButtonBox(this);
    WiederherstellenButton = knoepfe->addButton(QStringLiteral("Wiederherstellen"), QDialogButtonBox::AcceptRole);
    VerwerfenButton = knoepfe->addButton(QStringLiteral("Verwerfen"), QDialogButtonBox::DestructiveRole);
    WiederherstellenButton->setDefault(true);
    connect(WiederherstellenButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(VerwerfenButton, &QPushButton::clicked, this, [this] { done(Verwerfen); });
    connect(Liste, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(knoepfe);
}

int TWiederherstellenDlg::gewaehlt() const
{
    return std::max(0, Liste->indexOfTopLevelItem(Liste->currentItem()));
}
