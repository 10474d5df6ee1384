#include "ExportFile.h"

#include "QtPaths.h"

#include <QSaveFile>
#include <cerrno>

Result<void, WriteError> writeExportFile(const QString &path, const std::string &bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
            static_cast<qint64>(bytes.size()) &&
        file.commit())
        return {};
    // QSaveFile words the system's error in English only; the error number of
    // the call that failed is still at hand, and the window words it.
    return Failure{
        writeErrorFor(fileSystemPath(path), std::error_code(errno, std::generic_category()))};
}
