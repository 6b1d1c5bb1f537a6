#include "hilfekontext.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

quint32 HilfeKontextVon(const QObject *punkt)
{
    return punkt->property(HilfeKontextEigenschaft).toUInt();
}

namespace {

// The item that opens the menu holding `punkt`; none for the items of the
// menu bar and of menus that open on their own (NewMenu1, PopupMenu1).
const QAction *elternPunkt(const QAction *punkt)
{
    for (QObject *ort : punkt->associatedObjects()) {
        if (auto *menue = qobject_cast<QMenu *>(ort))
            return menue->menuAction();
    }
    return nullptr;
}

} // namespace

quint32 HilfeKontextSuchen(const QAction *punkt)
{
    for (; punkt; punkt = elternPunkt(punkt)) {
        if (const quint32 kontext = HilfeKontextVon(punkt))
            return kontext;
    }
    return 0;
}
