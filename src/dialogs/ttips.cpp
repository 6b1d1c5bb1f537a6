#include "ttips.h"

#include "ttipform.h"

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

TTips::TTips(QObject *parent) : QObject(parent) {}

bool TTips::Execute()
{
    // Modal over the window the component belongs to, when there is one.
    TTipForm form(qobject_cast<QWidget *>(parent()));
    form.setWindowTitle(Title);
    form.TipHeader->setText(Header);
    form.TipHelp->setText(TipHelp);
    form.ShowAtStart->setChecked(ShowAtStart);
    form.TipText->clear();
    form.TipListe = Tips;

    const bool ok = form.exec() == QDialog::Accepted;
    ShowAtStart = form.ShowAtStart->isChecked();
    return ok;
}
