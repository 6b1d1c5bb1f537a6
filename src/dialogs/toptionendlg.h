#pragma once

#include <QDialog>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QTabWidget;

// "Optionen und Einstellungen": editor, resource and parser settings. The
// resource list takes picture files and gives up entries; the editor page
// switches the painting sounds, the backup copy and whether the settings are
// kept at the end, which the main window reads from the three boxes. The
// parser settings are shown but read by nothing.
class TOptionenDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionenDlg(QWidget *parent);

    QStringList Ressourcen() const;
    void RessourcenSetzen(const QStringList &eintraege);

    QCheckBox *CheckBox1;   // "Soundeffekte im Editor"
    QCheckBox *CheckBox2;   // "Einstellungen beim Beenden speichern"
    QCheckBox *SicherungBox; // keep the previous version when saving

signals:
    // "&Hilfe" was pressed: the opener shows the dialog's help page.
    void hilfeAngefordert();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void seiteEditorAnlegen();
    void seiteRessourcenAnlegen();
    void seiteLuaScriptAnlegen();
    void NeuButtonClick();
    void BitBtn1Click();
    void eintragAnhaengen(const QString &text);
    void warnung(const QString &text);

    QTabWidget *TabbedNotebook1;
    QListWidget *ListBox1;
    QLineEdit *Edit1;
};
