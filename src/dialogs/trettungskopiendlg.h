#pragma once

#include "rettungskopie.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

// Offers at start the maps of editors that did not end normally. Closing
// the dialog decides nothing: the copies are offered again next time.
class TRettungskopienDlg : public QDialog
{
    Q_OBJECT

public:
    enum Antwort { Spaeter = QDialog::Rejected, Retten = QDialog::Accepted, Verwerfen };

    TRettungskopienDlg(const std::vector<Rettungskopie> &kopien, QWidget *parent = nullptr);

    // The row chosen in the list, 0 for the newest copy.
    int gewaehlt() const;

    QTreeWidget *Liste;
    QPushButton *RettenButton;
    QPushButton *VerwerfenButton;
};
