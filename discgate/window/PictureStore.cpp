#include "PictureStore.h"

#include "GifWork.h"
#include "JpegCost.h"
#include "MediumFile.h"
#include "PngChunks.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

namespace {

bool isMenuFormat(const QByteArray &format) {
    return std::ranges::find(menuPictureFormats, format.toUpper().toStdString()) !=
           menuPictureFormats.end();
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

// Bytes read in place, as Qt's image readers read them.
struct BytesDevice {
    explicit BytesDevice(const std::string &bytes)
        : data(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()))), buffer(&data) {
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray data;
    QBuffer buffer;
};

// PNG pictures, alone or in an icon, are decoded without the chunks that
// nothing in a menu shows but that the decoder would inflate.
std::optional<std::string> strippedForDecoding(const QByteArray &format,
                                               const std::string &content) {
    if (format == "png")
        return withoutAncillaryChunks(content);
    if (format == "ico" || format == "cur")
        return iconWithoutAncillaryChunks(content);
    return std::nullopt;
}

// Takes the work that decoding a picture of `format` asks of the decoder
// from `budget`, or says why the picture is not decoded for it.
Result<void, LoadProblem> takeDecodingWork(const QByteArray &format, const std::string &content,
                                           PixelBudget &budget) {
    if (format == "jpeg")
        return takeJpegCost(jpegCost(content), budget);
    if (format != "gif")
        return {};
    const GifWork work = gifWork(content);
    if (work.largestExcess > maximumGifExcess ||
        !budget.takeDecodingWork(work.decodedPixels * PixelBudget::workPerGifPixel))
        return Failure{LoadProblem::PictureDataBeyondFrames};
    return {};
}

} // namespace

Result<QPixmap, LoadError> PictureStore::picture(const std::string &path) {
    const auto real = realPathOnMedium(path, m_mediumRoot);
    if (!real)
        return Failure{LoadError{LoadProblem::PictureOffMedium, path, {}}};
    if (const auto decoded = m_decoded.find(*real); decoded != m_decoded.end())
        return decoded->second;
    const auto content = readMediumFile(*real, m_mediumRoot);
    if (!content)
        return Failure{LoadError{pictureProblem(content.error()), path, {}}};
    auto picture = decode(*content, path);
    if (picture)
        m_decoded.emplace(*real, *picture);
    return picture;
}

Result<std::vector<QPixmap>, NoProgramIcon>
PictureStore::programIcons(const std::string &path, std::int32_t index,
                           std::span<const std::int32_t> sides) {
    const auto files = readProgramIcons(path, m_mediumRoot, index, sides, m_budget);
    if (!files)
        return Failure{files.error()};
    // Sides that chose one picture are given one decoded picture.
    std::map<std::string, QPixmap> decoded;
    std::vector<QPixmap> icons;
    for (const std::string &file : *files) {
        auto known = decoded.find(file);
        if (known == decoded.end()) {
            const auto picture = decode(file, path);
            if (!picture)
                return Failure{picture.error().problem == LoadProblem::PicturesOverBudget
                                   ? NoProgramIcon::OverBudget
                                   : NoProgramIcon::Damaged};
            known = decoded.emplace(file, *picture).first;
        }
        icons.push_back(known->second);
    }
    return icons;
}

Result<QPixmap, LoadError> PictureStore::decode(const std::string &content,
                                                const std::string &path) {
    const auto failure = [&path](LoadProblem problem, std::string detail = {}) {
        return Failure{LoadError{problem, path, std::move(detail)}};
    };
    // Pictures on media authored by hand often carry the wrong extension, so
    // the format is told by the content alone.
    BytesDevice original(content);
    const QByteArray format = QImageReader::imageFormat(&original.buffer);
    if (!format.isEmpty() && !isMenuFormat(format))
        return failure(LoadProblem::PictureFormatRefused, format.toStdString());
    if (const auto taken = takeDecodingWork(format, content, m_budget); !taken)
        return failure(taken.error());
    const std::optional<std::string> stripped = strippedForDecoding(format, content);
    BytesDevice decoded(stripped ? *stripped : content);
    QImageReader reader(&decoded.buffer);
    // Sizes are checked before a single pixel is decoded: the size the header
    // claims and, in an icon, the size of the picture the decoder reads from
    // it, which the icon's directory may understate. The budget is charged
    // what was decoded.
    const QSize claimed = reader.size();
    const auto iconPicture =
        format == "ico" || format == "cur" ? firstIconPictureSize(content) : std::nullopt;
    if ((claimed.isValid() && !m_budget.fitsDecoder(claimed.width(), claimed.height())) ||
        (iconPicture && !m_budget.fitsDecoder(iconPicture->width, iconPicture->height)) ||
        !m_budget.fitsDecoder(0, 0))
        return failure(LoadProblem::PicturesOverBudget);
    QImage image = reader.read();
    if (image.isNull())
        // The message says that the picture cannot be read, in the program's
        // words; Qt's own account of why is not in the user's language.
        return failure(LoadProblem::PictureInvalid);
    if (!m_budget.take(image.width(), image.height()))
        return failure(LoadProblem::PicturesOverBudget);
    return QPixmap::fromImage(std::move(image));
}
