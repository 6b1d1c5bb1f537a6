#include "helpbrowser.h"

#include <QHelpEngineCore>
#include <QTextDocument>

HelpBrowser::HelpBrowser(const QHelpEngineCore &engine, QWidget *parent)
    : QTextBrowser(parent), m_engine(engine)
{
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != QLatin1String("qthelp"))
        return QTextBrowser::loadResource(type, name);

    const QByteArray data = m_engine.fileData(name);
    if (type == QTextDocument::HtmlResource) {
        if (data.isEmpty())
            return tr("<h1>Seite nicht gefunden</h1><p>Die Seite %1 gehört nicht zu dieser Hilfe.</p>")
                .arg(name.fileName().toHtmlEscaped());
        return QString::fromUtf8(data);
    }
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}
