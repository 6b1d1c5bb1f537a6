#include "tgestalter.h"

#include "bevelpanel.h"
#include "bildschirmmitte.h"
#include "fensterschrift.h"
#include "platzierung.h"
#include "titelknopfbilder.h"

#include <QHideEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int Breite = 211;
constexpr int Hoehe = 293;
constexpr int KnopfGroesse = 15;
constexpr int RollSchritt = 15;

QToolButton *titelKnopf(QWidget *parent, const char *name, const QPixmap &bild)
{
    auto *knopf = new QToolButton(parent);
    knopf->setObjectName(QLatin1String(name));
    knopf->setIcon(QIcon(bild));
    knopf->setIconSize(bild.size());
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->resize(KnopfGroesse, KnopfGroesse);
    return knopf;
}

// A line from the first point up to, not including, the second; the frame
// table is given that way. Only horizontal and vertical lines occur.
void linie(QPainter &painter, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y2 > y1)
        painter.drawLine(x1, y1, x2, y2 - 1);
    else if (y1 == y2 && x2 > x1)
        painter.drawLine(x1, y1, x2 - 1, y2);
}

} // namespace

TGestalter::TGestalter(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Landschafts-Box"));
    setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 12));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(Breite, Hoehe);

    titelKnoepfeAnlegen();
    inhaltAnlegen();
    popupMenuAnlegen();
}

void TGestalter::titelKnoepfeAnlegen()
{
    btnClose = titelKnopf(this, "btnClose", kreuzBild());
    btnRollUp = titelKnopf(this, "btnRollUp", dreieckHochBild());
    btnRollDown = titelKnopf(this, "btnRollDown", dreieckRunterBild());
    btnMenu = titelKnopf(this, "btnMenu", dreieckRechtsBild());

    const int w = width();
    VolleHoehe = height();
    TitelRechteck = QRect(QPoint(3, 3), QPoint(w - 3 - 1, 20 - 1));
    btnClose->move(w - btnClose->width() - 4, 4);
    btnRollUp->move(btnClose->x() - btnRollUp->width() - 4, 4);
    // Both roll buttons share one place; only one of them is visible.
    btnRollDown->move(btnClose->x() - btnRollUp->width() - 4, 4);
    btnMenu->move(btnClose->x(), 25);
    btnRollDown->hide();

    connect(btnClose, &QToolButton::clicked, this, &QWidget::hide);
    connect(btnRollUp, &QToolButton::clicked, this, &TGestalter::btnRollUpClick);
    connect(btnRollDown, &QToolButton::clicked, this, &TGestalter::btnRollDownClick);
    connect(btnMenu, &QToolButton::clicked, this, &TGestalter::btnMenuClick);
}

void TGestalter::inhaltAnlegen()
{
    const QFont klein = fensterSchrift(QStringLiteral("MS Sans Serif"), 9);
    auto *speedButton1 = platziert(new QToolButton(this), "SpeedButton1", 8, 24, 81, 17);
    speedButton1->setText(QStringLiteral("&Neu erstellen"));
    auto *speedButton2 = platziert(new QToolButton(this), "SpeedButton2", 96, 24, 81, 17);
    speedButton2->setText(QStringLiteral("&Eigenschaften"));
    for (QToolButton *knopf : {speedButton1, speedButton2}) {
        knopf->setFont(klein);
        knopf->setFocusPolicy(Qt::NoFocus);
    }

    auto *panel1 = platziert(new BevelPanel(BevelPanel::Bevel::Erhoben, BevelPanel::Bevel::Abgesenkt, this),
                             "Panel1", 8, 48, 193, 209);
    QPalette weiss = panel1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    panel1->setPalette(weiss);
    panel1->setBackgroundRole(QPalette::Window);
    panel1->setAutoFillBackground(true);
    Notebook1 = platziert(new QStackedWidget(panel1), "Notebook1", 2, 2, panel1->width() - 4, panel1->height() - 4);
    for (const char *name : {"Felder", "Figuren", "Gebaeude", "Ereignisse", "Makros"}) {
        auto *seite = new QWidget;
        seite->setObjectName(QLatin1String(name));
        Notebook1->addWidget(seite);
    }

    TabSet1 = platziert(new QTabBar(this), "TabSet1", 8, 264, 193, 21);
    TabSet1->setFont(fensterSchrift(QStringLiteral("MS Sans Serif"), 11));
    TabSet1->setFocusPolicy(Qt::NoFocus);
    // Tab i stands for page i; a click beside the (absent) tabs gives -1,
    // which selects no page and so changes nothing.
    connect(TabSet1, &QTabBar::tabBarClicked, Notebook1, &QStackedWidget::setCurrentIndex);
}

