#pragma once

#include <QObject>
#include <QString>

class KartenDokument;
class QFileDialog;
class QStatusBar;
class QWidget;
class TBildExportDlg;

// "Als Bild exportieren ...": asks what to draw (the whole map or the current
// page), at which scale and in which format, then where, and writes the
// picture with the same renderer as `zendaro-map render`. A map is offered
// beside its file the first time, later in the folder it was last exported
// to; a map without a file goes to the folder of the last export.
class BildExport : public QObject
{
    Q_OBJECT

public:
    BildExport(const KartenDokument &dokument, QStatusBar &status, QWidget &fenster);

    // Errors of drawing and writing come as AppError.
    void exportieren(int aktuelleSeite);

    // The folder of the last export; empty before the first.
    const QString &ordner() const { return m_ordner; }
    void setOrdner(const QString &ordner) { m_ordner = ordner; }

private:
    QString vorschlag(const QString &endung) const;

    const KartenDokument &m_dokument;
    QStatusBar &m_status;
    QWidget &m_fenster;
    // Made at their first use.
    TBildExportDlg *m_auswahl = nullptr;
    QFileDialog *m_datei = nullptr;
    QString m_ordner;
    QString m_letzteKarte; // the map file exported last, if any
};
