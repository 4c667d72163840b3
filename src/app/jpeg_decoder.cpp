#include "app/jpeg_decoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace corvinata {

namespace {

constexpr int kMaxSampling = 4;
// The coded data of a block takes two bits at the least (a DC code and an
// end-of-block code of one bit each): a scan whose bytes cannot hold its
// blocks is cut short, whatever its header says.
constexpr std::uint64_t kLeastBitsPerBlock = 2;
// A DC value of an 8-bit picture lies within +-1024 times its quantisation
// step; its differences are coded in at most 11 bits. A prediction beyond
// what 11 bits hold comes from no 8-bit picture.
constexpr int kLargestPrediction = 2047;
// An AC coefficient of an 8-bit picture is coded in at most 10 bits; a
// longer one is damage (which other decoders take, with values that wrap).
constexpr int kLongestAcValue = 10;

// Markers (T.81 table B.1).
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kBaselineFrame = 0xC0;
constexpr std::uint8_t kExtendedFrame = 0xC1;
constexpr std::uint8_t kHuffmanTables = 0xC4;
constexpr std::uint8_t kArithmeticTables = 0xCC;
constexpr std::uint8_t kQuantTables = 0xDB;
constexpr std::uint8_t kRestartInterval = 0xDD;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kAdobe = 0xEE;
constexpr std::uint8_t kFirstRestart = 0xD0;
constexpr std::uint8_t kLastRestart = 0xD7;

// The natural (row-major) place of each coefficient in zig-zag order.
constexpr std::array<int, 64> MakeZigZag() {
    std::array<int, 64> order{};
    int k = 0;
    for (int sum = 0; sum <= 14; ++sum) {
        const int low = sum < 8 ? 0 : sum - 7;
        const int high = sum < 8 ? sum : 7;
        for (int i = 0; i <= high - low; ++i) {
            const int row = sum % 2 == 0 ? high - i : low + i;
            order[static_cast<std::size_t>(k++)] = row * 8 + (sum - row);
        }
    }
    return order;
}
constexpr std::array<int, 64> kZigZag = MakeZigZag();

// A Huffman table in canonical form (T.81 annex C), with a table of the
// codes of up to kFastBits bits looked up at once.
constexpr int kFastBits = 9;
struct HuffmanTable {
    bool defined = false;
    std::array<std::uint8_t, 1 << kFastBits> fastLength{};
    std::array<std::uint8_t, 1 << kFastBits> fastValue{};
    std::array<int, 18> maxCode{};      // last code of each length, -1 for none
    std::array<int, 18> valueOffset{};  // index of a length's first value minus its first code
    std::array<std::uint8_t, 256> values{};

    bool Build(const std::uint8_t counts[16], const std::uint8_t* symbols, int total) {
        std::copy_n(symbols, total, values.begin());
        fastLength.fill(0);
        int code = 0;
        int index = 0;
        for (int length = 1; length <= 16; ++length) {
            const int count = counts[length - 1];
            valueOffset[static_cast<std::size_t>(length)] = index - code;
            for (int i = 0; i < count; ++i, ++code, ++index) {
                // More codes of a length than it has room for: not a prefix code.
                if (code >= (1 << length)) return false;
                if (length <= kFastBits) {
                    const int shift = kFastBits - length;
                    for (int fill = 0; fill < (1 << shift); ++fill) {
                        const std::size_t slot = static_cast<std::size_t>((code << shift) | fill);
                        fastLength[slot] = static_cast<std::uint8_t>(length);
                        fastValue[slot] = symbols[index];
                    }
                }
            }
            maxCode[static_cast<std::size_t>(length)] = count > 0 ? code - 1 : -1;
            code <<= 1;
        }
        maxCode[17] = 0x7FFFFFFF;
        defined = true;
        return true;
    }
};

struct Component {
    int id = 0;
    int h = 1;
    int v = 1;
    int quant = 0;
    int dcTable = 0;
    int acTable = 0;
    int width = 0;   // samples of the picture in this component
    int height = 0;
    int blocksWide = 0;  // blocks held, the last MCU's padding included
    int blocksHigh = 0;
    int prediction = 0;
    bool decoded = false;               // its scan was read, every block of it
    std::vector<std::uint8_t> samples;  // blocksWide * 8 a row, allocated by its scan
};

// The entropy-coded data of a scan, bit by bit, with its stuffed zero bytes
// removed. Past a marker or the end of the data it pads with zeros, so that
// a code can be looked up near the end; a code that takes any of those
// padding bits has run out of data.
class BitReader {
public:
    BitReader(const std::uint8_t* data, std::size_t size, std::size_t at) : data_(data), size_(size), at_(at) {}

