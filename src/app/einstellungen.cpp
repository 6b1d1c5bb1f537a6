#include "einstellungen.h"

#include <QSettings>

namespace {

// Raised when the meaning of stored values changes; files of a newer
// version are left alone.
constexpr int Version = 1;

const QString VersionSchluessel = QStringLiteral("version");
const QString BeimBeendenSchluessel = QStringLiteral("einstellungenBeimBeendenSpeichern");
const QString ZuletztSchluessel = QStringLiteral("zuletztGeoeffnet");

bool VonNeuererVersion(QSettings &speicher)
{
    bool zahl = false;
    const int version = speicher.value(VersionSchluessel, Version).toInt(&zahl);
    return zahl && version > Version;
}

// A damaged file is read as empty and overwritten by the next write; one of
// a newer version is neither read nor written, so that version keeps it.
bool Lesbar(QSettings &speicher)
{
    return speicher.status() == QSettings::NoError && !VonNeuererVersion(speicher);
}

// False for a file of a newer version.
bool ZumSchreibenVorbereiten(QSettings &speicher)
{
    if (VonNeuererVersion(speicher))
        return false;
    if (speicher.status() != QSettings::NoError)
        speicher.clear();
    speicher.setValue(VersionSchluessel, Version);
    return true;
}

// A stored value of the kind the default has, or the default.
template<typename T>
T Wert(QSettings &speicher, const QString &schluessel, const T &vorgabe)
{
    const QVariant wert = speicher.value(schluessel);
    if (!wert.isValid())
        return vorgabe;
    if constexpr (std::is_same_v<T, bool>) {
        // Text files hold "true"/"false"; anything else is no switch.
        const QString text = wert.toString();
        if (wert.typeId() == QMetaType::Bool)
            return wert.toBool();
        return text == QLatin1String("true") ? true : text == QLatin1String("false") ? false : vorgabe;
    } else if constexpr (std::is_same_v<T, int>) {
        bool zahl = false;
        const int n = wert.toInt(&zahl);
        return zahl ? n : vorgabe;
    } else if constexpr (std::is_same_v<T, QStringList>) {
        return wert.canConvert<QStringList>() ? wert.toStringList() : vorgabe;
    } else {
        return wert.canConvert<T>() ? wert.value<T>() : vorgabe;
    }
}

} // namespace

Einstellungen EinstellungenLesen(QSettings &speicher)
{
    Einstellungen e;
    if (!Lesbar(speicher))
        return e;
    e.fensterGeometrie = Wert(speicher, QStringLiteral("fenster/geometrie"), QByteArray());
    e.fensterZustand = Wert(speicher, QStringLiteral("fenster/zustand"), QByteArray());
    e.standardleiste = Wert(speicher, QStringLiteral("fenster/standardleiste"), e.standardleiste);
    e.werkzeugleiste = Wert(speicher, QStringLiteral("fenster/werkzeugleiste"), e.werkzeugleiste);
    e.statusleiste = Wert(speicher, QStringLiteral("fenster/statusleiste"), e.statusleiste);
    const int palette = Wert(speicher, QStringLiteral("editor/palette"), e.palette);
    e.palette = palette >= 0 && palette <= 2 ? palette : e.palette;
    const int feldtyp = Wert(speicher, QStringLiteral("editor/feldtyp"), int(e.feldtyp));
    e.feldtyp = feldtyp >= 0 && feldtyp <= 255 ? std::uint8_t(feldtyp) : e.feldtyp;
    e.kantenAutomatisch = Wert(speicher, QStringLiteral("editor/kantenAutomatisch"), e.kantenAutomatisch);
    e.oeffnenOrdner = Wert(speicher, QStringLiteral("dateien/oeffnenOrdner"), QString());
    e.speichernOrdner = Wert(speicher, QStringLiteral("dateien/speichernOrdner"), QString());
    e.bildOrdner = Wert(speicher, QStringLiteral("dateien/bildOrdner"), QString());
    e.zufall = Wert(speicher, QStringLiteral("editor/zufall"), e.zufall);
    e.sound = Wert(speicher, QStringLiteral("editor/sound"), e.sound);
    e.sicherungskopie = Wert(speicher, QStringLiteral("dateien/sicherungskopie"), e.sicherungskopie);
    if (speicher.contains(QStringLiteral("optionen/ressourcen")))
        e.ressourcen = Wert(speicher, QStringLiteral("optionen/ressourcen"), QStringList());
    const int zoom = Wert(speicher, QStringLiteral("ansicht/zoom"), e.zoom);
    e.zoom = zoom >= 25 && zoom <= 400 ? zoom : e.zoom;
    e.uebersichtGeometrie = Wert(speicher, QStringLiteral("ansicht/uebersicht"), QByteArray());
    e.raster = Wert(speicher, QStringLiteral("ansicht/raster"), e.raster);
    e.uebersicht = Wert(speicher, QStringLiteral("ansicht/uebersichtOffen"), e.uebersicht);
    return e;
}

