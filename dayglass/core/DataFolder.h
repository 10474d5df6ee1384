#pragma once

#include "cls_IniFile.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>

// Where dayglass keeps Data.ini and Calendar.ini (see dataFolderFor), and
// where it finds the files that the user has not saved there yet: a copy of
// the program in a folder that the user may not write, such as one on a
// read-only medium, brings its own files beside it.
struct DataFolder {
    DataFolder() = default;
    // A folder that holds every file itself, as tests and the portable copy
    // have it.
    DataFolder(std::filesystem::path folder) : path(std::move(folder)) {}
    DataFolder(std::filesystem::path folder, std::filesystem::path originals)
        : path(std::move(folder)), originals(std::move(originals)) {}

    // Where the files are read and written; empty when there is nowhere.
    std::filesystem::path path;
    // The folder whose file of a name is read while `path` holds none of that
    // name, and which the first save of that file starts from; empty when
    // there is none.
    std::filesystem::path originals;

    // The file of that name that a read finds: the user's own where there is
    // one, otherwise the original, where there is one, otherwise where the
    // user's would be; empty with neither a file nor a folder to keep one.
    std::filesystem::path fileToRead(const char *fileName) const;

    // Whether a read of the files finds originals alone: the originals hold
    // one of the files and `path` holds none of them, so the user has saved
    // nothing yet.
    bool readsOriginalsAlone(std::initializer_list<const char *> fileNames) const;

    bool operator==(const DataFolder &) const = default;
};

// An accessor on the file `fileName` of the data folder (see iniFileIn), which
// reads the original while the user has none of the name.
cls_IniFile iniFileIn(const DataFolder &folder, const char *fileName,
                      std::uintmax_t sizeLimit = FileStore::maximumFileSize);
