// The generated help collection: a page for every help context the menus
// carry, and no page that links to something the collection lacks.

#include "helpcollection.h"
#include "helpcontexts.h"

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TestHelpCollection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMenuContextHasItsOwnPage();
    void linksAndAnchorsResolve();
    void lookupOrder();

private:
    QString pageText(const QUrl &url) const { return QString::fromUtf8(m_engine->fileData(url)); }
    QList<QUrl> pages() const { return m_engine->files(QStringLiteral("zendaro.hilfe"), QString(), QStringLiteral("html")); }

    std::unique_ptr<QHelpEngineCore> m_engine;
};

void TestHelpCollection::initTestCase()
{
    const QString collection = HelpCollection::find();
    QVERIFY2(!collection.isEmpty(), "zendaro.qhc not found beside the tests");
    m_engine = std::make_unique<QHelpEngineCore>(collection);
    m_engine->setReadOnly(true);
    QVERIFY2(m_engine->setupData(), qPrintable(m_engine->error()));
    QVERIFY(m_engine->registeredDocumentations().contains(QStringLiteral("zendaro.hilfe")));
}

void TestHelpCollection::everyMenuContextHasItsOwnPage()
{
    QSet<QUrl> seen;
    for (const quint32 context : HilfeKontext::Alle) {
        const QString id = QString::number(context);
        const QList<QHelpLink> links = m_engine->documentsForIdentifier(id);
        QVERIFY2(links.size() == 1, qPrintable(QStringLiteral("context %1: %2 pages").arg(id).arg(links.size())));
        const QUrl page = links.first().url;
        QVERIFY2(!seen.contains(page), qPrintable(QStringLiteral("context %1 shares %2").arg(id, page.toString())));
        seen.insert(page);

        const QString text = pageText(page);
        QVERIFY2(text.contains(QLatin1String("<h1>")), qPrintable(page.toString()));
        QVERIFY2(text.contains(QLatin1String("hilfe.css")), qPrintable(page.toString()));
    }
    QCOMPARE(seen.size(), int(HilfeKontext::Alle.size()));

    // The pages the program addresses by name.
    QVERIFY(pageText(HelpCollection::contentsPage()).contains(QLatin1String("<h1>Zendaro-Hilfe</h1>")));
    QVERIFY(pageText(HelpCollection::helpOnHelpPage()).contains(QLatin1String("<h1>Die Hilfe verwenden</h1>")));
    QCOMPARE(m_engine->documentsForIdentifier(QStringLiteral("10102")).first().url.fileName(),
             QStringLiteral("oeffnen.html"));
    QVERIFY(m_engine->documentsForIdentifier(QStringLiteral("10117")).isEmpty());
}

void TestHelpCollection::linksAndAnchorsResolve()
{
    static const QRegularExpression href(QStringLiteral(R"re(href="([^"]+)")re"));
    const QList<QUrl> all = pages();
    QVERIFY(all.size() >= int(HilfeKontext::Alle.size()) + 3);
    int links = 0;
    for (const QUrl &page : all) {
        const QString text = pageText(page);
        for (const QRegularExpressionMatch &match : href.globalMatch(text)) {
            const QUrl target = page.resolved(QUrl(match.captured(1)));
            QVERIFY2(target.scheme() == QLatin1String("qthelp"), qPrintable(page.fileName() + ": " + match.captured(1)));
            QUrl file = target;
            file.setFragment(QString());
            QVERIFY2(!m_engine->fileData(file).isEmpty(), qPrintable(page.fileName() + " -> " + match.captured(1)));
            if (target.hasFragment())
                QVERIFY2(pageText(file).contains(QStringLiteral("<a name=\"%1\">").arg(target.fragment())),
                         qPrintable(page.fileName() + " -> " + match.captured(1)));
            ++links;
        }
    }
    QVERIFY(links > 100);
}

void TestHelpCollection::lookupOrder()
{
    QTemporaryDir first, second, empty;
    QVERIFY(first.isValid() && second.isValid() && empty.isValid());
    for (const QTemporaryDir *dir : {&first, &second}) {
        QFile file(dir->filePath(QLatin1String(HelpCollection::FileName)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QDir(empty.path()).mkdir(QLatin1String(HelpCollection::FileName)); // a folder of that name is no collection

    QCOMPARE(HelpCollection::find({empty.path(), second.path(), first.path()}),
             QDir(second.path()).filePath(QLatin1String(HelpCollection::FileName)));
    QCOMPARE(HelpCollection::find({empty.path()}), QString());
    QCOMPARE(HelpCollection::find({}), QString());

    const QStringList folders = DatenOrdner();
    QCOMPARE(folders.size(), 3);
    QCOMPARE(folders.at(0), QDir::currentPath());
    QCOMPARE(folders.at(1), QCoreApplication::applicationDirPath());
    QVERIFY(folders.at(2).endsWith(QLatin1String("/share/zendaro")));
}

QTEST_GUILESS_MAIN(TestHelpCollection)
#include "tst_helpcollection.moc"
