#include "zendaroapplication.h"

#include "apperror.h"
#include "fehlerbox.h"

TZendaroApplication::TZendaroApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TZendaroApplication::notify(QObject *empfaenger, QEvent *ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const AppError &fehler) {
        FehlerZeigen(activeWindow(), fehler.message());
    } catch (const std::exception &fehler) {
        FehlerZeigen(activeWindow(), QString::fromLocal8Bit(fehler.what()));
    }
    return false;
}
