#pragma once

#include <QCoreApplication>
#include <QString>

// A text of a table, marked for lupdate with QT_TRANSLATE_NOOP3, whose
// disambiguation tells it apart from the same source text meant otherwise:
// in Japanese one character names a weekday and a unit, or a unit on the
// screen and as a screen reader says it, where other languages need two.
struct TranslatableText {
    const char *source;
    const char *disambiguation;
};

inline QString translated(const char *context, const TranslatableText &text) {
    return QCoreApplication::translate(context, text.source, text.disambiguation);
}
