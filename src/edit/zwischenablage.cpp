#include "zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

Zwischenablage::Zwischenablage(QObject *parent) : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { emit stueckGewechselt(hatStueck()); });
}

void Zwischenablage::ablegen(const KartenStueck &stueck)
{
    QGuiApplication::clipboard()->setMimeData(StueckAlsMime(stueck));
}

std::optional<KartenStueck> Zwischenablage::stueck()
{
    return StueckAusMime(QGuiApplication::clipboard()->mimeData());
}

bool Zwischenablage::hatStueck()
{
    const QMimeData *daten = QGuiApplication::clipboard()->mimeData();
    return daten && daten->hasFormat(QString::fromLatin1(KartenStueckMime));
}