    std::size_t Position() const noexcept { return at_; }
    bool RanOut() const noexcept { return held_ < padding_; }

    int Peek(int count) {
        Fill();
        return static_cast<int>(bits_ >> (32 - count));
    }
    void Skip(int count) noexcept {
        bits_ <<= count;
        held_ -= count;
    }
    int Read(int count) {
        if (count == 0) return 0;
        const int value = Peek(count);
        Skip(count);
        return value;
    }

    // A restart: the bits left over go, and the RSTn marker is passed.
    void Restart() {
        bits_ = 0;
        held_ = 0;
        padding_ = 0;
        atMarker_ = false;
        while (at_ + 1 < size_) {
            if (data_[at_] == 0xFF && data_[at_ + 1] >= kFirstRestart && data_[at_ + 1] <= kLastRestart) {
                at_ += 2;
                return;
            }
            if (data_[at_] == 0xFF && data_[at_ + 1] != 0 && data_[at_ + 1] != 0xFF) return;  // another marker
            ++at_;
        }
    }

private:
    void Fill() {
        while (held_ <= 24) {
            std::uint32_t byte = 0;
            if (!atMarker_ && at_ < size_) {
                byte = data_[at_];
                if (byte == 0xFF) {
                    const std::uint8_t next = at_ + 1 < size_ ? data_[at_ + 1] : 0xD9;
                    if (next == 0) {
                        at_ += 2;
                    } else {
                        atMarker_ = true;
                    }
                } else {
                    ++at_;
                }
            } else {
                atMarker_ = true;
            }
            if (atMarker_) {
                byte = 0;
                padding_ += 8;
            }
            bits_ |= byte << (24 - held_);
            held_ += 8;
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_;
    std::uint32_t bits_ = 0;
    int held_ = 0;     // bits in bits_, the padding included
    int padding_ = 0;  // zero bits made up after a marker or the end, the last of those held
    bool atMarker_ = false;
};

// The inverse DCT (T.81 A.3.3) as two passes of eight-point sums.
class InverseDct {
public:
    InverseDct() {
        const double pi = 3.14159265358979323846;
        for (int x = 0; x < 8; ++x) {
            for (int u = 0; u < 8; ++u) {
                const double c = u == 0 ? std::sqrt(0.5) : 1.0;
                basis_[static_cast<std::size_t>(x * 8 + u)] = static_cast<float>(c * std::cos((2 * x + 1) * u * pi / 16.0) / 2.0);
            }
        }
    }

    // Coefficients in natural order to samples, level-shifted and clamped.
    void Transform(const float coefficients[64], std::uint8_t* out, std::size_t stride) const {
        float rows[64];
        for (int v = 0; v < 8; ++v) {
            const float* in = coefficients + v * 8;
            bool acZero = true;
            for (int u = 1; u < 8; ++u) acZero = acZero && in[u] == 0.0f;
            for (int x = 0; x < 8; ++x) {
                float sum = 0.0f;
                if (acZero) {
                    sum = in[0] * basis_[static_cast<std::size_t>(x * 8)];
                } else {
                    for (int u = 0; u < 8; ++u) sum += in[u] * basis_[static_cast<std::size_t>(x * 8 + u)];
                }
                rows[v * 8 + x] = sum;
            }
        }
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                float sum = 0.0f;
                for (int v = 0; v < 8; ++v) sum += rows[v * 8 + x] * basis_[static_cast<std::size_t>(y * 8 + v)];
                // Clamped before rounding: coefficients of a damaged file
                // may sum beyond what a long holds on 32-bit Windows.
                out[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)] =
                    static_cast<std::uint8_t>(std::lround(std::clamp(sum + 128.0f, 0.0f, 255.0f)));
            }
        }
    }

private:
    std::array<float, 64> basis_{};
};

