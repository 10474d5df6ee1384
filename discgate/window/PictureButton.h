#pragma once

#include <QAbstractButton>
#include <QPixmap>

// One member of the launcher's control array of picture buttons: a picture
// without a frame that takes the size of the picture it shows and reports
// pointer movement together with its index, and its clicks. It holds its normal
// and its hover picture, both decoded before the window shows, so that
// lighting it only swaps them. Transparent parts of the picture show the
// window's background.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(int index, QWidget *parent);

    // The picture shown now.
    const QPixmap &picture() const { return m_lit ? m_hover : m_normal; }
    void setPictures(const QPixmap &normal, const QPixmap &hover);
    // Shows the hover picture, or the normal one again.
    void setLit(bool lit);

signals:
    void mouseMoved(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showSize();

    const int m_index;
    QPixmap m_normal;
    QPixmap m_hover;
    bool m_lit = false;
};
