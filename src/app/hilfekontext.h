#pragma once

#include <QtGlobal>

class QAction;
class QObject;

// Menu items carry the numeric help context that F1 opens while the item is
// highlighted; it is kept as a property of the item's QAction. The numbers
// are those of helpcontexts.h.
inline constexpr char HilfeKontextEigenschaft[] = "hilfeKontext";

// The item's own help context, 0 when it carries none.
quint32 HilfeKontextVon(const QObject *punkt);

// The context F1 asks for on a highlighted item: its own, or else the first
// one found on the way up through the items whose menus hold it; 0 when no
// item up to the top carries one.
quint32 HilfeKontextSuchen(const QAction *punkt);
