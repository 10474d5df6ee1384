#include "QuotedName.h"

#include "QtPaths.h"

namespace {

constexpr char16_t firstStrongIsolate = u'\u2068';
constexpr char16_t popDirectionalIsolate = u'\u2069';

// The marks, embeddings, overrides and isolates of bidirectional text, and
// the separators of lines and paragraphs.
bool reordersOrBreaksText(char16_t unit) {
    return unit == u'\u061C' || unit == u'\u200E' || unit == u'\u200F' ||
           (unit >= u'\u2028' && unit <= u'\u202E') || (unit >= u'\u2066' && unit <= u'\u2069');
}

bool isControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit < 0xA0);
}

} // namespace

QString quotedName(const QString &name) {
    QString quoted(firstStrongIsolate);
    for (const QChar character : name) {
        const char16_t unit = character.unicode();
        if (isControl(unit) || reordersOrBreaksText(unit))
            quoted += QStringLiteral("\\u") +
                      QString::number(unit, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        else
            quoted += character;
    }
    return quoted + QChar(popDirectionalIsolate);
}

QString quotedPath(const std::filesystem::path &path) {
    return quotedName(qtPath(path));
}
