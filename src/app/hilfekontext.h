#pragma once

#include <QObject>
#include <QVariant>

// Menu items carry the numeric help context that F1 opens while the item is
// highlighted; it is kept as a property of the item's QAction.
inline constexpr char HilfeKontextEigenschaft[] = "hilfeKontext";

inline int HilfeKontext(const QObject *punkt)
{
    return punkt->property(HilfeKontextEigenschaft).toInt();
}
