#include "UiLanguage.h"

#include <gtest/gtest.h>

namespace {

using Languages = std::vector<std::string>;

// The language spoken under each environment, with English and German
// translated: Japanese for Japanese and for the plain locales, the first
// language of LANGUAGE that has a translation, English for the rest.
TEST(UiLanguageTest, SpeaksTheFirstLanguageWantedThatItHas) {
    const std::tuple<LocaleEnvironment, Languages, const char *> rows[] = {
        {{}, {}, "ja"},
        {{"", "", "C", ""}, {}, "ja"},
        {{"", "", "C.UTF-8", "de"}, {}, "ja"}, // LANGUAGE is not read under C
        {{"POSIX", "", "de_DE.UTF-8", ""}, {}, "ja"},
        {{"", "", "ja_JP.UTF-8", ""}, {"ja_JP", "ja"}, "ja_JP"},
        {{"", "", "en_US.UTF-8", ""}, {"en_US", "en"}, "en"},
        {{"", "", "de_DE.UTF-8@euro", ""}, {"de_DE", "de"}, "de"},
        {{"", "", "fr_FR.UTF-8", ""}, {"fr_FR", "fr"}, "en"},
        {{"", "fr_FR.UTF-8", "ja_JP.UTF-8", ""}, {"fr_FR", "fr"}, "en"},
        {{"ja_JP.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", ""}, {"ja_JP", "ja"}, "ja_JP"},
        {{"", "", "ja_JP.UTF-8", "en_GB:en"}, {"en_GB", "en", "ja_JP", "ja"}, "en"},
        {{"", "", "de_DE.UTF-8", "fr:ja::de"}, {"fr", "ja", "de", "de_DE"}, "ja"},
        // A language without a translation gives way to the locale's own.
        {{"", "", "ja_JP.UTF-8", "fr"}, {"fr", "ja_JP", "ja"}, "ja_JP"},
    };
    for (const auto &[environment, wanted, chosen] : rows) {
        const Languages languages = wantedLanguages(environment);
        EXPECT_EQ(languages, wanted) << environment.lang << " " << environment.language;
        EXPECT_EQ(chosenLanguage(languages, {"de", "en"}), chosen) << environment.lang;
    }
}

} // namespace