int Extend(int value, int length) noexcept {
    return value < (1 << (length - 1)) ? value - (1 << length) + 1 : value;
}

// Whether the marker begins a frame header (SOFn: any frame kind, the
// sequential Huffman ones this decoder reads among them).
bool IsFrameHeader(std::uint8_t marker) noexcept {
    return marker >= kBaselineFrame && marker <= 0xCF && marker != kHuffmanTables && marker != 0xC8 &&
           marker != kArithmeticTables;
}

// A marker, and the body of its segment (null for the markers that stand
// alone: SOI, EOI, RSTn, TEM).
struct Segment {
    std::uint8_t marker = 0;
    const std::uint8_t* body = nullptr;
    std::size_t bodySize = 0;
};

// Whether no encoder writes the marker: T.81 reserves 0x02..0xBF. The
// system's decoder takes one inside a scan with restarts for a restart out
// of place and reads on behind it, where this walk would read a segment's
// length: the two would meet different scans.
bool IsReservedMarker(std::uint8_t marker) noexcept { return marker >= 0x02 && marker < kBaselineFrame; }

// The marker at or after `at` (markers may be preceded by any number of
// fill bytes; stray bytes, and 0xFF 0x00, which is no marker, are passed
// over as the common decoders pass them) and its segment; `at` moves past
// them. False at the end of the data, at a reserved marker and at a
// segment whose length field is under 2 (the system's decoder steps over
// an application segment or a comment of that length as two bytes, where
// this walk could only guess) or that runs beyond the data.
bool NextSegment(const std::uint8_t* data, std::size_t size, std::size_t& at, Segment& segment) {
    for (;;) {
        while (at < size && data[at] != 0xFF) ++at;
        while (at < size && data[at] == 0xFF) ++at;
        if (at >= size) return false;
        if (data[at] != 0) break;
        ++at;
    }
    segment = Segment{};
    segment.marker = data[at++];
    const std::uint8_t m = segment.marker;
    if (m == kStartOfImage || m == kEndOfImage || m == 0x01 || (m >= kFirstRestart && m <= kLastRestart)) return true;
    if (IsReservedMarker(m) || at + 2 > size) return false;
    const std::size_t length = static_cast<std::size_t>(data[at] << 8 | data[at + 1]);
    if (length < 2 || at + length > size) return false;
    segment.body = data + at + 2;
    segment.bodySize = length - 2;
    at += length;
    return true;
}

// What this decoder does not take goes to another decoder (the system's
// picture object), which decodes the whole of the first frame, every scan
// of it, before anything can measure what it made. So that decoding is
// bounded as this decoder's is, the file is measured here, whatever segment
// this decoder stopped at: a file is handed on only with a first frame
// header of a size a picture may have and with kMostHandedOnScans scans at
// the most, counted up to the end-of-image marker as that decoder meets
// them (the coded data passed over to the next marker). The count holds
// only for a file read whole: a segment or marker the walk cannot step
// over as that decoder does, or data that ends before the end-of-image
// marker, leaves scans uncounted, and the file is damaged.
JpegResult MeasureLeftFile(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 2;
    Segment segment;
    bool framed = false;
    int scans = 0;
    for (;;) {
        if (!NextSegment(data, size, at, segment)) return JpegResult::kDamaged;
        if (segment.marker == kEndOfImage) break;
        if (segment.marker == kStartOfScan) {
            if (!framed) return JpegResult::kDamaged;
            if (++scans > kMostHandedOnScans) return JpegResult::kTooManyScans;
            continue;
        }
        if (framed || !segment.body || !IsFrameHeader(segment.marker)) continue;
        if (segment.bodySize < 5) return JpegResult::kDamaged;
        const std::uint8_t* body = segment.body;
        if (!IsAllowedPictureSize(body[3] << 8 | body[4], body[1] << 8 | body[2])) return JpegResult::kTooLarge;
        framed = true;
    }
    return framed ? JpegResult::kUnsupported : JpegResult::kDamaged;
}