void TGestalter::popupMenuAnlegen()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto eintrag = [](QMenu *menu, const char *name, const QString &text) {
        QAction *aktion = menu->addAction(text);
        aktion->setObjectName(QLatin1String(name));
        return aktion;
    };

    QMenu *eigenschaften1 = PopupMenu1->addMenu(QStringLiteral("&Eigenschaften"));
    eigenschaften1->menuAction()->setObjectName(QStringLiteral("Eigenschaften1"));
    QAction *karte1 = eintrag(eigenschaften1, "Karte1", QStringLiteral("&Karte ..."));
    eintrag(eigenschaften1, "Felder1", QStringLiteral("&Felder ..."));
    eintrag(eigenschaften1, "Gebude1", QStringLiteral("&Gebäude ..."));
    eintrag(eigenschaften1, "Figuren1", QStringLiteral("F&iguren ..."));
    eintrag(eigenschaften1, "Ereignisse1", QStringLiteral("&Ereignisse"));
    eigenschaften1->addSeparator();
    eintrag(eigenschaften1, "Spiel1", QStringLiteral("&Spiel"));
    PopupMenu1->addSeparator();
    QAction *hilfe2 = eintrag(PopupMenu1, "Hilfe2", QStringLiteral("&Hilfe"));
    eintrag(PopupMenu1, "KontextHilfe1", QStringLiteral("&Kontext-Hilfe"));
    PopupMenu1->addSeparator();
    QAction *gestalterweg1 = eintrag(PopupMenu1, "Gestalterweg1", QStringLiteral("&Gestalter weg!!!"));

    connect(karte1, &QAction::triggered, this, &TGestalter::karteAngefordert);
    connect(hilfe2, &QAction::triggered, this, &TGestalter::hilfeAngefordert);
    connect(gestalterweg1, &QAction::triggered, this, &QWidget::hide);
}

bool TGestalter::ImTitel(QPoint punkt) const
{
    return TitelRechteck.contains(punkt);
}

void TGestalter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TitelZeichnen(painter);
    RahmenZeichnen(painter);
}

void TGestalter::TitelZeichnen(QPainter &painter)
{
    const bool aktiv = isActiveWindow();
    const QColor fuellung = palette().color(aktiv ? QPalette::Highlight : QPalette::Dark);
    const QColor schrift = palette().color(aktiv ? QPalette::HighlightedText : QPalette::Light);
    painter.fillRect(TitelRechteck, fuellung);
    // The caption font: a 15-pixel cell of the default sans family.
    painter.setFont(fensterSchrift(QStringLiteral("Arial"), 13));
    painter.setPen(schrift);
    painter.drawText(TitelRechteck, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Gestalter"));
}

void TGestalter::RahmenZeichnen(QPainter &painter)
{
    const int w = width();
    const int h = height();
    const QColor knopfFlaeche = palette().color(QPalette::Button);
    const QColor grau(128, 128, 128);

    painter.setPen(Qt::black);
    linie(painter, w - 1, 0, w - 1, h);
    linie(painter, 0, h - 1, w - 1, h - 1);
    painter.setPen(knopfFlaeche);
    linie(painter, 0, 0, 0, h - 1);
    linie(painter, 0, 0, w - 1, 0);
    linie(painter, 2, 1, 2, h - 2);
    linie(painter, 2, 2, w - 2, 2);
    painter.setPen(Qt::white);
    linie(painter, 1, 1, 1, h - 1);
    linie(painter, 1, 1, w - 1, 1);
    painter.setPen(grau);
    linie(painter, w - 2, 2, w - 2, h - 1);
    linie(painter, 2, h - 2, w - 2, h - 2);
}

void TGestalter::changeEvent(QEvent *event)
{
    // The strip shows whether the box is the active window.
    if (event->type() == QEvent::ActivationChange)
        update(TitelRechteck);
    QWidget::changeEvent(event);
}

void TGestalter::showEvent(QShowEvent *event)
{
    if (!m_schonGezeigt) {
        m_schonGezeigt = true;
        aufBildschirmMitte(this);
    }
    QWidget::showEvent(event);
}

void TGestalter::hideEvent(QHideEvent *event)
{
    // A spontaneous hide (the main window minimised) is no closing.
    if (!event->spontaneous())
        emit versteckt();
    QWidget::hideEvent(event);
}

void TGestalter::mousePressEvent(QMouseEvent *event)
{
    if (ImTitel(event->position().toPoint())) {
        ZiehenAktiv = true;
        m_griff = event->position().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void TGestalter::mouseMoveEvent(QMouseEvent *event)
{
    if (ZiehenAktiv) {
        // The window manager takes over until the button is released, so
        // this box sees no release of its own. Where there is none that can
        // (no window manager, or a platform without the request), the box
        // follows the mouse itself.
        ZiehenAktiv = false;
        m_selbstZiehen = !fensterVerschieben();
    }
    if (m_selbstZiehen)
        move(event->globalPosition().toPoint() - m_griff);
    QWidget::mouseMoveEvent(event);
}

void TGestalter::mouseReleaseEvent(QMouseEvent *event)
{
    ZiehenAktiv = false;
    m_selbstZiehen = false;
    QWidget::mouseReleaseEvent(event);
}

bool TGestalter::fensterVerschieben()
{
    return windowHandle() && windowHandle()->startSystemMove();
}

void TGestalter::btnRollUpClick()
{
    const int gerollt = btnRollDown->height() + 8;
    // The steps follow one another at once; each resizes the window.
    for (int hoehe = height(); hoehe > gerollt;) {
        hoehe -= RollSchritt;
        resize(width(), hoehe);
    }
    btnRollDown->show();
    btnRollUp->hide();
    resize(width(), gerollt);
    update();
}

void TGestalter::btnRollDownClick()
{
    for (int hoehe = height(); hoehe < VolleHoehe;) {
        hoehe += RollSchritt;
        resize(width(), hoehe);
    }
    btnRollUp->show();
    btnRollDown->hide();
    resize(width(), VolleHoehe);
    update();
}

void TGestalter::btnMenuClick()
{
    PopupMenu1->popup(mapToGlobal(QPoint(btnMenu->x() + btnMenu->width(), btnMenu->y())));
}
