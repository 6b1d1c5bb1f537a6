#pragma once

#include <QRect>
#include <QWidget>

class QMenu;
class QPainter;
class QStackedWidget;
class QTabBar;
class QToolButton;

// The landscape box: a small borderless tool window above the main window
// with a title strip, frame and title buttons of its own. It rolls up to its
// title strip and down again and is dragged by the strip. Closing hides it.
class TGestalter : public QWidget
{
    Q_OBJECT

public:
    explicit TGestalter(QWidget *parent);

    // True when the point (client coordinates) lies on the title strip.
    bool ImTitel(QPoint punkt) const;
    QRect titelRechteck() const { return TitelRechteck; }
    int volleHoehe() const { return VolleHoehe; }
    QMenu *popupMenu() const { return PopupMenu1; }

signals:
    // "&Karte ...": the main window shows the map properties.
    void karteAngefordert();
    // "&Hilfe": the main window opens the contents of the help.
    void hilfeAngefordert();
    // The box was hidden by a command (its own or the main window's).
    void versteckt();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Hands the drag to the window manager's interactive move; false when
    // the platform cannot.
    virtual bool fensterVerschieben();

private:
    void titelKnoepfeAnlegen();
    void inhaltAnlegen();
    void popupMenuAnlegen();
    void TitelZeichnen(QPainter &painter);
    void RahmenZeichnen(QPainter &painter);
    void btnRollUpClick();
    void btnRollDownClick();
    void btnMenuClick();

    QRect TitelRechteck;
    int VolleHoehe = 0;
    bool ZiehenAktiv = false;
    bool m_schonGezeigt = false;
    // The box moves itself when the window manager cannot; the press point
    // is the grip it keeps under the mouse.
    bool m_selbstZiehen = false;
    QPoint m_griff;

    QToolButton *btnClose;
    QToolButton *btnRollUp;
    QToolButton *btnRollDown;
    QToolButton *btnMenu;
    QStackedWidget *Notebook1;
    QTabBar *TabSet1;
    QMenu *PopupMenu1;
};
