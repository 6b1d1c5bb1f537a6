#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A numeric edit with up and down buttons, step 1. Unlike QSpinBox it keeps
// whatever the user types: a value outside the limits is reported as typed
// until the focus moves on to another control, and a text that is no integer reads as the
// minimum. Only digits, signs and the decimal separator can be typed; other
// characters, and stepping a read-only box, are refused with a beep.
class SpinEdit : public QWidget
{
    Q_OBJECT

public:
    SpinEdit(int minimum, int maximum, int wert, QWidget *parent);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The shown text as an integer; the minimum when it is none.
    int value() const;
    // Shows the value clamped to the limits. Like a typed change, it emits
    // changed() only when the shown text differs.
    void setValue(int wert);

    QString text() const;
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    QLineEdit *lineEdit() const { return m_edit; }

signals:
    // Every change of the shown text: typed, stepped or set by program.
    void changed();
    // The box refused a key or a step and beeped.
    void beeped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void UpClick();
    void DownClick();
    void schritt(int delta);
    void verweigern();
    bool zeichenErlaubt(QChar zeichen) const;
    int begrenzt(qint64 wert) const;

    int m_minimum;
    int m_maximum;
    bool m_readOnly = false;
    QLineEdit *m_edit;
    QToolButton *m_hoch;
    QToolButton *m_runter;
};
