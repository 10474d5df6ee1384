#include "LaunchTarget.h"

#include "AsciiText.h"
#include "FileAddress.h"
#include "MediumFile.h"

#include <algorithm>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view elfMagic = "\x7F"
                                      "ELF";
constexpr std::string_view desktopEntryStart = "[Desktop Entry]";

// The beginning of an open file, as much as tells what kind of file it is.
std::string beginningOf(const OpenedFile &file) {
    std::string start(desktopEntryStart.size(), '\0');
    const ssize_t read = ::pread(file.descriptor.get(), start.data(), start.size(), 0);
    start.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return start;
}

bool hasExecuteBit(const struct stat &status) {
    return (status.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

bool isDesktopEntry(const fs::path &real, std::string_view start) {
    return asciiLowered(real.extension().string()) == ".desktop" ||
           start.starts_with(desktopEntryStart);
}

// A file system whose status cannot be read counts as "noexec", so that doubt
// never runs a program.
bool liesOnNoexecMount(const OpenedFile &file) {
    struct statvfs status {};
    return ::fstatvfs(file.descriptor.get(), &status) != 0 || (status.f_flag & ST_NOEXEC) != 0;
}

bool hasWindowsProgramName(const fs::path &path) {
    const std::string extension = asciiLowered(path.extension().string());
    return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".msi";
}

// The file is looked at through one descriptor, opened without blocking, so
// that a pipe put in its place cannot hang the window. Its execute bits are
// read from its status rather than asked of access(), which denies execution
// on a "noexec" medium and would hide the program there.
LaunchDecision fileDecision(const fs::path &real) {
    const auto file = openRealPath(real);
    if (!file)
        return LaunchAction{LaunchKind::OpenFile, real.string(), FileFinding::Missing};
    const bool regular = S_ISREG(file->status.st_mode);
    const std::string start = regular ? beginningOf(*file) : std::string();
    const bool windowsProgram = hasWindowsProgramName(real) || start.starts_with("MZ");
    const FileFinding finding =
        windowsProgram ? FileFinding::WindowsProgram : FileFinding::Ordinary;
    const LaunchAction document{LaunchKind::OpenFile, real.string(), finding};
    if (!regular)
        return document;
    const bool program =
        hasExecuteBit(file->status) && (start.starts_with(elfMagic) || start.starts_with("#!"));
    const bool runByDesktop = windowsProgram || isDesktopEntry(real, start);
    if (!program && !runByDesktop)
        return document;
    if (liesOnNoexecMount(*file))
        return Failure{LaunchRefusal::ProgramOnNoexecMedium};
    // A program this user may not run is a document to them, unless the
    // desktop knows how to start it.
    if (program && ::access(real.c_str(), X_OK) == 0)
        return LaunchAction{LaunchKind::RunProgram, real.string(), finding};
    return runByDesktop ? LaunchAction{LaunchKind::OpenRunnableFile, real.string(), finding}
                        : document;
}

// The address with every escape decoded, again and again, so that no
// encoding of a name hides it from a program that decodes more than once. A
// broken escape is left as it stands.
std::string fullyDecoded(std::string_view address) {
    std::string text(address);
    for (;;) {
        const auto decoded = percentDecoded(text, EscapedSeparators::Allowed);
        if (!decoded || *decoded == text)
            return text;
        text = *decoded;
    }
}

// Whether a mailto: address names a parameter that mail programs take as a
// file to attach.
bool asksForAttachment(std::string_view address) {
    const std::string decoded = fullyDecoded(address);
    const std::size_t query = decoded.find('?');
    if (query == std::string::npos)
        return false;
    std::string_view rest = std::string_view(decoded).substr(query + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("&;?");
        const std::string_view parameter = rest.substr(0, end);
        const std::string name = asciiLowered(trimmed(parameter.substr(0, parameter.find('='))));
        if (name == "attach" || name == "attachment")
            return true;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return false;
}

LaunchDecision addressDecision(std::string_view address) {
    const std::string scheme = asciiLowered(address.substr(0, address.find(':')));
    if (std::ranges::find(linkSchemes, scheme) == linkSchemes.end())
        return Failure{LaunchRefusal::AddressScheme};
    if (scheme == "mailto" && asksForAttachment(address))
        return Failure{LaunchRefusal::MailAttachment};
    return LaunchAction{LaunchKind::OpenUrl, std::string(address)};
}

} // namespace

LaunchDecision decideLaunch(std::string_view strExeFile, const fs::path &mediumRoot) {
    if (isAddress(strExeFile))
        return addressDecision(strExeFile);
    // An absolute path keeps the process start from searching PATH for a
    // program of the same name.
    std::error_code error;
    const auto real = realPathOnMedium(fs::absolute(fs::path(strExeFile), error), mediumRoot);
    if (!real)
        return Failure{LaunchRefusal::OffMedium};
    return fileDecision(*real);
}
