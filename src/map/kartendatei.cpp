#include "kartendatei.h"

#include "dateiersetzen.h"
#include "dateiinhalt.h"
#include "ioerror.h"
#include "windows1252.h"


#include <algorithm>
#include <charconv>
#include <memory>
#include <optional>

namespace {

const QByteArray kKopfzeile1 = QByteArrayLiteral("Kronvale 1.0 Karte");
const QByteArray kKopfzeile2 = QByteArrayLiteral("(c) 1996, Plexadyne/Corvanthe");

constexpr char kDateiende = 26;
constexpr int kMaxZahlLaenge = 32;

// Converts a value as the runtime does: optional sign, then decimal digits,
// or hexadecimal after "$" or "0x". Decimal must fit 32 bits; hexadecimal
// takes up to eight digits as the bit pattern.
std::optional<std::int32_t> ZahlWandeln(std::string_view text)
{
    bool negativ = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negativ = text.front() == '-';
        text.remove_prefix(1);
    }
    int basis = 10;
    if (text.starts_with('$')) {
        basis = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        basis = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert, basis);
    if (fehler != std::errc() || ende != text.data() + text.size())
        return std::nullopt;
    if (basis == 16) {
        if (wert > 0xFFFFFFFFu)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(wert);
        return static_cast<std::int32_t>(negativ ? 0u - bits : bits);
    }
    if (wert > (negativ ? 2147483648ull : 2147483647ull))
        return std::nullopt;
    return static_cast<std::int32_t>(negativ ? -static_cast<std::int64_t>(wert) : static_cast<std::int64_t>(wert));
}

// The runtime's buffered text input, with the tolerance map files rely on:
// numbers skip any control characters and blanks. Lines end at CR LF, and
// also at a lone LF or CR, as text editors and version control on Linux
// leave them.
class TextLeser
{
public:
    explicit TextLeser(QByteArray daten) : m_daten(std::move(daten)) {}

    bool Ende() const { return m_pos >= m_daten.size() || m_daten[m_pos] == kDateiende; }

    // True when no number is left: the rest is blanks, line ends and the like.
    bool NurLeerraum() const
    {
        for (qsizetype i = m_pos; i < m_daten.size(); ++i) {
            if (static_cast<unsigned char>(m_daten[i]) > 32)
                return false;
        }
        return true;
    }

    // Reads up to, not including, the next line end, then passes it.
    QByteArray Zeile()
    {
        const qsizetype anfang = m_pos;
        while (m_pos < m_daten.size() && !Zeilenende(m_daten[m_pos]))
            ++m_pos;
        QByteArray zeile = m_daten.mid(anfang, m_pos - anfang);
        ZeilenendeUeberspringen();
        return zeile;
    }

    // Reads one number and skips the rest of its line. A number that starts
    // only at the end of the file reads as 0 and sets `amEnde`.
    std::int32_t Zahl()
    {
        while (m_pos < m_daten.size() && static_cast<unsigned char>(m_daten[m_pos]) <= 32)
            ++m_pos;
        if (m_pos >= m_daten.size()) {
            m_amEnde = true;
            return 0;
        }
        const qsizetype anfang = m_pos;
        while (m_pos < m_daten.size() && m_pos - anfang < kMaxZahlLaenge
               && static_cast<unsigned char>(m_daten[m_pos]) > 32)
            ++m_pos;
        const auto wert = ZahlWandeln(std::string_view(m_daten.constData() + anfang, m_pos - anfang));
        if (!wert)
            throw InOutError(IoFehler::UngueltigeZahl);
        ZeilenRestUeberspringen();
        return *wert;
    }

    bool amEnde() const { return m_amEnde; }
    void amEndeZuruecksetzen() { m_amEnde = false; }

private:
    static bool Zeilenende(char c) { return c == '\r' || c == '\n'; }

    void ZeilenRestUeberspringen()
    {
        while (m_pos < m_daten.size() && !Zeilenende(m_daten[m_pos]))
            ++m_pos;
        ZeilenendeUeberspringen();
    }

    // One line end: CR LF, CR or LF.
    void ZeilenendeUeberspringen()
    {
        if (m_pos < m_daten.size() && m_daten[m_pos] == '\r')
            ++m_pos;
        if (m_pos < m_daten.size() && m_daten[m_pos] == '\n')
            ++m_pos;
    }

    const QByteArray m_daten; // const: indexing a shared array must not copy it
    qsizetype m_pos = 0;
    bool m_amEnde = false;
};

// Values the grid and the page images can hold; anything else is no map.
bool GroessenGueltig(const TKarte &k)
{
    return k.AnzahlFelder >= 1 && k.AnzahlFelder <= MaxFelder
        && k.AnzahlSeiten >= 1 && k.AnzahlSeiten <= MaxSeiten
        && k.FeldGroesse >= 1
        && k.SeitenBreite >= k.FeldGroesse && k.SeitenHoehe >= k.FeldGroesse
        && k.SeitenBreite <= MaxSeitenKante && k.SeitenHoehe <= MaxSeitenKante;
}

