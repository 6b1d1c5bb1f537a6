// The real help viewer, offscreen: what each request shows, and that no
// request ends in an error box.

#include "helpbrowser.h"
#include "helpcollection.h"
#include "helpcontexts.h"
#include "helpviewer.h"
#include "helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

QString pageOf(const HelpViewer &viewer)
{
    return viewer.window()->currentPage().fileName();
}

bool anyMessageBox()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
        return qobject_cast<QMessageBox *>(w) && w->isVisible();
    });
}

QAction *toolAction(const HelpWindow &window, const QString &text)
{
    for (QAction *action : window.findChild<QToolBar *>()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowStaysHiddenUntilAsked();
    void contextOpensItsPage();
    void contextOpensItsPage_data();
    void noContextOrUnknownContextShowsContents();
    void contentsAndHelpOnHelp();
    void emptyKeywordOpensKeywordSearch();
    void keywordWithOneMatchOpensItsPage();
    void keywordWithSeveralMatchesOnlyFilters();
    void typingInTheSearchFieldAndEnterOpensEntry();
    void backAndForward();
    void contentsTreeFollowsAndOpensPages();
    void pagesRenderWithTheirStyleSheet();
    void unknownCommandIsIgnored();
    void missingCollectionIsReportedInTheWindow();
    void readOnlyCollectionIsLeftUntouched();

private:
    void waitForModels(const HelpViewer &viewer);
    std::unique_ptr<HelpViewer> m_viewer;
};

void TestHelpViewer::waitForModels(const HelpViewer &viewer)
{
    QTRY_VERIFY(viewer.window()->indexList()->model()->rowCount() > 0);
    QTRY_VERIFY(viewer.window()->contentsTree()->model()->rowCount() > 0);
}

void TestHelpViewer::init()
{
    m_viewer = std::make_unique<HelpViewer>();
    QVERIFY(m_viewer->isReady());
    waitForModels(*m_viewer);
}

void TestHelpViewer::cleanup()
{
    QVERIFY(!anyMessageBox());
    m_viewer.reset();
}

void TestHelpViewer::windowStaysHiddenUntilAsked()
{
    QVERIFY(!m_viewer->window()->isVisible());
    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Speichern);
    QVERIFY(m_viewer->window()->isVisible());
    QVERIFY(m_viewer->window()->windowTitle().startsWith(QStringLiteral("Zendaro-Hilfe")));
    // The help must not keep the program running once the main window closes.
    QVERIFY(!m_viewer->window()->testAttribute(Qt::WA_QuitOnClose));
}

void TestHelpViewer::contextOpensItsPage_data()
{
    QTest::addColumn<quint32>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("&Öffnen ...") << HilfeKontext::Oeffnen << "oeffnen.html" << "Öffnen";
    QTest::newRow("&Wiese") << HilfeKontext::Wiese << "wiese.html" << "Wiese";
    QTest::newRow("- nichts -") << HilfeKontext::BenutzerdefiniertNichts << "benutzerdefiniert.html"
                                << "Benutzerdefinierte Feldtypen";
    QTest::newRow("&Hilfe verwenden...") << HilfeKontext::HilfeVerwenden << "hilfe-verwenden.html"
                                         << "Die Hilfe verwenden";
    QTest::newRow("M&akrorecorder") << HilfeKontext::Makrorecorder << "makrorecorder.html" << "Makrorecorder";
}

void TestHelpViewer::contextOpensItsPage()
{
    QFETCH(quint32, context);
    QFETCH(QString, page);
    QFETCH(QString, title);

    m_viewer->request(HelpSystem::HELP_CONTEXT, context);
    QCOMPARE(pageOf(*m_viewer), page);
    QCOMPARE(m_viewer->window()->pageTitle(), title);
    QCOMPARE(m_viewer->window()->windowTitle(), QStringLiteral("Zendaro-Hilfe – ") + title);
    const QString text = m_viewer->window()->browser()->toPlainText();
    QVERIFY(text.startsWith(title));
    QVERIFY(text.size() > 100);
}

void TestHelpViewer::noContextOrUnknownContextShowsContents()
{
    for (const quint32 context : {0u, 10117u, 4711u, 0xffffffffu}) {
        m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Oeffnen);
        QCOMPARE(pageOf(*m_viewer), QStringLiteral("oeffnen.html"));
        m_viewer->request(HelpSystem::HELP_CONTEXT, context);
        QCOMPARE(pageOf(*m_viewer), QStringLiteral("index.html"));
        QCOMPARE(m_viewer->window()->windowTitle(), QStringLiteral("Zendaro-Hilfe"));
        QVERIFY(m_viewer->window()->isVisible());
        QVERIFY(!anyMessageBox());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
}

