#include "NoteTransferMessages.h"

#include <gtest/gtest.h>

namespace {

// A file's name is shown as it is, whatever it holds: a placeholder in it is
// not filled in by the number that follows, and a line break in it is no line
// of the message.
TEST(NoteTransferMessagesTest, QuoteTheFileAsItIs) {
    const QString file = QStringLiteral("/tmp/a%2b\nc.ics");
    const QString text =
        NoteTransferMessages::imported(ImportOutcome(ImportedNotes{3, {}}), file, 10);
    EXPECT_EQ(text.toStdString(),
              "\u2068/tmp/a%2b\\u000Ac.ics\u2069 から 3 日のメモに書き加えました。");
}

} // namespace