class Decoder {
public:
    Decoder(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    JpegResult Run(PictureImage& out) {
        std::size_t at = 2;
        for (;;) {
            Segment segment;
            if (!NextSegment(data_, size_, at, segment)) return JpegResult::kDamaged;
            if (segment.marker == kEndOfImage) break;
            if (!segment.body) continue;
            const std::uint8_t* body = segment.body;
            const std::size_t bodySize = segment.bodySize;
            JpegResult result = JpegResult::kDecoded;
            switch (segment.marker) {
            case kBaselineFrame:
            case kExtendedFrame: result = ReadFrame(body, bodySize); break;
            case kHuffmanTables: result = ReadHuffmanTables(body, bodySize); break;
            case kQuantTables: result = ReadQuantTables(body, bodySize); break;
            case kRestartInterval:
                if (bodySize < 2) return JpegResult::kDamaged;
                restartInterval_ = body[0] << 8 | body[1];
                break;
            case kAdobe:
                if (bodySize >= 12 && std::equal(body, body + 5, "Adobe")) adobeTransform_ = body[11];
                break;
            case kStartOfScan: result = ReadScan(body, bodySize, at, at); break;
            default:
                // Arithmetic coding, and the other frame kinds: progressive,
                // lossless, hierarchical.
                if (segment.marker == kArithmeticTables || IsFrameHeader(segment.marker)) return JpegResult::kUnsupported;
                break;
            }
            if (result != JpegResult::kDecoded) return result;
        }
        if (!frameRead_ || !Complete()) return JpegResult::kDamaged;
        Convert(out);
        return JpegResult::kDecoded;
    }

private:
    // The frame's size and components. The samples wait for the scans, which
    // show whether the file holds data enough for them.
    JpegResult ReadFrame(const std::uint8_t* body, std::size_t size) {
        if (frameRead_) return JpegResult::kDamaged;
        if (size < 6) return JpegResult::kDamaged;
        height_ = body[1] << 8 | body[2];
        width_ = body[3] << 8 | body[4];
        const int count = body[5];
        // Measured first: a height of 0 (given later by a DNL marker) is no
        // size a picture may have either.
        if (!IsAllowedPictureSize(width_, height_)) return JpegResult::kTooLarge;
        if (body[0] != 8) return JpegResult::kUnsupported;
        if (count != 1 && count != 3) return count == 4 ? JpegResult::kUnsupported : JpegResult::kDamaged;
        if (size < 6 + 3 * static_cast<std::size_t>(count)) return JpegResult::kDamaged;
        components_.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            Component& c = components_[static_cast<std::size_t>(i)];
            c.id = body[6 + i * 3];
            c.h = body[7 + i * 3] >> 4;
            c.v = body[7 + i * 3] & 15;
            c.quant = body[8 + i * 3];
            if (c.h < 1 || c.h > kMaxSampling || c.v < 1 || c.v > kMaxSampling || c.quant > 3)
                return JpegResult::kDamaged;
            maxH_ = std::max(maxH_, c.h);
            maxV_ = std::max(maxV_, c.v);
        }
        mcusWide_ = (width_ + 8 * maxH_ - 1) / (8 * maxH_);
        mcusHigh_ = (height_ + 8 * maxV_ - 1) / (8 * maxV_);
        for (Component& c : components_) {
            // Sampling factors must divide the largest ones for the planes
            // to line up with the picture.
            if (maxH_ % c.h != 0 || maxV_ % c.v != 0) return JpegResult::kUnsupported;
            c.width = (width_ * c.h + maxH_ - 1) / maxH_;
            c.height = (height_ * c.v + maxV_ - 1) / maxV_;
            c.blocksWide = mcusWide_ * c.h;
            c.blocksHigh = mcusHigh_ * c.v;
        }
        frameRead_ = true;
        return JpegResult::kDecoded;
    }

