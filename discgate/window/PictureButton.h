#pragma once

#include <QPixmap>
#include <QWidget>

// One member of the launcher's control array of picture buttons: a picture
// without a frame that takes the size of the picture it shows and reports
// pointer movement and clicks together with its index. Transparent parts of
// the picture show the window's background.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    PictureButton(int index, QWidget *parent);

    int index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

signals:
    void mouseMoved(int index);
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const int m_index;
    QPixmap m_picture;
    bool m_pressed = false;
};
