#pragma once

#include <QIconEngine>
#include <map>

// An icon made of PNG pictures in the program's resources, one per size. A
// size is decoded whenever it is asked for and not kept: the window system
// takes each size once, when a window is created, and six decoded pictures
// would otherwise hold half a megabyte for the whole run.
class EmbeddedIconEngine : public QIconEngine {
public:
    // Takes the resource paths of the pictures; their sizes are read from
    // their headers alone.
    explicit EmbeddedIconEngine(const QStringList &picturePaths);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    // Without a picture the icon is none, and windows keep the desktop's.
    bool isNull() override { return m_pictures.empty(); }

private:
    struct Picture {
        QString path;
        QSize size;
    };
    // The picture that fits `size` best: the smallest one at least as large,
    // else the largest. Null without pictures.
    const Picture *pictureFor(const QSize &size) const;

    // The pictures by their longer side.
    std::map<int, Picture> m_pictures;
};