    JpegResult ReadHuffmanTables(const std::uint8_t* body, std::size_t size) {
        std::size_t at = 0;
        while (at < size) {
            if (at + 17 > size) return JpegResult::kDamaged;
            const int kind = body[at] >> 4;
            const int slot = body[at] & 15;
            if (kind > 1 || slot > 3) return JpegResult::kDamaged;
            int total = 0;
            for (int i = 0; i < 16; ++i) total += body[at + 1 + static_cast<std::size_t>(i)];
            if (total > 256 || at + 17 + static_cast<std::size_t>(total) > size) return JpegResult::kDamaged;
            HuffmanTable& table = (kind == 0 ? dcTables_ : acTables_)[static_cast<std::size_t>(slot)];
            if (!table.Build(body + at + 1, body + at + 17, total)) return JpegResult::kDamaged;
            at += 17 + static_cast<std::size_t>(total);
        }
        return JpegResult::kDecoded;
    }

    JpegResult ReadQuantTables(const std::uint8_t* body, std::size_t size) {
        std::size_t at = 0;
        while (at < size) {
            const bool wide = (body[at] >> 4) != 0;
            const int slot = body[at] & 15;
            const std::size_t need = 1 + (wide ? 128 : 64);
            if (slot > 3 || at + need > size) return JpegResult::kDamaged;
            auto& table = quant_[static_cast<std::size_t>(slot)];
            for (int k = 0; k < 64; ++k) {
                const std::size_t i = at + 1 + static_cast<std::size_t>(wide ? 2 * k : k);
                table[static_cast<std::size_t>(k)] = wide ? (body[i] << 8 | body[i + 1]) : body[i];
            }
            quantDefined_[static_cast<std::size_t>(slot)] = true;
            at += need;
        }
        return JpegResult::kDecoded;
    }

    JpegResult ReadScan(const std::uint8_t* body, std::size_t size, std::size_t dataStart, std::size_t& next) {
        if (!frameRead_ || size < 1) return JpegResult::kDamaged;
        const int count = body[0];
        if (count < 1 || count > static_cast<int>(components_.size()) || size < 4 + 2 * static_cast<std::size_t>(count))
            return JpegResult::kDamaged;
        std::vector<Component*> scan;
        for (int i = 0; i < count; ++i) {
            const int id = body[1 + i * 2];
            auto found = std::find_if(components_.begin(), components_.end(),
                                      [id](const Component& c) { return c.id == id; });
            if (found == components_.end()) return JpegResult::kDamaged;
            // A sequential picture codes each component in one scan only.
            if (found->decoded || std::find(scan.begin(), scan.end(), &*found) != scan.end())
                return JpegResult::kDamaged;
            found->dcTable = body[2 + i * 2] >> 4;
            found->acTable = body[2 + i * 2] & 15;
            if (found->dcTable > 3 || found->acTable > 3) return JpegResult::kDamaged;
            if (!dcTables_[static_cast<std::size_t>(found->dcTable)].defined ||
                !acTables_[static_cast<std::size_t>(found->acTable)].defined ||
                !quantDefined_[static_cast<std::size_t>(found->quant)])
                return JpegResult::kDamaged;
            scan.push_back(&*found);
        }
        // A sequential scan codes all 64 coefficients at once.
        const std::size_t tail = 1 + 2 * static_cast<std::size_t>(count);
        if (body[tail] != 0 || body[tail + 1] != 63 || body[tail + 2] != 0) return JpegResult::kUnsupported;
        if (BlocksOf(scan) * kLeastBitsPerBlock > 8 * static_cast<std::uint64_t>(size_ - std::min(dataStart, size_)))
            return JpegResult::kDamaged;
        for (Component* c : scan) {
            c->samples.assign(static_cast<std::size_t>(c->blocksWide) * 64 * static_cast<std::size_t>(c->blocksHigh), 0);
        }
        BitReader bits(data_, size_, dataStart);
        const JpegResult result = DecodeScan(scan, bits);
        next = bits.Position();
        return result;
    }