void TestHelpViewer::contentsAndHelpOnHelp()
{
    HelpWindow &window = *m_viewer->window();
    m_viewer->request(HelpSystem::HELP_HELPONHELP, 0);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("hilfe-verwenden.html"));

    window.navigation()->setCurrentIndex(1);
    m_viewer->request(HelpSystem::HELP_CONTENTS, 0);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("index.html"));
    QCOMPARE(window.navigation()->currentWidget(), window.contentsTree());
    QCOMPARE(window.navigation()->tabText(0), QStringLiteral("Inhalt"));
    QCOMPARE(window.navigation()->tabText(1), QStringLiteral("Index"));
}

void TestHelpViewer::emptyKeywordOpensKeywordSearch()
{
    HelpWindow &window = *m_viewer->window();
    // The first request, a search, shows the contents page beside the keywords.
    m_viewer->request(HelpSystem::HELP_PARTIALKEY, QString());
    QCOMPARE(window.navigation()->currentIndex(), 1);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("index.html"));

    const int allKeywords = window.indexList()->model()->rowCount();
    window.indexSearch()->setText(QStringLiteral("Ufer"));
    QVERIFY(window.indexList()->model()->rowCount() < allKeywords);

    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Speichern);
    m_viewer->request(HelpSystem::HELP_PARTIALKEY, QString());
    QCOMPARE(window.navigation()->currentIndex(), 1);
    QCOMPARE(window.indexSearch()->text(), QString());
    QCOMPARE(window.indexList()->model()->rowCount(), allKeywords);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("speichern.html"));
}

void TestHelpViewer::keywordWithOneMatchOpensItsPage()
{
    m_viewer->request(HelpSystem::HELP_PARTIALKEY, QStringLiteral("Zeitlim"));
    QCOMPARE(m_viewer->window()->indexSearch()->text(), QStringLiteral("Zeitlim"));
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("eigenschaften.html"));
}

void TestHelpViewer::keywordWithSeveralMatchesOnlyFilters()
{
    HelpWindow &window = *m_viewer->window();
    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Beenden);
    m_viewer->request(HelpSystem::HELP_PARTIALKEY, QStringLiteral("sand"));
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("beenden.html"));
    const QAbstractItemModel &shown = *window.indexList()->model();
    QVERIFY(shown.rowCount() > 1);
    for (int row = 0; row < shown.rowCount(); ++row)
        QVERIFY(shown.index(row, 0).data().toString().contains(QLatin1String("sand"), Qt::CaseInsensitive));
}

void TestHelpViewer::typingInTheSearchFieldAndEnterOpensEntry()
{
    HelpWindow &window = *m_viewer->window();
    m_viewer->request(HelpSystem::HELP_PARTIALKEY, QString());
    QTest::keyClicks(window.indexSearch(), QStringLiteral("Landschafts"));
    QCOMPARE(window.indexList()->model()->rowCount(), 1);
    QTest::keyClick(window.indexSearch(), Qt::Key_Return);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("gestalter.html"));

    // The arrow keys pick among several entries without leaving the field.
    window.indexSearch()->clear();
    QTest::keyClicks(window.indexSearch(), QStringLiteral("Speichern"));
    QCOMPARE(window.indexList()->model()->rowCount(), 3); // "Datei speichern", "Speichern", "Speichern unter"
    QCOMPARE(window.indexList()->currentIndex().data().toString(), QStringLiteral("Speichern"));
    QTest::keyClick(window.indexSearch(), Qt::Key_Down);
    QCOMPARE(window.indexList()->currentIndex().data().toString(), QStringLiteral("Speichern unter"));
    QTest::keyClick(window.indexSearch(), Qt::Key_Return);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("speichern-unter.html"));
}

void TestHelpViewer::backAndForward()
{
    HelpWindow &window = *m_viewer->window();
    QAction *back = toolAction(window, QStringLiteral("Zurück"));
    QAction *forward = toolAction(window, QStringLiteral("Vorwärts"));
    QAction *home = toolAction(window, QStringLiteral("Startseite"));
    QVERIFY(back && forward && home);

    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Oeffnen);
    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Speichern);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    back->trigger();
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("oeffnen.html"));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("speichern.html"));
    QVERIFY(!forward->isEnabled());
    home->trigger();
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("index.html"));

    // Following a link of a page: the first link of the contents page.
    window.browser()->setFocus();
    QTest::keyClick(window.browser(), Qt::Key_Tab);
    QTest::keyClick(window.browser(), Qt::Key_Return);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("neue-karte.html"));
    back->trigger();
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("index.html"));
}

