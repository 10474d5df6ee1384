#include "GifWork.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t headerSize = 13;
constexpr unsigned char extensionIntroducer = 0x21;
constexpr unsigned char imageSeparator = 0x2C;
constexpr std::size_t imageDescriptorSize = 10;
constexpr unsigned hasColourTable = 0x80;
constexpr unsigned maximumCodeBits = 12;
constexpr std::size_t tableSize = std::size_t{1} << maximumCodeBits;

// The LZW string lengths of one frame's codes, as the decoder's table grows.
class LzwCounter {
public:
    explicit LzwCounter(unsigned minimumBits)
        : m_minimumBits(std::clamp(minimumBits, 1u, maximumCodeBits - 1)),
          m_clear(1u << m_minimumBits) {
        restart();
    }

    void add(std::string_view bytes) {
        for (const char byte : bytes) {
            m_bits |= std::uint32_t{static_cast<unsigned char>(byte)} << m_bitCount;
            m_bitCount += 8;
            while (!m_ended && m_bitCount >= m_codeBits) {
                const std::uint32_t value = m_bits & ((1u << m_codeBits) - 1);
                m_bits >>= m_codeBits;
                m_bitCount -= m_codeBits;
                code(value);
            }
        }
    }

    std::uint64_t decodedPixels() const { return m_decoded; }

private:
    void restart() {
        m_codeBits = m_minimumBits + 1;
        m_next = m_clear + 2;
        m_previousLength = 0;
    }

    void code(std::uint32_t value) {
        if (value == m_clear) {
            restart();
            return;
        }
        if (value == m_clear + 1) {
            m_ended = true;
            return;
        }
        std::uint32_t length = tableSize;
        if (value < m_clear)
            length = 1;
        else if (value < m_next)
            length = m_lengths[value];
        else if (value == m_next && m_previousLength != 0)
            length = m_previousLength + 1;
        m_decoded += length;
        if (m_previousLength != 0 && m_next < tableSize) {
            m_lengths[m_next++] = std::min<std::uint32_t>(m_previousLength + 1, tableSize);
            if (m_next == (1u << m_codeBits) && m_codeBits < maximumCodeBits)
                ++m_codeBits;
        }
        m_previousLength = length;
    }

    const unsigned m_minimumBits;
    const std::uint32_t m_clear;
    unsigned m_codeBits = 0;
    std::uint32_t m_next = 0;
    std::uint32_t m_previousLength = 0;
    std::array<std::uint32_t, tableSize> m_lengths{};
    std::uint32_t m_bits = 0;
    unsigned m_bitCount = 0;
    bool m_ended = false;
    std::uint64_t m_decoded = 0;
};

class GifReader {
public:
    explicit GifReader(std::string_view data) : m_data(data) {}

    GifWork read() {
        if (!m_data.starts_with("GIF") || m_data.size() < headerSize)
            return {};
        std::size_t at = headerSize + colourTableSize(byte(10));
        while (at < m_data.size()) {
            const unsigned char block = byte(at);
            if (block == extensionIntroducer)
                at = skipSubBlocks(at + 2, nullptr);
            else if (block == imageSeparator)
                at = readFrame(at);
            else
                break;
        }
        return m_work;
    }

private:
    unsigned char byte(std::size_t at) const {
        return at < m_data.size() ? static_cast<unsigned char>(m_data[at]) : 0;
    }

    static std::size_t colourTableSize(unsigned flags) {
        return (flags & hasColourTable) ? 3 * (std::size_t{2} << (flags & 7)) : 0;
    }

    // Data sub-blocks: a length byte and as many bytes, up to a length of 0.
    std::size_t skipSubBlocks(std::size_t at, LzwCounter *counter) const {
        while (at < m_data.size() && byte(at) != 0) {
            const std::size_t length = byte(at);
            if (counter)
                counter->add(m_data.substr(at + 1, length));
            at += 1 + length;
        }
        return at + 1;
    }

    std::size_t readFrame(std::size_t at) {
        const std::uint64_t width = byte(at + 5) | std::uint64_t{byte(at + 6)} << 8;
        const std::uint64_t height = byte(at + 7) | std::uint64_t{byte(at + 8)} << 8;
        at += imageDescriptorSize + colourTableSize(byte(at + 9));
        LzwCounter counter(byte(at));
        at = skipSubBlocks(at + 1, &counter);
        const std::uint64_t pixels = width * height;
        m_work.decodedPixels += counter.decodedPixels();
        if (counter.decodedPixels() > pixels)
            m_work.largestExcess = std::max(m_work.largestExcess, counter.decodedPixels() - pixels);
        return at;
    }

    const std::string_view m_data;
    GifWork m_work;
};

} // namespace

GifWork gifWork(std::string_view data) {
    return GifReader(data).read();
}
