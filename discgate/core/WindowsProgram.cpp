#include "WindowsProgram.h"

#include "AsciiText.h"

bool hasWindowsProgramName(const std::filesystem::path &path) {
    const std::string extension = asciiLowered(path.extension().string());
    return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".msi";
}

bool beginsAsWindowsProgram(std::string_view start) {
    return start.starts_with("MZ");
}
