#include "UiLanguage.h"

#include <algorithm>

namespace {

// "de_DE.UTF-8@euro" names the language and territory "de_DE".
std::string withoutCodesetAndModifier(const std::string &locale) {
    return locale.substr(0, locale.find_first_of(".@"));
}

bool isPlainLocale(const std::string &name) {
    return name.empty() || name == "C" || name == "POSIX";
}

void addWithItsLanguage(std::vector<std::string> &languages, const std::string &entry) {
    const std::string name = withoutCodesetAndModifier(entry);
    if (isPlainLocale(name))
        return;
    for (const std::string &wanted : {name, languageOf(name)}) {
        if (std::ranges::find(languages, wanted) == languages.end())
            languages.push_back(wanted);
    }
}

} // namespace

std::string languageOf(const std::string &name) {
    return name.substr(0, name.find('_'));
}

std::vector<std::string> wantedLanguages(const LocaleEnvironment &environment) {
    std::string messages = environment.all;
    for (const std::string *next : {&environment.messages, &environment.lang}) {
        if (messages.empty())
            messages = *next;
    }
    if (isPlainLocale(withoutCodesetAndModifier(messages)))
        return {};
    std::vector<std::string> languages;
    std::string::size_type start = 0;
    while (start <= environment.language.size()) {
        const std::string::size_type end =
            std::min(environment.language.find(':', start), environment.language.size());
        addWithItsLanguage(languages, environment.language.substr(start, end - start));
        start = end + 1;
    }
    addWithItsLanguage(languages, messages);
    return languages;
}

std::string chosenLanguage(const std::vector<std::string> &wanted,
                           const std::vector<std::string> &available) {
    if (wanted.empty())
        return sourceLanguage;
    for (const std::string &name : wanted) {
        if (languageOf(name) == sourceLanguage ||
            std::ranges::find(available, name) != available.end())
            return name;
    }
    return fallbackLanguage;
}
