#pragma once

#include "datenordner.h"

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the help collection lives and how its pages are addressed.
namespace HelpCollection {

inline constexpr char FileName[] = "zendaro.qhc";

// The collection in the first of the data folders that holds it; empty if none.
QString find(const QStringList &searchFolders = DatenOrdner());

// The address of a page file of the collection, e.g. "index.html".
QUrl page(const QString &fileName);

QUrl contentsPage();
QUrl helpOnHelpPage();

} // namespace HelpCollection
