#include "EmbeddedIconEngine.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

// The pictures are read as PNG without guessing: a reader that may guess asks
// every image plugin first, and loading them all delays the first frame.
void readAsPngOnly(QImageReader &reader) {
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

int sideOf(const QSize &size) {
    return std::max(size.width(), size.height());
}

} // namespace

EmbeddedIconEngine::EmbeddedIconEngine(const QStringList &picturePaths) {
    for (const QString &path : picturePaths) {
        QImageReader reader(path);
        readAsPngOnly(reader);
        const QSize size = reader.size();
        if (size.isValid())
            m_pictures.emplace(sideOf(size), Picture{path, size});
    }
}

const EmbeddedIconEngine::Picture *EmbeddedIconEngine::pictureFor(const QSize &size) const {
    if (m_pictures.empty())
        return nullptr;
    const auto fitting = m_pictures.lower_bound(sideOf(size));
    return fitting == m_pictures.end() ? &m_pictures.rbegin()->second : &fitting->second;
}

QSize EmbeddedIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State) {
    const Picture *picture = pictureFor(size);
    if (!picture)
        return {};
    // Like Qt's own icons, a larger picture is scaled down to fit, never up.
    if (picture->size.width() > size.width() || picture->size.height() > size.height())
        return picture->size.scaled(size, Qt::KeepAspectRatio);
    return picture->size;
}

QPixmap EmbeddedIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) {
    const Picture *picture = pictureFor(size);
    if (!picture)
        return {};
    QImageReader reader(picture->path);
    readAsPngOnly(reader);
    reader.setScaledSize(actualSize(size, mode, state));
    return QPixmap::fromImage(reader.read());
}

void EmbeddedIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                               QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QList<QSize> EmbeddedIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const auto &[side, picture] : m_pictures)
        sizes << picture.size;
    return sizes;
}

QIconEngine *EmbeddedIconEngine::clone() const {
    return new EmbeddedIconEngine(*this);
}
