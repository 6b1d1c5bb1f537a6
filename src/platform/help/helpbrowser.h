#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows the pages of a help collection: qthelp:// addresses, and the style
// sheets and pictures the pages refer to, are read from the collection.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(const QHelpEngineCore &engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    const QHelpEngineCore &m_engine;
};
