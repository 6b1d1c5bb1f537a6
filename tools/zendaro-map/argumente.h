#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

// The parsed command line of one subcommand: its positional arguments and the
// options it allows. A usage error carries its message.
struct Argumente
{
    QStringList positionen;
    QString ausgabe;  // -o
    QString kacheln;  // --tiles
    double massstab = 1.0; // --scale
    bool kanten = false;   // --kanten, a switch without a value
    int seiten = 0;   // --seiten, 1..16; 0 when not given
    std::optional<QString> name; // --name
    std::optional<int> zeitLimit; // --zeitlimit, 10..200
    std::map<QString, qint64> zahlen; // whole-number options by name, in their range
    bool hilfe = false;
    QString fehler;
};

// Parses `args` (the words after the subcommand). `erlaubt` lists the options
// the subcommand accepts, from "-o", "--tiles", "--scale", "--kanten",
// "--seiten", "--name", "--zeitlimit" and the whole-number options of
// ZahlBereich.
Argumente ArgumenteLesen(const QStringList &args, const QStringList &erlaubt);

// The range of a whole-number option such as "--seiten"; none for others.
struct Bereich
{
    qint64 von;
    qint64 bis;
};
std::optional<Bereich> ZahlBereich(const QString &option);
