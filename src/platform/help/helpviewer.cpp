#include "helpviewer.h"

#include "helpwindow.h"

#include <QCoreApplication>
#include <QHelpEngine>
#include <QHelpLink>

HelpViewer::HelpViewer(const QString &collectionFile)
    : m_engine(std::make_unique<QHelpEngine>(collectionFile))
{
    // An installed program finds its collection in a folder it may not write
    // to, and the viewer has nothing to store in it.
    m_engine->setReadOnly(true);
    m_ready = !collectionFile.isEmpty() && m_engine->setupData()
              && !m_engine->fileData(HelpCollection::contentsPage()).isEmpty();

    m_window = std::make_unique<HelpWindow>(*m_engine, HelpCollection::contentsPage());
    if (collectionFile.isEmpty())
        m_window->showMessage(QCoreApplication::translate("HelpViewer", "Die Hilfedatei %1 wurde nicht gefunden.")
                                  .arg(QLatin1String(HelpCollection::FileName)));
    else if (!m_ready)
        m_window->showMessage(QCoreApplication::translate("HelpViewer", "Die Hilfedatei %1 kann nicht gelesen werden.")
                                  .arg(collectionFile));
}

// The window holds the engine's contents and index widgets, so it goes first.
HelpViewer::~HelpViewer()
{
    m_window.reset();
}

void HelpViewer::request(quint32 command, const QVariant &data)
{
    if (m_ready) {
        switch (command) {
        case HELP_CONTEXT:
            m_window->showPage(pageForContext(data.toUInt()));
            break;
        case HELP_CONTENTS:
            m_window->showContents();
            break;
        case HELP_HELPONHELP:
            m_window->showPage(HelpCollection::helpOnHelpPage());
            break;
        case HELP_PARTIALKEY:
            m_window->showIndex(data.toString());
            break;
        default:
            return;
        }
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QUrl HelpViewer::pageForContext(quint32 context) const
{
    if (context != 0) {
        const QList<QHelpLink> pages = m_engine->documentsForIdentifier(QString::number(context));
        if (!pages.isEmpty())
            return pages.first().url;
    }
    return HelpCollection::contentsPage();
}