    // The blocks the scan codes: one component alone block by block over
    // its own size, several in whole MCUs.
    std::uint64_t BlocksOf(const std::vector<Component*>& scan) const {
        if (scan.size() == 1) {
            const Component& c = *scan[0];
            return static_cast<std::uint64_t>((c.width + 7) / 8) * static_cast<std::uint64_t>((c.height + 7) / 8);
        }
        std::uint64_t perMcu = 0;
        for (const Component* c : scan) perMcu += static_cast<std::uint64_t>(c->h * c->v);
        return perMcu * static_cast<std::uint64_t>(mcusWide_) * static_cast<std::uint64_t>(mcusHigh_);
    }

    JpegResult DecodeScan(const std::vector<Component*>& scan, BitReader& bits) {
        for (Component* c : scan) c->prediction = 0;
        const bool single = scan.size() == 1;
        const int unitsWide = single ? (scan[0]->width + 7) / 8 : mcusWide_;
        const int unitsHigh = single ? (scan[0]->height + 7) / 8 : mcusHigh_;
        int untilRestart = restartInterval_;
        for (int my = 0; my < unitsHigh; ++my) {
            for (int mx = 0; mx < unitsWide; ++mx) {
                if (restartInterval_ > 0 && untilRestart == 0) {
                    bits.Restart();
                    for (Component* c : scan) c->prediction = 0;
                    untilRestart = restartInterval_;
                }
                for (Component* c : scan) {
                    const int h = single ? 1 : c->h;
                    const int v = single ? 1 : c->v;
                    for (int by = 0; by < v; ++by) {
                        for (int bx = 0; bx < h; ++bx) {
                            if (!DecodeBlock(*c, bits, mx * h + bx, my * v + by)) return JpegResult::kDamaged;
                        }
                    }
                }
                if (bits.RanOut()) return JpegResult::kDamaged;
                --untilRestart;
            }
        }
        for (Component* c : scan) c->decoded = true;
        return JpegResult::kDecoded;
    }

    static int DecodeSymbol(const HuffmanTable& table, BitReader& bits) {
        const int look = bits.Peek(kFastBits);
        const int length = table.fastLength[static_cast<std::size_t>(look)];
        if (length > 0) {
            bits.Skip(length);
            return table.fastValue[static_cast<std::size_t>(look)];
        }
        const int wide = bits.Peek(16);
        for (int l = kFastBits + 1; l <= 16; ++l) {
            const int code = wide >> (16 - l);
            if (code <= table.maxCode[static_cast<std::size_t>(l)]) {
                bits.Skip(l);
                const int index = table.valueOffset[static_cast<std::size_t>(l)] + code;
                return index >= 0 && index < 256 ? table.values[static_cast<std::size_t>(index)] : -1;
            }
        }
        return -1;
    }

