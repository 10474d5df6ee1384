#include "HolidayFile.h"

#include "CabinetTable.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace std::chrono;

namespace {

class HolidayFileTest : public testing::Test {
protected:
    std::filesystem::path tableFile() const { return m_folder / holidayFileName; }

    TemporaryFolder m_folder;
};

TEST_F(HolidayFileTest, ATableInTheDataFolderReplacesTheLawsYears) {
    const auto holidayOn = [this](year_month_day date) {
        return readHolidayCalendar(m_folder.path())->holidayOn(date);
    };
    EXPECT_EQ(holidayOn(2024y / 2 / 12), "休日");
    EXPECT_EQ(readHolidayCalendar({})->holidayOn(2024y / 2 / 12), "休日");

    writeBytes(tableFile(), publishedTable({"2024/2/13,休日"}));
    EXPECT_EQ(holidayOn(2024y / 2 / 12), std::nullopt);
    EXPECT_EQ(holidayOn(2024y / 2 / 13), "休日");
    EXPECT_EQ(holidayOn(2025y / 2 / 11), "建国記念の日");
}

// None of these is used at all, and none is waited for.
TEST_F(HolidayFileTest, AFileThatIsNoTableIsRefused) {
    using enum HolidayFileProblem;
    const std::string table = publishedTable({"2024/2/13,休日"});
    const std::filesystem::path elsewhere = m_folder / "elsewhere.csv";
    const std::pair<std::function<void()>, HolidayFileError> rows[] = {
        {[&] { writeBytes(tableFile(), table + "2024/2/30,休日\r\n"); },
         {NotATable, 0, {HolidayTableProblem::BadDate, 3}}},
        {[&] {
             writeBytes(tableFile(), table);
             std::filesystem::resize_file(tableFile(), maximumHolidayTableSize + 1);
         },
         {NotATable, 0, {HolidayTableProblem::TooLarge, 0}}},
        {[&] {
             writeBytes(elsewhere, table);
             std::filesystem::create_symlink(elsewhere, tableFile());
         },
         {Link}},
        {[&] { ::mkfifo(tableFile().c_str(), 0600); }, {NotAFile}},
        {[&] { std::filesystem::create_directory(tableFile()); }, {NotAFile}},
    };
    for (const auto &[makeFile, error] : rows) {
        std::filesystem::remove_all(tableFile());
        makeFile();
        const auto read = readHolidayCalendar(m_folder.path());
        ASSERT_FALSE(read) << static_cast<int>(error.problem);
        EXPECT_EQ(read.error(), error);
    }

    // A file that may not be read tells the system's reason; root reads it all
    // the same.
    std::filesystem::remove_all(tableFile());
    writeBytes(tableFile(), table);
    std::filesystem::permissions(tableFile(), std::filesystem::perms::none);
    if (::geteuid() != 0) {
        EXPECT_EQ(readHolidayCalendar(m_folder.path()).error(),
                  (HolidayFileError{Unreadable, EACCES}));
    }
}

} // namespace
