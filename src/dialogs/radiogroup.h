#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A titled frame whose radio buttons share its height evenly, one per item,
// exactly one of them selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &titel, const QStringList &eintraege, QWidget *parent);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *knopf(int index) const { return m_knoepfe.at(index); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QButtonGroup *m_gruppe;
    QList<QRadioButton *> m_knoepfe;
};
