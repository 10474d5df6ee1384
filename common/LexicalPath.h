#pragma once

#include <filesystem>

// Whether `path` lies below `folder`, judged by the names alone: "." and ".."
// are resolved and a trailing separator is ignored, links are not followed.
// A folder does not lie below itself.
bool isLexicallyBelow(const std::filesystem::path &path, const std::filesystem::path &folder);

// Whether `path` is `folder` itself or lies below it, judged the same way.
bool isLexicallyWithin(const std::filesystem::path &path, const std::filesystem::path &folder);
