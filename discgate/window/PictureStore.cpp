#include "PictureStore.h"

#include "JpegScans.h"
#include "MediumConfinement.h"
#include "QtPaths.h"

#include <QImageReader>
#include <fstream>

namespace fs = std::filesystem;

namespace {

bool hasTooManyScans(const fs::path &file) {
    std::ifstream data(file, std::ios::binary);
    return jpegScanCount(data, maximumJpegScans) > maximumJpegScans;
}

} // namespace

PictureStore::PictureStore(fs::path mediumRoot) : m_mediumRoot(std::move(mediumRoot)) {}

std::variant<QPixmap, LoadError> PictureStore::picture(const std::string &path) {
    const auto real = realPathOnMedium(path, m_mediumRoot);
    if (!real)
        return LoadError{LoadProblem::PictureOffMedium, path, {}};
    if (const auto decoded = m_decoded.find(*real); decoded != m_decoded.end())
        return decoded->second;
    auto result = decode(*real, path);
    if (const auto *picture = std::get_if<QPixmap>(&result))
        m_decoded.emplace(*real, *picture);
    return result;
}

std::variant<QPixmap, LoadError> PictureStore::decode(const fs::path &real,
                                                      const std::string &path) {
    // Only regular files are read, so that a folder, a pipe or a device named
    // in Autorun.inf cannot block the reader.
    std::error_code error;
    if (!fs::is_regular_file(real, error))
        return LoadError{LoadProblem::PictureMissing, path, {}};
    QImageReader reader(qtPath(real));
    // Pictures on media authored by hand often carry the wrong extension.
    reader.setDecideFormatFromContent(true);
    if (reader.format() == "jpeg" && hasTooManyScans(real))
        return LoadError{LoadProblem::PictureTooManyScans, path, {}};
    // The header's size is checked before a single pixel is decoded; a format
    // that tells none is checked at the size it decoded to.
    const QSize claimed = reader.size();
    if (claimed.isValid() && !m_budget.take(claimed.width(), claimed.height()))
        return LoadError{LoadProblem::PicturesOverBudget, path, {}};
    QImage image = reader.read();
    if (image.isNull())
        return LoadError{LoadProblem::PictureInvalid, path, reader.errorString().toStdString()};
    if (!claimed.isValid() && !m_budget.take(image.width(), image.height()))
        return LoadError{LoadProblem::PicturesOverBudget, path, {}};
    return QPixmap::fromImage(std::move(image));
}
