#include "menuestil.h"

#include <QPainter>
#include <QStyleOption>

int MenueStil::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MenueStil::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // Most styles draw no highlight on a disabled item.
    const bool markiertUndGrau = element == CE_MenuItem && option->state.testFlag(State_Selected)
                                 && !option->state.testFlag(State_Enabled);
    if (markiertUndGrau) {
        QColor blass = option->palette.color(QPalette::Active, QPalette::Highlight);
        blass.setAlpha(60);
        painter->fillRect(option->rect, blass);
    }
}
