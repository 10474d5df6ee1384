// A process that writes an INI file through cls_IniFile, for the tests that
// kill writers or run two of them at once.
//
//   ini_writer PATH SECTION PREFIX COUNT   writes PREFIX0 … PREFIX<COUNT-1>
//   ini_writer PATH SECTION KEY forever    writes KEY = 1, 2, 3 … until killed

#include "cls_IniFile.h"

#include <cstdlib>
#include <string>

int main(int argc, char **argv) {
    if (argc != 5)
        return 2;
    cls_IniFile ini(argv[1]);
    const std::string section = argv[2];
    const std::string key = argv[3];
    if (std::string(argv[4]) == "forever") {
        for (long counter = 1;; ++counter)
            static_cast<void>(ini.SetDataStr(section, key, std::to_string(counter)));
    }
    const long count = std::strtol(argv[4], nullptr, 10);
    for (long i = 0; i < count; ++i)
        static_cast<void>(
            ini.SetDataStr(section, key + std::to_string(i), "value " + std::to_string(i)));
    return 0;
}
