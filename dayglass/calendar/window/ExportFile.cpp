#include "ExportFile.h"

#include <QSaveFile>

Result<void, QString> writeExportFile(const QString &path, const std::string &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        return Failure{file.errorString()};
    return {};
}
