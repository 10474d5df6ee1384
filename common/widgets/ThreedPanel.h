#pragma once

#include <QLabel>

// A raised panel with a centred caption that can serve as a button: it reports
// a click when the mouse is pressed and released over it.
class ThreedPanel : public QLabel {
    Q_OBJECT
public:
    explicit ThreedPanel(const QString &caption, QWidget *parent);

    void setColors(const QColor &text, const QColor &background);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
