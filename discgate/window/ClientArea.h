#pragma once

#include <QPixmap>
#include <QWidget>

// The launcher window's client area, inside its dialog frame: white, with the
// background picture drawn once at its own size from the top-left corner. The
// buttons are its children, so that their positions count from its corner and
// they are cut off at its edges, never drawn over the frame.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent);

    void setBackground(const QPixmap &background);

signals:
    // The pointer moved over the bare background.
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_background;
};
