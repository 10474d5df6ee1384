#pragma once

#include "LoadError.h"
#include "PixelBudget.h"
#include "ProgramIcon.h"
#include "Result.h"

#include <QPixmap>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The pictures of one medium, each file read once, through one descriptor
// (see MediumFile.h), and decoded from memory before the window shows.
// Buttons that name the same file (by its real path) share one decoded
// picture, and all decoded pictures together stay within one PixelBudget,
// charged by what the decoder allocates. Qt's image plugins supply the formats
// (menuPictureFormats; no others) and recognise them by their content.
// Refused with an error: a file off the medium, one that is missing, larger
// than FileStore::maximumFileSize, of another format or no picture, one that
// needs more memory than the budget has left, and a JPEG or GIF whose
// decoding would keep the window back (see JpegCost.h and GifWork.h).
class PictureStore {
public:
    explicit PictureStore(std::filesystem::path mediumRoot) : m_mediumRoot(std::move(mediumRoot)) {}

    // The picture in the file at `path`, as Autorun.inf's reader joined it;
    // errors name that path.
    Result<QPixmap, LoadError> picture(const std::string &path);

    // For each of `sides`, the picture of icon `index` inside the Windows
    // program at `path` that fits it best (see readProgramIcons), decoded
    // within the same budget.
    Result<std::vector<QPixmap>, NoProgramIcon>
    programIcons(const std::string &path, std::int32_t index, std::span<const std::int32_t> sides);

private:
    Result<QPixmap, LoadError> decode(const std::string &content, const std::string &path);

    const std::filesystem::path m_mediumRoot;
    std::map<std::filesystem::path, QPixmap> m_decoded;
    PixelBudget m_budget;
};