using Raster = decltype(TKarte::Felder);

// Reads one pass of grid values. Returns false when the file ran out before
// the pass was complete (missing values then read as 0).
bool DurchgangLesen(TextLeser &leser, const TKarte &k, Raster &raster)
{
    leser.amEndeZuruecksetzen();
    for (std::int32_t feld = 1; feld <= k.AnzahlFelder; ++feld) {
        for (int seite = 1; seite <= k.AnzahlSeiten; ++seite)
            raster[seite][feld] = static_cast<std::uint8_t>(leser.Zahl());
    }
    return !leser.amEnde();
}

QByteArray ZahlZeile(std::int32_t wert)
{
    return QByteArray::number(wert) + "\r\n";
}

} // namespace

bool DateiLesen(TKarte &karte, const QString &dateiName)
{
    return KarteAusText(karte, DateiInhalt(dateiName, MaxDateiGroesse));
}

bool KarteAusText(TKarte &karte, const QByteArray &inhalt)
{
    TextLeser leser(inhalt);
    if (leser.Zeile() != kKopfzeile1 || leser.Zeile() != kKopfzeile2)
        return false;

    TKarte neu = karte;
    neu.Kopfzeile1 = QString::fromLatin1(kKopfzeile1);
    neu.Kopfzeile2 = QString::fromLatin1(kKopfzeile2);
    neu.KartenName = fromWindows1252(leser.Zeile());
    neu.ZeitLimit = leser.Zahl();
    neu.SeitenBreite = leser.Zahl();
    neu.SeitenHoehe = leser.Zahl();
    neu.AnzahlFelder = leser.Zahl();
    neu.AnzahlSeiten = static_cast<std::uint8_t>(leser.Zahl());
    neu.FeldGroesse = static_cast<std::uint16_t>(leser.Zahl());
    // Blank lines after the sizes are no grid either: without a single value
    // the file holds no map.
    if (!GroessenGueltig(neu) || leser.Ende() || leser.NurLeerraum())
        return false;

    // The first pass always counts, even when the file ends early. Further
    // passes replace it only when complete and readable, so trailing blank
    // lines, a truncated copy or stray text never cost the grid already read.
    DurchgangLesen(leser, neu, neu.Felder);
    auto weiterer = std::make_unique<Raster>();
    while (!leser.Ende()) {
        try {
            if (!DurchgangLesen(leser, neu, *weiterer))
                break;
        } catch (const InOutError &) {
            break; // unreadable trailing content: keep what was read before
        }
        // Only the cells a pass fills, so many passes of a small map cost
        // no more than one pass of a large one.
        for (int seite = 1; seite <= neu.AnzahlSeiten; ++seite)
            std::copy_n((*weiterer)[seite].begin() + 1, neu.AnzahlFelder, neu.Felder[seite].begin() + 1);
    }
    karte = std::move(neu);
    return true;
}

QByteArray KartenText(const TKarte &karte, const QString &name)
{
    QByteArray inhalt;
    inhalt.reserve(64 + karte.AnzahlFelder * karte.AnzahlSeiten * 4);
    inhalt += kKopfzeile1 + "\r\n" + kKopfzeile2 + "\r\n";
    // A line break inside the name would shift every following line, and
    // other control bytes have meanings of their own to readers (26 ends the
    // file), so all of them become blanks; 26 itself, which earlier versions
    // wrote for characters the code page lacks, becomes "?" like those now.
    QByteArray nameZeile = toWindows1252(name);
    for (char &b : nameZeile) {
        if (b == kDateiende)
            b = '?';
        else if (static_cast<unsigned char>(b) < 32)
            b = ' ';
    }
    inhalt += nameZeile + "\r\n";
    for (const std::int32_t wert : {karte.ZeitLimit, karte.SeitenBreite, karte.SeitenHoehe, karte.AnzahlFelder,
                                    std::int32_t(karte.AnzahlSeiten), std::int32_t(karte.FeldGroesse)})
        inhalt += ZahlZeile(wert);
    const std::int32_t felder = std::min(karte.AnzahlFelder, MaxFelder);
    const int seiten = std::min<int>(karte.AnzahlSeiten, MaxSeiten);
    for (std::int32_t feld = 1; feld <= felder; ++feld) {
        for (int seite = 1; seite <= seiten; ++seite)
            inhalt += ZahlZeile(karte.Felder[seite][feld]);
    }
    return inhalt;
}

void DateiSchreiben(const TKarte &karte, const QString &dateiName, const QString &name)
{
    DateiErsetzen(dateiName, KartenText(karte, name));
}
