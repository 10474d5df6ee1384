#pragma once

#include <QAbstractButton>

// One day cell of the month grid: an option button drawn as a push button in
// the day's colour, pressed while it is the selected day. A click selects it
// and never deselects it; the page keeps the other cells unselected. It
// reports what the page reacts to (focus, double click, keys) and leaves every
// key to its default handling afterwards, so that keys still reach the
// windows above.
class DayCellButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit DayCellButton(QWidget *parent);

    void setBackColor(const QColor &colour);
    void setCaptionColor(const QColor &colour);
    // Whether the pointer resting on the cell shows its accessible name.
    void setNameAsToolTip(bool shown) { m_nameAsToolTip = shown; }

signals:
    void gotFocus();
    void doubleClicked();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void nextCheckState() override;

private:
    QColor m_captionColour{Qt::white};
    bool m_nameAsToolTip = false;
};
