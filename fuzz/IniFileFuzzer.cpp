// Random file bytes, then random reads and writes through cls_IniFile, each
// checked against IniModel: a read must give what the model holds (its stored
// length too), and after the writes every key of the model must still read
// back. Callers' names may carry blanks around them, which the accessor
// drops as the file's names are read. A UTF-16LE file means what its text in
// UTF-8 means, and writes must keep it meaning that.

#include "FuzzFolder.h"
#include "IniModel.h"
#include "IniText.h"
#include "cls_IniFile.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Names as the programs use them, and a few that test the matching: letter
// case, Shift-JIS characters whose second byte is a letter ("ア" is 83 41),
// "[" ("ゼ" is 83 5B) or "]" ("ゾ" is 83 5D), and a character beyond
// Shift-JIS, which is stored as "?".
constexpr std::array<const char *, 16> knownNames = {
    "Start", "start", "Text", "Collar", "2005/10/14(金)", "Btn1", "ア", "ゼ", "[ゾ]", "a😀",
    "a?",    "",      "x",    "X",      " Text\t",        "\t"};

constexpr int mostOperations = 64;
constexpr int mostCheckedKeys = 64;

void fail(const char *what, const std::string &section, const std::string &key,
          const std::string &read, const std::string &expected) {
    std::fprintf(stderr, "%s: [%s] %s read \"%s\", expected \"%s\"\n", what, section.c_str(),
                 key.c_str(), read.c_str(), expected.c_str());
    std::abort();
}

class IniSession {
public:
    IniSession(FuzzedDataProvider &input, const std::string &path)
        : m_input(input), m_ini(path), m_content(initialContent(path)),
          m_model(IniText::readableContent(m_content)) {}

    void run() {
        for (int operation = 0; operation < mostOperations && m_input.remaining_bytes() > 0;
             ++operation) {
            const int kind = m_input.ConsumeIntegralInRange(0, 3);
            const std::string section = callerText(name());
            const std::string key = callerText(name());
            if (kind == 0)
                checkRead(section, key);
            else if (kind == 1)
                checkInteger(section, key);
            else if (kind == 2)
                checkLength(section, key);
            else
                write(section, key, callerText(value()));
        }
        checkEveryKey();
    }

private:
    std::string initialContent(const std::string &path) {
        std::remove(path.c_str());
        if (!m_input.ConsumeBool())
            return {};
        std::string content = m_input.ConsumeRandomLengthString(8192);
        writeBytes(path, content);
        return content;
    }

    // A name in UTF-8, as callers pass it: a known one, one of the file, or
    // any text.
    std::string name() {
        switch (m_input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return knownNames[m_input.ConsumeIntegralInRange<std::size_t>(0,
                                                                          knownNames.size() - 1)];
        case 1:
            return nameFromFile();
        default:
            return m_input.ConsumeRandomLengthString(16);
        }
    }

    std::string nameFromFile() {
        const auto &sections = m_model.sections();
        if (sections.empty())
            return {};
        const auto &section =
            sections[m_input.ConsumeIntegralInRange<std::size_t>(0, sections.size() - 1)];
        if (section.keys.empty() || m_input.ConsumeBool())
            return decodeText(section.name, m_model.encoding());
        return decodeText(
            section.keys[m_input.ConsumeIntegralInRange<std::size_t>(0, section.keys.size() - 1)]
                .name,
            m_model.encoding());
    }

    std::string value() {
        if (m_input.ConsumeIntegralInRange(0, 15) == 0)
            return std::string(m_input.ConsumeIntegralInRange(990, 1100), 'v') + "日";
        return m_input.ConsumeRandomLengthString(40);
    }

    // A caller's name as the file holds it.
    std::string encoded(const std::string &text) const {
        return encodeText(trimmed(text), m_model.encoding());
    }

    // Text as callers pass it, for a UTF-16 file: in UTF-8, as every text of
    // Qt's is. A UTF-16 file cannot hold a byte that begins no UTF-8
    // character, and stores U+FFFD in its place.
    std::string callerText(const std::string &text) const {
        const bool utf16 = isUtf16LeText(m_content) || isUtf16BeText(m_content);
        return utf16 ? utf8FromUtf16Le(utf16LeFromUtf8(text)) : text;
    }

    std::string expectedText(const std::string &section, const std::string &key) const {
        const auto stored = m_model.value(encoded(section), encoded(key));
        const std::string text = stored ? decodeText(*stored, m_model.encoding()) : std::string();
        return text == "Error" ? std::string() : text;
    }

    void checkRead(const std::string &section, const std::string &key) const {
        const std::string read = m_ini.GetDataStr(section, key);
        const std::string expected = expectedText(section, key);
        if (read != expected)
            fail("GetDataStr differs from the model", section, key, read, expected);
    }

    void checkInteger(const std::string &section, const std::string &key) const {
        const auto stored = m_model.value(encoded(section), encoded(key));
        const std::int32_t expected = stored ? profileInteger(*stored) : 0;
        const std::int32_t read = m_ini.GetDataInt(section, key);
        if (read != (expected == -1 ? 0 : expected))
            fail("GetDataInt differs from the model", section, key, std::to_string(read),
                 std::to_string(expected));
    }

    void checkLength(const std::string &section, const std::string &key) const {
        const std::size_t expected =
            m_model.wholeLength(encoded(section), encoded(key)).value_or(0);
        const std::size_t read = m_ini.GetDataLength(section, key);
        if (read != expected)
            fail("GetDataLength differs from the model", section, key, std::to_string(read),
                 std::to_string(expected));
    }

    void write(const std::string &section, const std::string &key, const std::string &value) {
        if (!m_model.isWritableSectionName(encoded(section)) ||
            !m_model.isWritableKeyName(encoded(key)))
            return;
        if (const WriteResult result = m_ini.SetDataStr(section, key, value); !result) {
            std::fprintf(stderr, "SetDataStr failed: problem %d, error %d\n",
                         static_cast<int>(result.error().problem),
                         result.error().systemError.value());
            std::abort();
        }
        m_model.set(encoded(section), encoded(key), encodeText(value, m_model.encoding()));
        checkRead(section, key);
    }

    // Every key that a caller can name must read as the model says, so that a
    // write that damaged another line shows.
    void checkEveryKey() const {
        int checked = 0;
        for (const auto &section : m_model.sections()) {
            for (const auto &key : section.keys) {
                const std::string sectionName = decodeText(section.name, m_model.encoding());
                const std::string keyName = decodeText(key.name, m_model.encoding());
                if (encoded(sectionName) != section.name || encoded(keyName) != key.name)
                    continue;
                checkRead(sectionName, keyName);
                if (++checked == mostCheckedKeys)
                    return;
            }
        }
    }

    FuzzedDataProvider &m_input;
    cls_IniFile m_ini;
    // The file as it was first written.
    const std::string m_content;
    IniModel m_model;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    IniSession(input, (fuzzFolder() / "Calendar.ini").string()).run();
    return 0;
}
