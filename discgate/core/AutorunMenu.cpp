#include "AutorunMenu.h"

#include "AsciiText.h"
#include "cls_IniFile.h"

#include <charconv>
#include <map>

namespace {

constexpr char section[] = "autorun";
constexpr std::string_view verbPrefix = "shell\\";
constexpr std::string_view commandSuffix = "\\command";

// The most keys below "shell\" that are read: a file with millions of them
// must show its menu at once.
constexpr std::size_t maximumVerbKeys = 4000;

// "setup.exe,1" names icon 1 of the program; a comma followed by anything
// but a number belongs to the file's name.
void splitIcon(std::string_view value, AutorunMenu &menu) {
    const std::size_t comma = value.rfind(',');
    if (comma != std::string_view::npos) {
        const std::string_view number = trimmed(value.substr(comma + 1));
        std::int32_t index = 0;
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), index);
        if (!number.empty() && error == std::errc() && end == number.data() + number.size()) {
            menu.iconIndex = index;
            value = value.substr(0, comma);
        }
    }
    value = trimmed(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    menu.icon = std::string(value);
}

// The verbs of the keys below "shell\", each where its first key stands.
class VerbCollector {
public:
    // Takes one key; false once enough keys have been read.
    bool add(std::string_view name, const std::string &value) {
        std::string_view verb = name.substr(verbPrefix.size());
        const bool isCommand =
            verb.size() > commandSuffix.size() &&
            asciiLowered(verb.substr(verb.size() - commandSuffix.size())) == commandSuffix;
        if (isCommand)
            verb.remove_suffix(commandSuffix.size());
        verb = trimmed(verb);
        if (!verb.empty()) {
            const auto [known, isNew] = m_indexOf.try_emplace(asciiLowered(verb), m_verbs.size());
            if (isNew)
                m_verbs.push_back({std::string(verb), {}, {}});
            // The first key of a name counts, as a lookup finds it.
            std::string &field =
                isCommand ? m_verbs[known->second].command : m_verbs[known->second].label;
            if (field.empty())
                field = value;
        }
        return ++m_keys < maximumVerbKeys;
    }

    // The verbs that have a command, labelled by their names where the file
    // gives no label.
    std::vector<AutorunVerb> commandVerbs() && {
        std::vector<AutorunVerb> verbs;
        for (AutorunVerb &verb : m_verbs) {
            if (trimmed(verb.command).empty() || verbs.size() == maximumShownVerbs)
                continue;
            if (trimmed(verb.label).empty())
                verb.label = verb.name;
            verbs.push_back(std::move(verb));
        }
        return verbs;
    }

private:
    std::vector<AutorunVerb> m_verbs;
    std::map<std::string, std::size_t> m_indexOf;
    std::size_t m_keys = 0;
};

} // namespace

AutorunMenu parseAutorunMenu(const cls_IniFile &ini) {
    AutorunMenu menu;
    menu.label = ini.GetDataStr(section, "label");
    splitIcon(ini.GetDataStr(section, "icon"), menu);
    menu.open = ini.GetDataStr(section, "open");
    menu.shellExecute = ini.GetDataStr(section, "shellexecute");
    menu.action = ini.GetDataStr(section, "action");
    menu.defaultVerb = ini.GetDataStr(section, "shell");
    VerbCollector verbs;
    ini.ForEachKeyStartingWith(section, verbPrefix,
                               [&verbs](const std::string &name, const std::string &value) {
                                   return verbs.add(name, value);
                               });
    menu.verbs = std::move(verbs).commandVerbs();
    return menu;
}
