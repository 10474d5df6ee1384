#include "JpegCost.h"

#include <algorithm>
#include <map>

namespace {

// A progressive JPEG is decoded scan by scan, and each scan may touch every
// coefficient of its components again: 300 scans of 5600 × 5600 pixels fit in
// 200 KB and take eight seconds to decode, 10,000 smaller ones half a minute.
// Real pictures have about ten scans; more than this is refused whatever the
// picture's size.
constexpr std::size_t maximumJpegScans = 300;

constexpr unsigned char markerStart = 0xFF;
constexpr unsigned char startOfImage = 0xD8;
constexpr unsigned char endOfImage = 0xD9;
constexpr unsigned char startOfScan = 0xDA;
constexpr std::uint64_t blockSide = 8;
constexpr std::uint64_t bytesPerCoefficientBlock = 64 * 2;
constexpr std::uint64_t coefficientsPerBlock = 64;

// Markers without a length: the restart markers and TEM.
bool standsAlone(unsigned char marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01 || marker == startOfImage;
}

// The start-of-frame markers; 0xC4, 0xC8 and 0xCC are tables and reserved.
bool isStartOfFrame(unsigned char marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(unsigned char marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// The frames of 0xC9 and above code their data arithmetically.
bool isArithmetic(unsigned char marker) {
    return marker >= 0xC9;
}

std::uint64_t ceilDivide(std::uint64_t value, std::uint64_t divisor) {
    return (value + divisor - 1) / divisor;
}

std::uint64_t roundUp(std::uint64_t value, std::uint64_t multiple) {
    return ceilDivide(value, multiple) * multiple;
}

class JpegReader {
public:
    explicit JpegReader(std::string_view data) : m_data(data) {}

    JpegCost read() {
        if (m_data.size() < 2 || byte(0) != markerStart || byte(1) != startOfImage)
            return {};
        constexpr char fill = static_cast<char>(markerStart);
        for (std::size_t at = 2;;) {
            // A marker is its code after one or more 0xFF bytes.
            at = m_data.find_first_not_of(fill, m_data.find(fill, at));
            if (at == std::string_view::npos)
                break;
            const unsigned char marker = byte(at++);
            if (marker == endOfImage)
                break;
            if (marker == 0 || standsAlone(marker))
                continue;
            const std::size_t length = segmentLength(at);
            const std::string_view segment =
                m_data.substr(std::min(at + 2, m_data.size()), length < 2 ? 0 : length - 2);
            at += std::max<std::size_t>(length, 2);
            if (isStartOfFrame(marker)) {
                m_arithmetic = m_arithmetic || isArithmetic(marker);
                readFrame(segment, isProgressive(marker));
            } else if (marker == startOfScan) {
                readScan(segment);
                at = endOfCodedData(at);
            }
        }
        return cost();
    }

private:
    struct Component {
        std::uint64_t blocks = 0;
        // The blocks that the decoder keeps, rounded up to whole groups of
        // the component's sampling factors.
        std::uint64_t storedBlocks = 0;
    };

    unsigned char byte(std::size_t at) const { return static_cast<unsigned char>(m_data[at]); }

    std::size_t segmentLength(std::size_t at) const {
        return at + 1 < m_data.size() ? std::size_t{byte(at)} << 8 | byte(at + 1) : 0;
    }

    // Coded data ends at the first marker other than a restart marker; a
    // coded 0xFF byte is followed by 0x00, fill bytes by another 0xFF.
    std::size_t endOfCodedData(std::size_t at) const {
        for (; at + 1 < m_data.size(); ++at) {
            const unsigned char next = byte(at + 1);
            if (byte(at) == markerStart && next != 0 && next != markerStart &&
                !(next >= 0xD0 && next <= 0xD7))
                return at;
        }
        return m_data.size();
    }

    // A frame: precision, height, width, then per component its identifier,
    // its sampling factors (horizontal in the high nibble) and its table.
    void readFrame(std::string_view frame, bool progressive) {
        if (frame.size() < 6)
            return;
        auto at = [&frame](std::size_t index) { return static_cast<unsigned char>(frame[index]); };
        m_height = std::uint64_t{at(1)} << 8 | at(2);
        m_width = std::uint64_t{at(3)} << 8 | at(4);
        m_progressive = m_progressive || progressive;
        const std::size_t count = std::min<std::size_t>(at(5), (frame.size() - 6) / 3);
        // Factors beyond 1 to 4 are damage that the decoder refuses; they are
        // clamped so that the sizes below stay defined.
        auto factor = [](unsigned value) { return std::clamp<std::uint64_t>(value, 1, 4); };
        auto horizontal = [&](std::size_t c) { return factor(at(7 + 3 * c) >> 4); };
        auto vertical = [&](std::size_t c) { return factor(at(7 + 3 * c) & 0x0F); };
        std::uint64_t maxHorizontal = 1;
        std::uint64_t maxVertical = 1;
        for (std::size_t c = 0; c < count; ++c) {
            maxHorizontal = std::max(maxHorizontal, horizontal(c));
            maxVertical = std::max(maxVertical, vertical(c));
        }
        m_components.clear();
        for (std::size_t c = 0; c < count; ++c) {
            const std::uint64_t width =
                ceilDivide(m_width * horizontal(c), maxHorizontal * blockSide);
            const std::uint64_t height =
                ceilDivide(m_height * vertical(c), maxVertical * blockSide);
            m_components[at(6 + 3 * c)] = {width * height, roundUp(width, horizontal(c)) *
                                                               roundUp(height, vertical(c))};
        }
    }

    // A scan header: the number of components, then each one's identifier
    // and tables, then the first and last coefficient of its band.
    void readScan(std::string_view scan) {
        ++m_scans;
        if (scan.empty())
            return;
        const std::size_t count =
            std::min<std::size_t>(static_cast<unsigned char>(scan[0]), (scan.size() - 1) / 2);
        const std::size_t bandAt = 1 + 2 * count;
        const auto band = [&scan, bandAt] {
            if (scan.size() < bandAt + 2)
                return coefficientsPerBlock;
            const unsigned first = static_cast<unsigned char>(scan[bandAt]);
            const unsigned last = static_cast<unsigned char>(scan[bandAt + 1]);
            return std::clamp<std::uint64_t>(last >= first ? last - first + 1 : 1, 1,
                                             coefficientsPerBlock);
        }();
        const JpegBlockWork perBlock = m_arithmetic ? arithmeticBlockWork : huffmanBlockWork;
        for (std::size_t c = 0; c < count; ++c) {
            const auto found = m_components.find(static_cast<unsigned char>(scan[1 + 2 * c]));
            if (found != m_components.end())
                m_scanWork +=
                    found->second.blocks * (perBlock.fixed + band * perBlock.perCoefficient);
        }
    }

    JpegCost cost() const {
        JpegCost cost;
        cost.scans = m_scans;
        if (m_scans == 0)
            return cost;
        std::uint64_t blocks = 0;
        std::uint64_t storedBlocks = 0;
        for (const auto &[id, component] : m_components) {
            blocks += component.blocks;
            storedBlocks += component.storedBlocks;
        }
        cost.work = m_scanWork + blocks * coefficientsPerBlock;
        cost.pixelBytes = m_width * m_height * PixelBudget::bytesPerPixel;
        if (m_progressive || m_scans > 1)
            cost.coefficientBytes = storedBlocks * bytesPerCoefficientBlock;
        return cost;
    }

    const std::string_view m_data;
    std::uint64_t m_width = 0;
    std::uint64_t m_height = 0;
    bool m_progressive = false;
    bool m_arithmetic = false;
    std::map<unsigned char, Component> m_components;
    std::size_t m_scans = 0;
    std::uint64_t m_scanWork = 0;
};

} // namespace

JpegCost jpegCost(std::string_view data) {
    return JpegReader(data).read();
}

Result<void, LoadProblem> takeJpegCost(const JpegCost &cost, PixelBudget &budget) {
    if (cost.scans > maximumJpegScans)
        return Failure{LoadProblem::PictureTooManyScans};
    if (!budget.fits(cost.pixelBytes + cost.coefficientBytes))
        return Failure{LoadProblem::PicturesOverBudget};
    if (!budget.takeDecodingWork(cost.work))
        return Failure{LoadProblem::PictureTooManyScans};
    return {};
}