    bool DecodeBlock(Component& c, BitReader& bits, int blockX, int blockY) {
        float coefficients[64] = {};
        const auto& quant = quant_[static_cast<std::size_t>(c.quant)];
        const int dcLength = DecodeSymbol(dcTables_[static_cast<std::size_t>(c.dcTable)], bits);
        if (dcLength < 0 || dcLength > 11) return false;
        c.prediction += dcLength > 0 ? Extend(bits.Read(dcLength), dcLength) : 0;
        if (c.prediction < -kLargestPrediction || c.prediction > kLargestPrediction) return false;
        coefficients[0] = static_cast<float>(c.prediction * quant[0]);
        const HuffmanTable& ac = acTables_[static_cast<std::size_t>(c.acTable)];
        for (int k = 1; k < 64;) {
            const int symbol = DecodeSymbol(ac, bits);
            if (symbol < 0) return false;
            const int run = symbol >> 4;
            const int length = symbol & 15;
            if (length == 0) {
                if (run != 15) break;  // end of block
                k += 16;
                continue;
            }
            k += run;
            if (k > 63 || length > kLongestAcValue) return false;
            coefficients[kZigZag[static_cast<std::size_t>(k)]] =
                static_cast<float>(Extend(bits.Read(length), length) * quant[static_cast<std::size_t>(k)]);
            ++k;
        }
        // Blocks of the padding beyond the planes are decoded and dropped.
        if (blockX >= c.blocksWide || blockY >= c.blocksHigh) return true;
        const std::size_t stride = static_cast<std::size_t>(c.blocksWide) * 8;
        idct_.Transform(coefficients,
                        &c.samples[static_cast<std::size_t>(blockY) * 8 * stride + static_cast<std::size_t>(blockX) * 8],
                        stride);
        return true;
    }

    bool Complete() const {
        return std::all_of(components_.begin(), components_.end(), [](const Component& c) { return c.decoded; });
    }

    // How a component's samples become one per pixel: as the common
    // decoders do by default, the triangle filter (3/4 of the nearer
    // sample, 1/4 of the next, with their rounding) for 2:1 in either
    // direction or both, but repeated samples where 2:1 chroma is only one
    // or two samples wide, and for every other ratio.
    enum class Upsampling { kNone, kRepeat, kAcross, kDown, kBoth };

    Upsampling UpsamplingOf(const Component& c) const {
        const int fx = maxH_ / c.h;
        const int fy = maxV_ / c.v;
        if (fx == 1 && fy == 1) return Upsampling::kNone;
        if (fx == 1 && fy == 2) return Upsampling::kDown;
        if (fx == 2 && c.width > 2) {
            if (fy == 1) return Upsampling::kAcross;
            if (fy == 2) return Upsampling::kBoth;
        }
        return Upsampling::kRepeat;
    }

    // Row `y` of the component at the picture's size into `row`
    // (width_ values); `sums` is room for c.width values.
    void UpsampleRow(const Component& c, Upsampling how, int y, std::uint8_t* row, std::vector<int>& sums) const {
        const std::size_t stride = static_cast<std::size_t>(c.blocksWide) * 8;
        auto at = [&](int x, int sy) {
            return static_cast<int>(c.samples[static_cast<std::size_t>(sy) * stride + static_cast<std::size_t>(x)]);
        };
        // The sample row nearer to y and the next one beyond it (the edge
        // rows stand in for the rows beyond the edges).
        const int sy = y / (maxV_ / c.v);
        const bool upper = y % 2 == 0;
        const int far = upper ? std::max(sy - 1, 0) : std::min(sy + 1, c.height - 1);
        switch (how) {
        case Upsampling::kNone:
            for (int x = 0; x < width_; ++x) row[x] = static_cast<std::uint8_t>(at(x, sy));
            return;
        case Upsampling::kDown:
            for (int x = 0; x < width_; ++x)
                row[x] = static_cast<std::uint8_t>((3 * at(x, sy) + at(x, far) + (upper ? 1 : 2)) >> 2);
            return;
        case Upsampling::kAcross:
            for (int x = 0; x < width_; ++x) {
                const int sx = x / 2;
                const bool left = x % 2 == 0;
                const int other = left ? std::max(sx - 1, 0) : std::min(sx + 1, c.width - 1);
                row[x] = static_cast<std::uint8_t>((3 * at(sx, sy) + at(other, sy) + (left ? 1 : 2)) >> 2);
            }
            return;
        case Upsampling::kBoth:
            for (int x = 0; x < c.width; ++x) sums[static_cast<std::size_t>(x)] = 3 * at(x, sy) + at(x, far);
            for (int x = 0; x < width_; ++x) {
                const int sx = x / 2;
                const bool left = x % 2 == 0;
                const int other = left ? std::max(sx - 1, 0) : std::min(sx + 1, c.width - 1);
                const int value = 3 * sums[static_cast<std::size_t>(sx)] + sums[static_cast<std::size_t>(other)];
                row[x] = static_cast<std::uint8_t>((value + (left ? 8 : 7)) >> 4);
            }
            return;
        case Upsampling::kRepeat:
            break;
        }
        const int fx = maxH_ / c.h;
        for (int x = 0; x < width_; ++x) row[x] = static_cast<std::uint8_t>(at(x / fx, sy));
    }

