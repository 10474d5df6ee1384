#pragma once

#include <string>
#include <vector>

// Which language the programs speak, decided as the desktop's own programs
// decide it. Japanese is the language the texts are written in; every other
// language comes from a translation, and English stands in for a language
// that has none.

// The locale variables as the environment holds them, empty where unset.
struct LocaleEnvironment {
    std::string all;      // LC_ALL
    std::string messages; // LC_MESSAGES
    std::string lang;     // LANG
    std::string language; // LANGUAGE, a list of languages separated by colons
};

// The languages the user asks for, most wanted first, each as "de_DE" and
// then "de": those of LANGUAGE, then that of the locale of messages. The C
// and POSIX locales, and none at all, ask for nothing, and LANGUAGE is not
// read under them, as gettext does not read it there.
std::vector<std::string> wantedLanguages(const LocaleEnvironment &environment);

// The first of `wanted` that is Japanese or has one of the `available`
// translations (named "de" or "de_DE"); English where none has. Under no wish
// at all, Japanese.
std::string chosenLanguage(const std::vector<std::string> &wanted,
                           const std::vector<std::string> &available);

// The language of a name such as "de_DE": "de".
std::string languageOf(const std::string &name);

inline constexpr char sourceLanguage[] = "ja";
inline constexpr char fallbackLanguage[] = "en";
