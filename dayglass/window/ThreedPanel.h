#pragma once

#include <QAbstractButton>

// A raised panel with a centred caption that serves as a button: it sinks
// while it is pressed and reports a click when the mouse is released over it.
// It is white on black and takes no keyboard focus.
class ThreedPanel : public QAbstractButton {
    Q_OBJECT
public:
    explicit ThreedPanel(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
