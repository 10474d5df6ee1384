#pragma once

#include <array>
#include <string>
#include <string_view>

// The picture formats that menus are made with; a picture of any other is
// refused (PictureFormatRefused). Qt's other image plugins (TIFF, WebP, SVG and
// more, where installed) are not needed, and their decoding work is not
// bounded (see PixelBudget).
inline constexpr std::array<std::string_view, 6> menuPictureFormats = {"BMP", "GIF", "JPEG",
                                                                       "PNG", "ICO", "CUR"};

enum class LoadProblem {
    DescriptionMissing,
    DescriptionTooLarge,
    Overflow,
    WindowTooLarge,
    TooManyButtons,
    PictureMissing,
    PictureInvalid,
    PictureOffMedium,
    PictureTooLarge,
    PictureFormatRefused,
    PicturesOverBudget,
    PictureTooManyScans,
    // A GIF whose codes stand for far more pixels than its frames hold.
    PictureDataBeyondFrames,
};

// Why the launcher cannot build its window, and the file to blame.
struct LoadError {
    LoadProblem problem = LoadProblem::DescriptionMissing;
    std::string file;
    // For an overflow, a window too large or too many buttons, the value that
    // caused it; for a picture, the reader's own explanation when it gave one.
    std::string detail;

    bool operator==(const LoadError &) const = default;
};
