#include "fehlerbox.h"

#include "apperror.h"

#include <QMessageBox>

void FehlerZeigen(QWidget *eltern, const QString &meldung)
{
    QMessageBox box(QMessageBox::Critical, AnwendungsTitel, errorBoxText(meldung), QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::PlainText); // messages carry file names, which are no markup
    box.exec();
}
