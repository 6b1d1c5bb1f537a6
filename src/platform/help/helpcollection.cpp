#include "helpcollection.h"

#include <QDir>
#include <QFileInfo>

namespace HelpCollection {

namespace {
// Namespace and virtual folder of the pages, as zendaro.qhp declares them.
constexpr char PageRoot[] = "qthelp://zendaro.hilfe/hilfe/";
} // namespace

QString find(const QStringList &searchFolders)
{
    for (const QString &folder : searchFolders) {
        const QFileInfo file{QDir(folder), QLatin1String(FileName)};
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

QUrl page(const QString &fileName)
{
    return QUrl(QLatin1String(PageRoot) + fileName);
}

QUrl contentsPage()
{
    return page(QStringLiteral("index.html"));
}

QUrl helpOnHelpPage()
{
    return page(QStringLiteral("hilfe-verwenden.html"));
}

} // namespace HelpCollection
