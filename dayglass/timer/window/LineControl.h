#pragma once

#include <QColor>
#include <QWidget>

// A straight one-pixel line between two points given in twips, as the rules
// that divide the TIMER page. It takes no input.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint fromTwips, QPoint toTwips, QWidget *parent);

    void setLineColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    QColor m_color = Qt::white;
};