void EinstellungenSchreiben(QSettings &speicher, const Einstellungen &e)
{
    if (!ZumSchreibenVorbereiten(speicher))
        return;
    speicher.setValue(QStringLiteral("fenster/geometrie"), e.fensterGeometrie);
    speicher.setValue(QStringLiteral("fenster/zustand"), e.fensterZustand);
    speicher.setValue(QStringLiteral("fenster/standardleiste"), e.standardleiste);
    speicher.setValue(QStringLiteral("fenster/werkzeugleiste"), e.werkzeugleiste);
    speicher.setValue(QStringLiteral("fenster/statusleiste"), e.statusleiste);
    speicher.setValue(QStringLiteral("editor/palette"), e.palette);
    speicher.setValue(QStringLiteral("editor/feldtyp"), int(e.feldtyp));
    speicher.setValue(QStringLiteral("editor/kantenAutomatisch"), e.kantenAutomatisch);
    speicher.setValue(QStringLiteral("dateien/oeffnenOrdner"), e.oeffnenOrdner);
    speicher.setValue(QStringLiteral("dateien/speichernOrdner"), e.speichernOrdner);
    speicher.setValue(QStringLiteral("dateien/bildOrdner"), e.bildOrdner);
    speicher.setValue(QStringLiteral("editor/zufall"), e.zufall);
    speicher.setValue(QStringLiteral("editor/sound"), e.sound);
    speicher.setValue(QStringLiteral("dateien/sicherungskopie"), e.sicherungskopie);
    if (e.ressourcen)
        speicher.setValue(QStringLiteral("optionen/ressourcen"), *e.ressourcen);
    speicher.setValue(QStringLiteral("ansicht/zoom"), e.zoom);
    speicher.setValue(QStringLiteral("ansicht/uebersicht"), e.uebersichtGeometrie);
    speicher.setValue(QStringLiteral("ansicht/raster"), e.raster);
    speicher.setValue(QStringLiteral("ansicht/uebersichtOffen"), e.uebersicht);
    speicher.sync();
}

bool BeimBeendenSpeichernLesen(QSettings &speicher)
{
    return !Lesbar(speicher) || Wert(speicher, BeimBeendenSchluessel, true);
}

void BeimBeendenSpeichernSchreiben(QSettings &speicher, bool an)
{
    if (!ZumSchreibenVorbereiten(speicher))
        return;
    speicher.setValue(BeimBeendenSchluessel, an);
    speicher.sync();
}

QStringList ZuletztLesen(QSettings &speicher)
{
    return Lesbar(speicher) ? Wert(speicher, ZuletztSchluessel, QStringList()) : QStringList();
}

void ZuletztSchreiben(QSettings &speicher, const QStringList &dateien)
{
    if (!ZumSchreibenVorbereiten(speicher))
        return;
    speicher.setValue(ZuletztSchluessel, dateien);
    speicher.sync();
}
