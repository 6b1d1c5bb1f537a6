#pragma once

#include "optionen.h"

#include <QDialog>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QTabWidget;

// "Optionen und Einstellungen": editor, resource and parser settings. The
// resource list takes picture files and gives up entries; the editor page
// switches the painting sounds, the backup copy and whether the settings are
// kept at the end. It shows and edits an Optionen value and reports every
// change at once, as the boxes have always taken effect without OK. The
// parser settings are shown but read by nothing.
class TOptionenDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionenDlg(QWidget *parent);

    Optionen optionen() const;
    void setOptionen(const Optionen &optionen);

    QCheckBox *CheckBox1;   // "Soundeffekte im Editor"
    QCheckBox *CheckBox2;   // "Einstellungen beim Beenden speichern"
    QCheckBox *SicherungBox; // keep the previous version when saving

signals:
    // "&Hilfe" was pressed: the opener shows the dialog's help page.
    void hilfeAngefordert();
    // A box was switched or the resource list changed.
    void optionenGeaendert(const Optionen &optionen);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void seiteEditorAnlegen();
    void seiteRessourcenAnlegen();
    void seiteLuaScriptAnlegen();
    void NeuButtonClick();
    void BitBtn1Click();
    void eintragAnhaengen(const QString &text);
    void aenderungMelden();
    void warnung(const QString &text);

    QTabWidget *TabbedNotebook1;
    QListWidget *ListBox1;
    QLineEdit *Edit1;
};
