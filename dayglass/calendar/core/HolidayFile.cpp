#include "HolidayFile.h"

#include "FileDescriptor.h"
#include "FileStore.h"

#include <cerrno>
#include <fcntl.h>

namespace {

Failure<HolidayFileError> refusal(HolidayFileProblem problem, int systemError = 0) {
    return Failure{HolidayFileError{problem, systemError}};
}

} // namespace

Result<HolidayCalendar, HolidayFileError>
readHolidayCalendar(const std::filesystem::path &dataFolder) {
    // Without a folder the name alone would be looked up in the working
    // folder, which is not the user's choice.
    if (dataFolder.empty())
        return HolidayCalendar();
    const FileDescriptor file(::open((dataFolder / holidayFileName).c_str(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return HolidayCalendar();
        return error == ELOOP ? refusal(HolidayFileProblem::Link)
                              : refusal(HolidayFileProblem::Unreadable, error);
    }
    const Result<std::string, int> bytes =
        FileStore::readDescriptor(file.get(), maximumHolidayTableSize);
    if (!bytes) {
        switch (bytes.error()) {
        case EINVAL:
            return refusal(HolidayFileProblem::NotAFile);
        case EFBIG:
            return Failure{HolidayFileError{
                HolidayFileProblem::NotATable, 0, {HolidayTableProblem::TooLarge, 0}}};
        default:
            return refusal(HolidayFileProblem::Unreadable, bytes.error());
        }
    }
    Result<HolidayTable, HolidayTableError> table = parseHolidayTable(*bytes);
    if (!table)
        return Failure{HolidayFileError{HolidayFileProblem::NotATable, 0, table.error()}};
    return HolidayCalendar(std::move(*table));
}
