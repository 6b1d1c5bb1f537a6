#include "spinedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int KnopfBreite = 15;

// Focus going to another control of the same window. The window closing or
// losing activation, or a popup such as the edit's own context menu, is no
// leaving of the box: the typed value stands.
bool fokusBleibtImFenster(QEvent *event)
{
    const Qt::FocusReason grund = static_cast<QFocusEvent *>(event)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

} // namespace

SpinEdit::SpinEdit(int minimum, int maximum, int wert, QWidget *parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_edit(new QLineEdit(this)),
      m_hoch(new QToolButton(this)), m_runter(new QToolButton(this))
{
    m_hoch->setArrowType(Qt::UpArrow);
    m_runter->setArrowType(Qt::DownArrow);
    for (QToolButton *knopf : {m_hoch, m_runter}) {
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRepeat(true);
    }
    m_edit->setText(QString::number(begrenzt(wert)));
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, &SpinEdit::changed);
    connect(m_hoch, &QToolButton::clicked, this, &SpinEdit::UpClick);
    connect(m_runter, &QToolButton::clicked, this, &SpinEdit::DownClick);
}

int SpinEdit::value() const
{
    bool ganzzahl = false;
    const int wert = m_edit->text().toInt(&ganzzahl);
    return ganzzahl ? wert : m_minimum;
}

void SpinEdit::setValue(int wert)
{
    m_edit->setText(QString::number(begrenzt(wert)));
}

QString SpinEdit::text() const
{
    return m_edit->text();
}

void SpinEdit::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_edit->setReadOnly(readOnly);
}

bool SpinEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(event);
        if (taste->key() == Qt::Key_Up) {
            UpClick();
            return true;
        }
        if (taste->key() == Qt::Key_Down) {
            DownClick();
            return true;
        }
        const QString text = taste->text();
        if (!text.isEmpty() && text.front().isPrint() && !zeichenErlaubt(text.front())) {
            verweigern();
            return true;
        }
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut && fokusBleibtImFenster(event)) {
        // A typed value outside the limits stands until the box is left.
        bool ganzzahl = false;
        const int wert = m_edit->text().toInt(&ganzzahl);
        if (ganzzahl && begrenzt(wert) != wert)
            setValue(wert);
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::resizeEvent(QResizeEvent *)
{
    const int knopfHoehe = height() / 2;
    const int knopfLinks = width() - KnopfBreite;
    m_edit->setGeometry(0, 0, knopfLinks, height());
    m_hoch->setGeometry(knopfLinks, 0, KnopfBreite, knopfHoehe);
    m_runter->setGeometry(knopfLinks, knopfHoehe, KnopfBreite, height() - knopfHoehe);
}

void SpinEdit::UpClick()
{
    schritt(1);
}

void SpinEdit::DownClick()
{
    schritt(-1);
}

void SpinEdit::schritt(int delta)
{
    if (m_readOnly)
        verweigern();
    else
        setValue(begrenzt(qint64(value()) + delta));
}

void SpinEdit::verweigern()
{
    QApplication::beep();
    emit beeped();
}

bool SpinEdit::zeichenErlaubt(QChar zeichen) const
{
    return zeichen.isDigit() || zeichen == u'+' || zeichen == u'-' || zeichen == locale().decimalPoint().front();
}

int SpinEdit::begrenzt(qint64 wert) const
{
    return int(std::clamp<qint64>(wert, m_minimum, m_maximum));
}
