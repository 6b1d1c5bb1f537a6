#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

// Answers the modal windows that open one after another, each with the next
// action, and notes what each window was (caption, and the text of a message
// box). A window left open five seconds after the last answer is closed, so
// no test hangs.
class ModalFolge
{
public:
    using Aktion = std::function<void(QWidget *)>;

    explicit ModalFolge(std::initializer_list<Aktion> aktionen) : m_aktionen(aktionen)
    {
        m_uhr.start();
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { pruefen(); });
        m_timer.start();
    }

    // One entry per window answered: "caption|text".
    QStringList gesehen;
    bool alleBeantwortet() const { return m_aktionen.empty(); }

    static Aktion datei(const QString &pfad)
    {
        return [pfad](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QVERIFY(dialog);
            // Typed into the name field, as a user would.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(pfad);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    }
    static Aktion abbrechen()
    {
        return [](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); };
    }
    static Aktion annehmen()
    {
        return [](QWidget *w) { qobject_cast<QDialog *>(w)->accept(); };
    }
    // Checks the radio buttons of these captions, then OK.
    static Aktion waehlen(const QStringList &knoepfe)
    {
        return [knoepfe](QWidget *w) {
            for (QRadioButton *b : w->findChildren<QRadioButton *>()) {
                if (knoepfe.contains(b->text()))
                    b->click();
            }
            qobject_cast<QDialog *>(w)->accept();
        };
    }
    static Aktion knopf(QMessageBox::StandardButton welcher)
    {
        return [welcher](QWidget *w) { qobject_cast<QMessageBox *>(w)->button(welcher)->click(); };
    }
    static Aktion knopf(const QString &text)
    {
        return [text](QWidget *w) {
            for (QPushButton *b : w->findChildren<QPushButton *>()) {
                if (b->text() == text)
                    return b->click();
            }
            QFAIL(qPrintable("no button " + text));
        };
    }

private:
    void pruefen()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            m_letzter = nullptr;
        } else if (modal != m_letzter && !m_aktionen.empty()) {
            m_letzter = modal;
            QString text = modal->windowTitle();
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                text += '|' + box->text();
            gesehen << text;
            Aktion aktion = m_aktionen.front();
            m_aktionen.pop_front();
            m_uhr.restart();
            aktion(modal);
            return;
        }
        if (m_uhr.elapsed() > 5000) {
            if (modal)
                modal->close();
            if (m_aktionen.empty())
                m_timer.stop();
        }
    }

    std::deque<Aktion> m_aktionen;
    // Guarded, so a box destroyed and the next one built at the same address
    // count as two windows even when no tick fell between them.
    QPointer<QWidget> m_letzter;
    QTimer m_timer;
    QElapsedTimer m_uhr;
};
