#pragma once

#include <QtGlobal>
#include <cstdint>

// Holds every image decoder of Qt to `bytes` (rounded down to whole megabytes)
// for as long as it lives, and tells whether a decoder was refused by it. The
// limit applies to whatever the file holds, such as a huge PNG inside an ICO
// whose directory claims one pixel: Qt checks it wherever a plugin allocates
// its picture. Qt tells a refusal only by a warning of its "qt.gui.imageio"
// category, so the warnings are watched while the limit holds; every message is
// still passed on. One limit at a time, on the window's thread.
class DecoderMemoryLimit {
public:
    explicit DecoderMemoryLimit(std::uint64_t bytes);
    ~DecoderMemoryLimit();
    DecoderMemoryLimit(const DecoderMemoryLimit &) = delete;
    DecoderMemoryLimit &operator=(const DecoderMemoryLimit &) = delete;

    // Whether the limit is too small to be set at all, as Qt takes a limit of
    // 0 for none: then no decoder may run.
    bool tooSmall() const { return m_megabytes == 0; }
    bool refused() const { return m_refused; }

private:
    static void watch(QtMsgType type, const QMessageLogContext &context, const QString &message);

    const int m_megabytes;
    const int m_previousMegabytes;
    bool m_refused = false;
};
