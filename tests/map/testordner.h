#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A scratch folder for file tests, with one-line access to its files.
class TestOrdner
{
public:
    QString pfad(const QString &name) const { return QDir(m_ordner.path()).filePath(name); }
    QString wurzel() const { return m_ordner.path(); }

    bool schreiben(const QString &name, const QByteArray &inhalt) const
    {
        QFile datei(pfad(name));
        return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
    }

    QByteArray lesen(const QString &name) const
    {
        QFile datei(pfad(name));
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_ordner;
};
