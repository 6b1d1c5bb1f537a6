#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

constexpr int KnopfHoehe = 17;
constexpr int Rand = 8;

} // namespace

RadioGroup::RadioGroup(const QString &titel, const QStringList &eintraege, QWidget *parent)
    : QGroupBox(titel, parent), m_gruppe(new QButtonGroup(this))
{
    for (const QString &eintrag : eintraege) {
        auto *knopf = new QRadioButton(eintrag, this);
        m_gruppe->addButton(knopf, int(m_knoepfe.size()));
        m_knoepfe.append(knopf);
    }
}

int RadioGroup::itemIndex() const
{
    return m_gruppe->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    m_knoepfe.at(index)->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    if (m_knoepfe.isEmpty())
        return;
    // The rows share the room inside the frame, below the title.
    const QRect innen = contentsRect();
    const int zeile = innen.height() / int(m_knoepfe.size());
    for (int i = 0; i < m_knoepfe.size(); ++i) {
        const int oben = innen.top() + i * zeile + (zeile - KnopfHoehe) / 2;
        m_knoepfe.at(i)->setGeometry(Rand, oben, width() - 2 * Rand, KnopfHoehe);
    }
}
