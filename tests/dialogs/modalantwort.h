#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window from a timer: once one is open, runs the
// action on it. A window still open after five seconds is closed, so that no
// test hangs; answered() tells whether one came.
class ModalAntwort
{
public:
    explicit ModalAntwort(std::function<void(QWidget *)> aktion) : m_aktion(std::move(aktion))
    {
        m_uhr.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { pruefen(); });
        m_timer.start();
    }

    bool answered() const { return m_beantwortet; }

private:
    void pruefen()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!m_beantwortet && modal && modal->isVisible()) {
            m_beantwortet = true;
            m_aktion(modal);
        } else if (m_beantwortet && !modal) {
            m_timer.stop();
        } else if (m_uhr.elapsed() > 5000) {
            // Nothing came, or the action left a window open.
            m_timer.stop();
            if (modal)
                modal->close();
        }
    }

    std::function<void(QWidget *)> m_aktion;
    QTimer m_timer;
    QElapsedTimer m_uhr;
    bool m_beantwortet = false;
};