    // The picture a row at a time, so that only the samples and the
    // picture are held at once.
    void Convert(PictureImage& out) const {
        const std::size_t count = components_.size();
        std::vector<Upsampling> how;
        std::vector<std::vector<std::uint8_t>> rows(count, std::vector<std::uint8_t>(static_cast<std::size_t>(width_)));
        std::vector<int> sums;
        for (const Component& c : components_) {
            how.push_back(UpsamplingOf(c));
            sums.resize(std::max(sums.size(), static_cast<std::size_t>(c.width)));
        }
        out.width = width_;
        out.height = height_;
        out.bgr.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
        const bool grey = count == 1;
        const bool rgb = !grey && (adobeTransform_ == 0 || (components_[0].id == 'R' && components_[1].id == 'G' &&
                                                            components_[2].id == 'B'));
        for (int y = 0; y < height_; ++y) {
            for (std::size_t i = 0; i < count; ++i) UpsampleRow(components_[i], how[i], y, rows[i].data(), sums);
            std::uint8_t* p = &out.bgr[out.Offset(0, y)];
            for (std::size_t x = 0; x < static_cast<std::size_t>(width_); ++x, p += 3) {
                if (grey) {
                    p[0] = p[1] = p[2] = rows[0][x];
                    continue;
                }
                if (rgb) {
                    p[0] = rows[2][x];
                    p[1] = rows[1][x];
                    p[2] = rows[0][x];
                    continue;
                }
                // JFIF's YCbCr in 16-bit fixed point.
                const int luma = rows[0][x];
                const int cb = rows[1][x] - 128;
                const int cr = rows[2][x] - 128;
                const int r = luma + ((91881 * cr + 32768) >> 16);
                const int g = luma + ((-22554 * cb - 46802 * cr + 32768) >> 16);
                const int b = luma + ((116130 * cb + 32768) >> 16);
                p[0] = static_cast<std::uint8_t>(std::clamp(b, 0, 255));
                p[1] = static_cast<std::uint8_t>(std::clamp(g, 0, 255));
                p[2] = static_cast<std::uint8_t>(std::clamp(r, 0, 255));
            }
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    bool frameRead_ = false;
    int width_ = 0;
    int height_ = 0;
    int maxH_ = 1;
    int maxV_ = 1;
    int mcusWide_ = 0;
    int mcusHigh_ = 0;
    int restartInterval_ = 0;
    int adobeTransform_ = -1;
    std::vector<Component> components_;
    std::array<HuffmanTable, 4> dcTables_{};
    std::array<HuffmanTable, 4> acTables_{};
    std::array<std::array<int, 64>, 4> quant_{};
    std::array<bool, 4> quantDefined_{};
    InverseDct idct_;
};

}  // namespace

bool LooksLikeJpeg(const std::uint8_t* data, std::size_t size) noexcept {
    return data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == kStartOfImage && data[2] == 0xFF;
}

JpegResult DecodeJpeg(const std::uint8_t* data, std::size_t size, PictureImage& out) {
    out = PictureImage{};
    if (!LooksLikeJpeg(data, size)) return JpegResult::kNotJpeg;
    Decoder decoder(data, size);
    PictureImage image;
    JpegResult result = decoder.Run(image);
    if (result == JpegResult::kUnsupported) result = MeasureLeftFile(data, size);
    if (result == JpegResult::kDecoded) out = std::move(image);
    return result;
}

}  // namespace corvinata
