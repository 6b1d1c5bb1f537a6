#pragma once

#include "helpcollection.h"
#include "helpsystem.h"

#include <memory>

class HelpWindow;
class QHelpEngine;

// The help system of the program: answers the requests with the pages of the
// help collection in a viewer window of its own. Create it after the
// application object; the window stays hidden until the first request.
class HelpViewer : public HelpSystem
{
public:
    explicit HelpViewer(const QString &collectionFile = HelpCollection::find());
    ~HelpViewer() override;

    void request(quint32 command, const QVariant &data) override;

    // The page a help context opens: its own page, or the contents page for
    // context 0 and for numbers the collection does not know.
    QUrl pageForContext(quint32 context) const;

    // False when the collection could not be found or read; the window then
    // says so instead of showing pages.
    bool isReady() const { return m_ready; }
    HelpWindow *window() const { return m_window.get(); }

private:
    std::unique_ptr<QHelpEngine> m_engine;
    std::unique_ptr<HelpWindow> m_window;
    bool m_ready = false;
};
