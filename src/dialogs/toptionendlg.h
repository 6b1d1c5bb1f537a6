#pragma once

#include <QDialog>

class QKeyEvent;
class QLineEdit;
class QListWidget;
class QTabWidget;

// "Optionen und Einstellungen": editor, resource and parser settings. Only
// the resource list works: picture files can be added and entries removed.
// The other settings are shown but read by nothing and stored nowhere.
class TOptionenDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionenDlg(QWidget *parent);

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
