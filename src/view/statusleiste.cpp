#include "statusleiste.h"

#include "feldname.h"

#include <QLabel>

namespace {

const QString kTrenner = QStringLiteral(" · ");

} // namespace

QString FeldtypText(std::uint8_t code)
{
    const QString name = FeldName(code);
    return name.isEmpty() ? QStringLiteral("Feldtyp %1").arg(code) : QStringLiteral("%1 (%2)").arg(name).arg(code);
}

QString FeldOrtText(const TKarte &karte, int seite, QPoint pos)
{
    QString text = QStringLiteral("Seite %1").arg(seite);
    if (seite < 1 || seite > MaxSeiten || !FeldAnPosition(karte, pos.x(), pos.y()))
        return text;
    const std::int32_t feld = FeldNummer(karte, pos.x(), pos.y());
    const std::int32_t spalten = Spalten(karte);
    return text + kTrenner
           + QStringLiteral("Feld %1 (Zeile %2, Spalte %3)").arg(feld).arg((feld - 1) / spalten + 1).arg((feld - 1) % spalten + 1)
           + kTrenner + FeldtypText(karte.Felder[seite][feld]);
}

TStatusLeiste::TStatusLeiste(QWidget *parent)
    : QStatusBar(parent), m_ort(new QLabel(this)), m_auswahl(new QLabel(this)), m_aktuell(new QLabel(this)),
      m_kanten(new QLabel(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setFixedHeight(19);
    m_ort->setObjectName(QStringLiteral("Ort"));
    m_auswahl->setObjectName(QStringLiteral("Auswahl"));
    m_aktuell->setObjectName(QStringLiteral("Aktuell"));
    m_kanten->setObjectName(QStringLiteral("Kanten"));
    // Text off the window's edges.
    for (QLabel *feld : {m_ort, m_auswahl, m_aktuell, m_kanten})
        feld->setContentsMargins(3, 0, 3, 0);
    addWidget(m_ort, 1);
    addWidget(m_auswahl);
    addPermanentWidget(m_aktuell);
    addPermanentWidget(m_kanten);
    m_auswahl->hide();
    kantenAktualisieren();
}

QString TStatusLeiste::ortText() const
{
    return m_ort->text();
}

QString TStatusLeiste::auswahlText() const
{
    return m_auswahl->isHidden() ? QString() : m_auswahl->text();
}

QString TStatusLeiste::aktuellText() const
{
    return m_aktuell->text();
}

QString TStatusLeiste::kantenText() const
{
    return m_kanten->text();
}

void TStatusLeiste::feldZeigen(const TKarte &karte, int seite, QPoint pos)
{
    m_seite = seite;
    m_pos = pos;
    m_ort->setText(FeldOrtText(karte, seite, pos));
}

void TStatusLeiste::feldErneuern(const TKarte &karte)
{
    if (m_seite > 0)
        feldZeigen(karte, m_seite, m_pos);
}

void TStatusLeiste::feldVerlassen()
{
    m_seite = 0;
    m_ort->clear();
}

void TStatusLeiste::feldtypZeigen(std::uint8_t code)
{
    m_feldtyp = code;
    aktuellAktualisieren();
}

void TStatusLeiste::werkzeugZeigen(const QString &werkzeug)
{
    m_werkzeug = werkzeug;
    aktuellAktualisieren();
}

void TStatusLeiste::setAuswahlGroesse(int spalten, int zeilen)
{
    const bool zeigen = spalten > 0 && zeilen > 0;
    m_auswahl->setText(zeigen ? QStringLiteral("Auswahl %1 × %2 Felder").arg(spalten).arg(zeilen) : QString());
    m_auswahl->setVisible(zeigen);
}

void TStatusLeiste::aktuellAktualisieren()
{
    QString text = FeldtypText(m_feldtyp);
    if (!m_werkzeug.isEmpty())
        text += kTrenner + m_werkzeug;
    m_aktuell->setText(text);
}

void TStatusLeiste::kantenAutomatischZeigen(bool an)
{
    m_kantenAutomatisch = an;
    kantenAktualisieren();
}

void TStatusLeiste::kantenFehlerZeigen(int anzahl)
{
    m_kantenFehler = anzahl;
    kantenAktualisieren();
}

void TStatusLeiste::kantenAktualisieren()
{
    QString text = m_kantenAutomatisch ? QStringLiteral("Kanten: an") : QStringLiteral("Kanten: aus");
    if (m_kantenFehler >= 0)
        text += kTrenner + QStringLiteral("%1 Kantenfehler").arg(m_kantenFehler);
    m_kanten->setText(text);
}
