#include "ExportFile.h"

#include <QSaveFile>

std::optional<QString> writeExportFile(const QString &path, const std::string &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return file.errorString();
    return std::nullopt;
}
