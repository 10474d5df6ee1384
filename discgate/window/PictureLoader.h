#pragma once

#include "LoadError.h"

#include <QPixmap>
#include <string>
#include <variant>

// Loads a picture from its file, afresh at every call. Qt's image plugins
// supply the formats (BMP, GIF, JPEG, PNG, ICO and more) and recognise them by
// their content. A file that is missing, no picture, or claims a size beyond
// Qt's allocation limit gives an error instead of a picture.
std::variant<QPixmap, LoadError> loadPicture(const std::string &path);
