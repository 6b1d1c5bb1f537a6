#include "taboutbox.h"

#include "bevelpanel.h"
#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "platzierung.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // Modal to the program's windows only: the help window beside them stays usable.
    setWindowModality(Qt::WindowModal);
    setFixedSize(298, 213);
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));

    auto *panel1 = platziert(new BevelPanel(BevelPanel::Bevel::Abgesenkt, BevelPanel::Bevel::Erhoben, this), "Panel1",
                             8, 8, 281, 161);
    panel1->setBackgroundRole(QPalette::Base);
    panel1->setAutoFillBackground(true);

    // FormCreate: the application's icon, as it is when the box is made.
    auto *programIcon = platziert(new QLabel(panel1), "ProgramIcon", 16, 20, 32, 32);
    programIcon->setAlignment(Qt::AlignCenter);
    programIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    QLabel *productName = autoLabel(panel1, "ProductName", QStringLiteral("Lumerant! Zendaro"), 68, 16);
    productName->setFont(fensterSchrift(QStringLiteral("Arial"), 19, true));
    productName->adjustSize();
    QLabel *version = autoLabel(panel1, "Version", QStringLiteral("Version 2003 (1.2.3)"), 84, 40);
    version->setFont(fensterSchrift(QStringLiteral("Arial"), 13));
    version->adjustSize();
    autoLabel(panel1, "Copyright", QStringLiteral("Copyright © 2003 die Zendaro-Entwickler"), 16, 80);
    auto *comments = platziert(new QLabel(QStringLiteral("Freeware: Weitergabe nur unverändert erlaubt."), panel1),
                               "Comments", 16, 128, 257, 28);
    comments->setWordWrap(true);

    auto *okButton = platziert(new QPushButton(QStringLiteral("OK"), this), "OKButton", 111, 180, 75, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    aufBildschirmMitte(this);
}
