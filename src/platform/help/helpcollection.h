#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the help collection lives and how its pages are addressed.
namespace HelpCollection {

inline constexpr char FileName[] = "zendaro.qhc";

// Folders searched for the collection, in order: the working directory, the
// program's own folder, and the installed data folder beside it.
QStringList folders();

// The collection in the first of the folders that holds it; empty if none.
QString find(const QStringList &searchFolders = folders());

// The address of a page file of the collection, e.g. "index.html".
QUrl page(const QString &fileName);

QUrl contentsPage();
QUrl helpOnHelpPage();

} // namespace HelpCollection