void TestHelpViewer::contentsTreeFollowsAndOpensPages()
{
    HelpWindow &window = *m_viewer->window();
    QHelpContentWidget &tree = *window.contentsTree();

    // Every page of the collection can be reached from the tree.
    QSet<QString> inTree;
    std::function<void(const QModelIndex &)> collect = [&](const QModelIndex &parent) {
        for (int row = 0; row < tree.model()->rowCount(parent); ++row) {
            const QModelIndex entry = tree.model()->index(row, 0, parent);
            inTree.insert(static_cast<QHelpContentModel *>(tree.model())->contentItemAt(entry)->url().fileName());
            collect(entry);
        }
    };
    collect(QModelIndex());
    QVERIFY(inTree.contains(QStringLiteral("index.html")));
    QVERIFY(inTree.size() >= int(HilfeKontext::Alle.size()) + 3);
    for (const quint32 context : HilfeKontext::Alle)
        QVERIFY2(inTree.contains(m_viewer->pageForContext(context).fileName()), qPrintable(QString::number(context)));

    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Statusleiste);
    QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("Statusleiste"));

    const QModelIndex wiese = tree.indexOf(m_viewer->pageForContext(HilfeKontext::Wiese));
    QVERIFY(wiese.isValid());
    tree.setCurrentIndex(wiese);
    QTest::keyClick(&tree, Qt::Key_Return);
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("wiese.html"));

    // One click opens a page.
    const QModelIndex leiste = tree.indexOf(m_viewer->pageForContext(HilfeKontext::Statusleiste));
    tree.scrollTo(leiste);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(leiste).center());
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("statusleiste.html"));
}

void TestHelpViewer::pagesRenderWithTheirStyleSheet()
{
    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Oeffnen);
    // The heading colour comes only from hilfe.css, read from the collection.
    const QString html = m_viewer->window()->browser()->document()->toHtml();
    QVERIFY(html.contains(QLatin1String("#234e78")));
    // Tables, lists and links come through as such.
    QVERIFY(html.contains(QLatin1String("<li")));
    QVERIFY(html.contains(QLatin1String("href=\"kartendateien.html\"")));

    // A link to a page the collection lacks says so instead of going blank.
    HelpBrowser &browser = *m_viewer->window()->browser();
    browser.setSource(m_viewer->window()->currentPage().resolved(QUrl(QStringLiteral("fehlt.html"))));
    QVERIFY(browser.toPlainText().startsWith(QStringLiteral("Seite nicht gefunden")));
    QVERIFY(browser.toPlainText().contains(QStringLiteral("fehlt.html")));
}

void TestHelpViewer::unknownCommandIsIgnored()
{
    m_viewer->request(HelpSystem::HELP_CONTEXT, HilfeKontext::Kopieren);
    m_viewer->window()->hide();
    m_viewer->request(2, 0);
    QVERIFY(!m_viewer->window()->isVisible());
    QCOMPARE(pageOf(*m_viewer), QStringLiteral("kopieren.html"));
}

void TestHelpViewer::missingCollectionIsReportedInTheWindow()
{
    QTemporaryDir empty;
    for (const QString &file : {QString(), empty.filePath(QStringLiteral("zendaro.qhc"))}) {
        HelpViewer viewer(file);
        QVERIFY(!viewer.isReady());
        viewer.request(HelpSystem::HELP_CONTEXT, HilfeKontext::Oeffnen);
        viewer.request(HelpSystem::HELP_PARTIALKEY, QString());
        QVERIFY(viewer.window()->isVisible());
        const QString text = viewer.window()->browser()->toPlainText();
        QVERIFY2(text.contains(QLatin1String("zendaro.qhc")), qPrintable(text));
        QVERIFY(!anyMessageBox());
    }
}

void TestHelpViewer::readOnlyCollectionIsLeftUntouched()
{
    QTemporaryDir dir;
    for (const char *name : {"zendaro.qhc", "zendaro.qch"}) {
        const QString copy = dir.filePath(QLatin1String(name));
        QVERIFY(QFile::copy(QDir::current().filePath(QLatin1String(name)), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    const QString collection = HelpCollection::find({dir.path()});
    const QByteArray before = digest(collection);
    QVERIFY(!before.isEmpty());
    {
        HelpViewer viewer(collection);
        QVERIFY(viewer.isReady());
        waitForModels(viewer);
        viewer.request(HelpSystem::HELP_CONTEXT, HilfeKontext::Oeffnen);
        QCOMPARE(pageOf(viewer), QStringLiteral("oeffnen.html"));
        viewer.request(HelpSystem::HELP_PARTIALKEY, QStringLiteral("Zeitlimit"));
        QCOMPARE(pageOf(viewer), QStringLiteral("eigenschaften.html"));
    }
    QCOMPARE(digest(collection), before);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
