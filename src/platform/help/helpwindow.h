#pragma once

#include <QUrl>
#include <QWidget>

class HelpBrowser;
class QAction;
class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QLineEdit;
class QTabWidget;

// The help viewer's window: contents tree and keyword index on the left, the
// page on the right, back and forward above. It does not keep the program
// running once the main window has closed.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow(QHelpEngine &engine, const QUrl &homePage, QWidget *parent = nullptr);

    void showPage(const QUrl &url);
    void showContents();
    // Opens the keyword index with the keyword in its search field; a keyword
    // that leaves exactly one entry opens that entry's page.
    void showIndex(const QString &keyword);
    // Shows a text in place of a page, for a collection that can't be read.
    void showMessage(const QString &text);

    QUrl currentPage() const;
    QString pageTitle() const;
    HelpBrowser *browser() const { return m_browser; }
    QTabWidget *navigation() const { return m_navigation; }
    QLineEdit *indexSearch() const { return m_indexSearch; }
    QHelpIndexWidget *indexList() const { return m_indexList; }
    QHelpContentWidget *contentsTree() const { return m_contentsTree; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createIndexPage();
    void pageChanged(const QUrl &url);
    void indexReady();
    void contentsReady();
    void openSingleMatch();

    QHelpEngine &m_engine;
    QUrl m_homePage;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QTabWidget *m_navigation = nullptr;
    QHelpContentWidget *m_contentsTree = nullptr;
    QWidget *m_indexPage = nullptr;
    QLineEdit *m_indexSearch = nullptr;
    QHelpIndexWidget *m_indexList = nullptr;
    HelpBrowser *m_browser = nullptr;
    bool m_indexReady = false;
    bool m_openSingleMatchWhenReady = false;
};
