#include "helpwindow.h"

#include "helpbrowser.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString WindowTitle = QStringLiteral("Zendaro-Hilfe");
}

HelpWindow::HelpWindow(QHelpEngine &engine, const QUrl &homePage, QWidget *parent)
    : QWidget(parent, Qt::Window), m_engine(engine), m_homePage(homePage)
{
    setWindowTitle(WindowTitle);
    // The help runs beside the program and must not keep it alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(920, 640);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Zurück"));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Vorwärts"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    toolBar->addSeparator();
    QAction *home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Startseite"));

    m_contentsTree = m_engine.contentWidget();
    m_contentsTree->setHeaderHidden(true);
    m_navigation = new QTabWidget;
    m_navigation->addTab(m_contentsTree, tr("Inhalt"));
    m_navigation->addTab(createIndexPage(), tr("Index"));

    m_browser = new HelpBrowser(m_engine);
    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->document()->setDocumentMargin(14);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 660});
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showPage(m_homePage); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);

    connect(m_contentsTree, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    // One click opens a page, as in other help browsers; activation alone
    // would wait for a double click.
    connect(m_contentsTree, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (const QHelpContentItem *item = m_engine.contentModel()->contentItemAt(index))
            showPage(item->url());
    });
    connect(m_engine.contentModel(), &QHelpContentModel::contentsCreated, this, &HelpWindow::contentsReady);
    connect(m_engine.indexModel(), &QHelpIndexModel::indexCreated, this, &HelpWindow::indexReady);
}

QWidget *HelpWindow::createIndexPage()
{
    m_indexPage = new QWidget;
    m_indexSearch = new QLineEdit;
    m_indexSearch->setClearButtonEnabled(true);
    m_indexSearch->installEventFilter(this);
    auto *label = new QLabel(tr("&Suchbegriff:"));
    label->setBuddy(m_indexSearch);
    m_indexList = m_engine.indexWidget();

    auto *layout = new QVBoxLayout(m_indexPage);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(label);
    layout->addWidget(m_indexSearch);
    layout->addWidget(m_indexList, 1);

    connect(m_indexSearch, &QLineEdit::textChanged, m_indexList,
            [this](const QString &text) { m_indexList->filterIndices(text); });
    connect(m_indexSearch, &QLineEdit::returnPressed, m_indexList, &QHelpIndexWidget::activateCurrentItem);
    connect(m_indexList, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { showPage(document.url); });
    connect(m_indexList, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents) { showPage(documents.first().url); });
    return m_indexPage;
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys in the search field move through the index list, so a
    // keyword can be picked without leaving the field.
    if (watched == m_indexSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_indexList, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::showPage(const QUrl &url)
{
    m_browser->setSource(url);
}

void HelpWindow::showContents()
{
    m_navigation->setCurrentWidget(m_contentsTree);
    showPage(m_homePage);
}

void HelpWindow::showIndex(const QString &keyword)
{
    m_navigation->setCurrentWidget(m_indexPage);
    // Opened by a search, the window would otherwise show an empty page
    // beside the keywords.
    if (currentPage().isEmpty())
        showPage(m_homePage);
    if (m_indexSearch->text() == keyword)
        m_indexList->filterIndices(keyword);
    else
        m_indexSearch->setText(keyword);
    m_indexSearch->selectAll();
    m_indexSearch->setFocus();

    m_openSingleMatchWhenReady = !keyword.isEmpty() && !m_indexReady;
    if (!keyword.isEmpty() && m_indexReady)
        openSingleMatch();
}

void HelpWindow::showMessage(const QString &text)
{
    m_browser->setHtml(QStringLiteral("<h1>%1</h1><p>%2</p>").arg(WindowTitle, text.toHtmlEscaped()));
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

QString HelpWindow::pageTitle() const
{
    return m_browser->documentTitle();
}

void HelpWindow::pageChanged(const QUrl &url)
{
    const QString title = pageTitle();
    // The contents page bears the window's own name; it is not said twice.
    setWindowTitle(title.isEmpty() || title == WindowTitle ? WindowTitle : WindowTitle + QStringLiteral(" – ") + title);

    const QModelIndex entry = m_contentsTree->indexOf(url);
    if (entry.isValid())
        m_contentsTree->setCurrentIndex(entry);
}

void HelpWindow::contentsReady()
{
    m_contentsTree->expandToDepth(0);
    pageChanged(currentPage());
}

void HelpWindow::indexReady()
{
    m_indexReady = true;
    m_indexList->filterIndices(m_indexSearch->text());
    if (m_openSingleMatchWhenReady) {
        m_openSingleMatchWhenReady = false;
        openSingleMatch();
    }
}

void HelpWindow::openSingleMatch()
{
    if (m_indexList->model()->rowCount() != 1)
        return;
    m_indexList->setCurrentIndex(m_indexList->model()->index(0, 0));
    m_indexList->activateCurrentItem();
}
