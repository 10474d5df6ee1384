#include "DecoderMemoryLimit.h"

#include <QImageReader>
#include <algorithm>
#include <limits>

namespace {

// The limit that is watching now; Qt's message handler is a plain function.
DecoderMemoryLimit *watchingLimit = nullptr;
QtMessageHandler handlerBefore = nullptr;

int wholeMegabytes(std::uint64_t bytes) {
    return static_cast<int>(std::min<std::uint64_t>(bytes >> 20, std::numeric_limits<int>::max()));
}

} // namespace

DecoderMemoryLimit::DecoderMemoryLimit(std::uint64_t bytes)
    : m_megabytes(wholeMegabytes(bytes)), m_previousMegabytes(QImageReader::allocationLimit()) {
    if (!tooSmall())
        QImageReader::setAllocationLimit(m_megabytes);
    watchingLimit = this;
    handlerBefore = qInstallMessageHandler(&DecoderMemoryLimit::watch);
}

DecoderMemoryLimit::~DecoderMemoryLimit() {
    qInstallMessageHandler(handlerBefore);
    watchingLimit = nullptr;
    QImageReader::setAllocationLimit(m_previousMegabytes);
}

void DecoderMemoryLimit::watch(QtMsgType type, const QMessageLogContext &context,
                               const QString &message) {
    if (watchingLimit && type == QtWarningMsg && qstrcmp(context.category, "qt.gui.imageio") == 0 &&
        message.contains(QLatin1String("allocation limit")))
        watchingLimit->m_refused = true;
    // Qt hands back its default handler when no other was installed.
    handlerBefore(type, context, message);
}
