#pragma once

#include <QProxyStyle>

// The menus' style: the current style, except that disabled items can be
// highlighted too, so that F1 on them opens their help. Such an item shows
// a pale highlight, its text stays grey.
class MenueStil : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};
