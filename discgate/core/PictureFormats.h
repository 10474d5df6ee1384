#pragma once

#include <array>
#include <string_view>

// The picture formats that menus are made with, by the names of Qt's image
// plugins; a picture of any other format is refused. Qt's other plugins
// (TIFF, WebP, SVG and more, where installed) are not needed, and their
// decoding work is not bounded (see PixelBudget).
inline constexpr std::array<std::string_view, 6> menuPictureFormats = {"bmp", "gif", "jpeg",
                                                                       "png", "ico", "cur"};
