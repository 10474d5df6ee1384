#include "PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

std::variant<QPixmap, LoadError> loadPicture(const std::string &path) {
    const QString fileName = QString::fromStdString(path);
    // Only regular files are read, so that a folder, a pipe or a device named
    // in Autorun.inf cannot block the reader.
    if (!QFileInfo(fileName).isFile())
        return LoadError{LoadProblem::PictureMissing, path, {}};
    QImageReader reader(fileName);
    // Pictures on media authored by hand often carry the wrong extension.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return LoadError{LoadProblem::PictureInvalid, path, reader.errorString().toStdString()};
    return QPixmap::fromImage(image);
}
