#include "HolidayFile.h"

#include "CabinetTable.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace std::chrono;

namespace {

// The law's holidays without a table, the table's with one; a table that is
// damaged or too large, a link and a pipe are refused whole, none waited for.
TEST(HolidayFileTest, OnlyARegularFileWithinBoundsIsRead) {
    TemporaryFolder folder;
    const std::filesystem::path file = folder / holidayFileName;
    EXPECT_EQ(readHolidayCalendar(folder.path())->holidayOn(2024y / 2 / 12), "休日");
    const std::string table = publishedTable({"2024/2/13,休日"});
    writeBytes(file, table);
    EXPECT_EQ(readHolidayCalendar(folder.path())->holidayOn(2024y / 2 / 12), std::nullopt);
    writeBytes(folder / "elsewhere.csv", table);
    using enum HolidayFileProblem;
    const std::pair<std::function<void()>, HolidayFileError> rows[] = {
        {[&] { writeBytes(file, table + "2024/2/30,休日\r\n"); },
         {NotATable, {}, {HolidayTableProblem::BadDate, 3}}},
        {[&] {
             writeBytes(file, table);
             std::filesystem::resize_file(file, maximumHolidayTableSize + 1);
         },
         {NotATable, {}, {HolidayTableProblem::TooLarge, 0}}},
        {[&] { std::filesystem::create_symlink(folder / "elsewhere.csv", file); }, {Link}},
        {[&] { ::mkfifo(file.c_str(), 0600); }, {NotAFile}},
    };
    for (const auto &[makeFile, error] : rows) {
        std::filesystem::remove(file);
        makeFile();
        EXPECT_EQ(readHolidayCalendar(folder.path()).error(), error);
    }
}

} // namespace
