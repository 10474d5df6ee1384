#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

// Paths pass between Qt and the file system as the file system spells them,
// so that a name in any encoding leads back to the same file.
inline QString qtPath(const std::filesystem::path &path) {
    return QFile::decodeName(path.c_str());
}

inline std::filesystem::path fileSystemPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}
