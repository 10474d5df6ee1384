#include "FileRead.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Whatever stands at the path, the read answers at once: a FIFO without a
// writer is not waited for, a link is refused where the caller asks, and a
// file is judged by its size before a byte is read.
TEST(FileReadTest, ReadsRegularFilesUpToTheLimitAndRefusesAllElse) {
    TemporaryFolder folder;
    writeBytes(folder / "ten", "0123456789");
    // Read in several pieces, none of them in the wrong place.
    std::string large(200'001, '\0');
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i % 251);
    writeBytes(folder / "large", large);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder / "folder");
    fs::create_symlink(folder / "ten", folder / "link");
    const auto refused = [](FileReadProblem problem, std::error_code error = {}) {
        return Result<std::string, FileReadError>(Failure{FileReadError{problem, error}});
    };
    const struct {
        const char *name;
        std::uintmax_t limit;
        LastLink lastLink;
        Result<std::string, FileReadError> expected;
    } rows[] = {
        {"ten", 10, LastLink::Follow, std::string("0123456789")},
        {"ten", 9, LastLink::Follow, refused(FileReadProblem::TooLarge)},
        {"large", large.size(), LastLink::Follow, large},
        {"fifo", 10, LastLink::Follow, refused(FileReadProblem::NotRegular)},
        {"folder", 10, LastLink::Follow, refused(FileReadProblem::NotRegular)},
        {"missing", 10, LastLink::Follow,
         refused(FileReadProblem::System, make_error_code(std::errc::no_such_file_or_directory))},
        {"link", 10, LastLink::Follow, std::string("0123456789")},
        {"link", 10, LastLink::Refuse,
         refused(FileReadProblem::System,
                 make_error_code(std::errc::too_many_symbolic_link_levels))},
    };
    for (const auto &row : rows) {
        const auto read = readWholeFile(folder / row.name, row.limit, row.lastLink);
        EXPECT_TRUE(read == row.expected) << row.name << " within " << row.limit;
    }
}

// A file of /proc reports no size and is read to its end all the same, up to
// the limit.
TEST(FileReadTest, FilesWithoutASizeAreReadToTheirEndOrTheLimit) {
    const auto status = readWholeFile("/proc/self/status", 64 * 1024);
    ASSERT_TRUE(status);
    EXPECT_NE(status->find("\nUmask:"), std::string::npos);
    EXPECT_EQ(readWholeFile("/proc/self/status", 16).error().problem, FileReadProblem::TooLarge);
}

} // namespace
