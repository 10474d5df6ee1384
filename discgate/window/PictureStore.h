#pragma once

#include "LoadError.h"
#include "PixelBudget.h"

#include <QPixmap>
#include <filesystem>
#include <map>
#include <string>
#include <variant>

// The pictures of one medium, each file decoded once, before the window shows.
// Buttons that name the same file (by its real path) share one decoded
// picture, and all decoded pictures together stay within one PixelBudget. Qt's
// image plugins supply the formats (BMP, GIF, JPEG, PNG, ICO and more) and
// recognise them by their content. Refused with an error: a file off the
// medium, one that is missing or no picture, one whose header claims more
// pixels than the budget has left, and a JPEG of more scans than any real
// picture has, which would freeze the window while it decodes.
class PictureStore {
public:
    explicit PictureStore(std::filesystem::path mediumRoot);

    // The picture in the file at `path`, as Autorun.inf's reader joined it;
    // errors name that path.
    std::variant<QPixmap, LoadError> picture(const std::string &path);

private:
    std::variant<QPixmap, LoadError> decode(const std::filesystem::path &real,
                                            const std::string &path);

    const std::filesystem::path m_mediumRoot;
    std::map<std::filesystem::path, QPixmap> m_decoded;
    PixelBudget m_budget;
};
