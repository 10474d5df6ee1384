#include "HolidayFile.h"

#include "FileRead.h"

namespace {

Failure<HolidayFileError> refusal(HolidayFileProblem problem, std::error_code systemError = {},
                                  HolidayTableError table = {}) {
    return Failure{HolidayFileError{problem, systemError, table}};
}

Failure<HolidayFileError> refusal(const FileReadError &error) {
    switch (error.problem) {
    case FileReadProblem::TooLarge:
        return refusal(HolidayFileProblem::NotATable, {}, {HolidayTableProblem::TooLarge, 0});
    case FileReadProblem::NotRegular:
        return refusal(HolidayFileProblem::NotAFile);
    case FileReadProblem::System:
        break;
    }
    if (error.systemError == std::errc::too_many_symbolic_link_levels)
        return refusal(HolidayFileProblem::Link);
    return refusal(HolidayFileProblem::Unreadable, error.systemError);
}

} // namespace

Result<HolidayCalendar, HolidayFileError> readHolidayCalendar(const DataFolder &dataFolder) {
    // Without a folder the name alone would be looked up in the working
    // folder, which is not the user's choice.
    const std::filesystem::path file = dataFolder.fileToRead(holidayFileName);
    if (file.empty())
        return HolidayCalendar();
    const Result<std::string, FileReadError> bytes =
        readWholeFile(file, maximumHolidayTableSize, LastLink::Refuse);
    if (!bytes) {
        const std::error_code missing = bytes.error().systemError;
        if (missing == std::errc::no_such_file_or_directory ||
            missing == std::errc::not_a_directory)
            return HolidayCalendar();
        return refusal(bytes.error());
    }
    Result<HolidayTable, HolidayTableError> table = parseHolidayTable(*bytes);
    if (!table)
        return refusal(HolidayFileProblem::NotATable, {}, table.error());
    return HolidayCalendar(std::move(*table));
}
