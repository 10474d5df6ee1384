#include "PictureStore.h"

#include "DecoderMemoryLimit.h"
#include "JpegScans.h"
#include "MediumConfinement.h"
#include "MediumFile.h"

#include <QBuffer>
#include <QImageReader>
#include <array>

namespace fs = std::filesystem;

namespace {

// The formats that menus are made with. Qt's other plugins (TIFF, WebP, SVG
// and more, where installed) are not needed, and their decoding work is not
// bounded here.
bool isMenuFormat(const QByteArray &format) {
    constexpr std::array<const char *, 6> formats = {"bmp", "gif", "jpeg", "png", "ico", "cur"};
    return std::ranges::any_of(formats, [&format](const char *name) { return format == name; });
}

LoadProblem pictureProblem(MediumFileProblem problem) {
    switch (problem) {
    case MediumFileProblem::OffMedium:
        return LoadProblem::PictureOffMedium;
    case MediumFileProblem::TooLarge:
        return LoadProblem::PictureTooLarge;
    case MediumFileProblem::Missing:
        break;
    }
    return LoadProblem::PictureMissing;
}

} // namespace

PictureStore::PictureStore(fs::path mediumRoot) : m_mediumRoot(std::move(mediumRoot)) {}

std::variant<QPixmap, LoadError> PictureStore::picture(const std::string &path) {
    const auto real = realPathOnMedium(path, m_mediumRoot);
    if (!real)
        return LoadError{LoadProblem::PictureOffMedium, path, {}};
    if (const auto decoded = m_decoded.find(*real); decoded != m_decoded.end())
        return decoded->second;
    auto content = readMediumFile(*real, m_mediumRoot);
    if (const auto *problem = std::get_if<MediumFileProblem>(&content))
        return LoadError{pictureProblem(*problem), path, {}};
    auto result = decode(std::get<std::string>(content), path);
    if (const auto *picture = std::get_if<QPixmap>(&result))
        m_decoded.emplace(*real, *picture);
    return result;
}

std::variant<QPixmap, LoadError> PictureStore::decode(const std::string &content,
                                                      const std::string &path) {
    const auto failure = [&path](LoadProblem problem, std::string detail = {}) {
        return LoadError{problem, path, std::move(detail)};
    };
    QByteArray bytes = QByteArray::fromRawData(content.data(), qsizetype(content.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Pictures on media authored by hand often carry the wrong extension, so
    // the format is told by the content alone.
    QImageReader reader(&buffer);
    const DecoderMemoryLimit limit(m_budget.remainingBytes());
    if (limit.tooSmall())
        return failure(LoadProblem::PicturesOverBudget);
    const QByteArray format = reader.format();
    if (!format.isEmpty() && !isMenuFormat(format))
        return failure(LoadProblem::PictureFormatRefused, format.toStdString());
    if (format == "jpeg") {
        if (const auto problem = takeJpegCost(jpegCost(content), m_budget))
            return failure(*problem);
    }
    // The header's size is checked before a single pixel is decoded; the
    // decoder is held to what the budget has left all the same, whatever the
    // header claimed, and the budget is charged what it decoded.
    const QSize claimed = reader.size();
    if (claimed.isValid() && !m_budget.fits(claimed.width(), claimed.height()))
        return failure(LoadProblem::PicturesOverBudget);
    QImage image = reader.read();
    if (limit.refused())
        return failure(LoadProblem::PicturesOverBudget);
    if (image.isNull())
        return failure(LoadProblem::PictureInvalid, reader.errorString().toStdString());
    if (!m_budget.take(image.width(), image.height()))
        return failure(LoadProblem::PicturesOverBudget);
    return QPixmap::fromImage(std::move(image));
}
