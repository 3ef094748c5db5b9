#include "model/project_file.h"

#include "model/record_io.h"
#include "model/text.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <zlib.h>

namespace zw {
namespace {

constexpr uint8_t kTagShortAscii = 0x06;
constexpr uint8_t kTagLongAscii = 0x0C;
constexpr uint8_t kTagUtf16 = 0x12;
constexpr uint8_t kTagUtf8 = 0x14;

// The name as the body stores it: tag, length and bytes.
void appendName(std::string& out, const std::string& name) {
    if (isAscii(name)) {
        if (name.size() <= 255) {
            out += static_cast<char>(kTagShortAscii);
            out += static_cast<char>(static_cast<uint8_t>(name.size()));
        } else {
            out += static_cast<char>(kTagLongAscii);
            appendInt32(out, static_cast<int32_t>(name.size()));
        }
        out += name;
        return;
    }
    const std::string utf8 = cp1251ToUtf8(name);
    out += static_cast<char>(kTagUtf8);
    appendInt32(out, static_cast<int32_t>(utf8.size()));
    out += utf8;
}

std::string corruptMessage(const std::string& reason) {
    return std::string(kProjectLoadFailed) + "\rФайл поврежден: " + reason + ".";
}

struct Refusal {
    std::string reason;
};

// Inflates the body on demand: every read asks the decompressor for exactly
// the bytes it needs, so the output (and the memory the caller spends) never
// runs ahead of what the fields read so far call for, whatever the stream
// would expand to.
class BodyReader {
  public:
    explicit BodyReader(std::string_view compressed) : input_(compressed) {
        if (inflateInit(&z_) != Z_OK)
            throw Refusal{"недостаточно памяти для распаковки"};
    }
    ~BodyReader() { inflateEnd(&z_); }
    BodyReader(const BodyReader&) = delete;
    BodyReader& operator=(const BodyReader&) = delete;

    // Fills `n` bytes or throws a Refusal.
    void read(uint8_t* dst, size_t n) {
        while (n > 0) {
            if (ended_)
                throw Refusal{"данные обрываются раньше конца"};
            const size_t produced = step(dst, n);
            dst += produced;
            n -= produced;
        }
    }

    uint8_t byte() {
        uint8_t b = 0;
        read(&b, 1);
        return b;
    }

    int32_t int32() {
        std::array<uint8_t, 4> b{};
        read(b.data(), b.size());
        return readInt32(b.data());
    }

    // Appends `n` bytes to `out`, growing it chunk by chunk as the bytes arrive.
    void append(std::string& out, size_t n) {
        constexpr size_t kChunk = 64 * 1024;
        while (n > 0) {
            const size_t take = std::min(n, kChunk);
            const size_t old = out.size();
            out.resize(old + take);
            read(reinterpret_cast<uint8_t*>(out.data() + old), take);
            n -= take;
        }
    }

    // The body must end here and the stream must close with a good checksum.
    void expectEnd() {
        while (!ended_) {
            uint8_t extra = 0;
            if (step(&extra, 1) > 0)
                throw Refusal{"после последнего перехода есть лишние данные"};
        }
    }

  private:
    // One call of the decompressor into at most `n` bytes at `dst`. Returns
    // the bytes produced; throws when the stream is damaged or cut short.
    size_t step(uint8_t* dst, size_t n) {
        if (z_.avail_in == 0 && fed_ < input_.size()) {
            const size_t take =
                std::min<size_t>(input_.size() - fed_, std::numeric_limits<uInt>::max() / 2);
            z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input_.data() + fed_));
            z_.avail_in = static_cast<uInt>(take);
            fed_ += take;
        }
        const size_t want = std::min<size_t>(n, std::numeric_limits<uInt>::max() / 2);
        z_.next_out = dst;
        z_.avail_out = static_cast<uInt>(want);
        const int ret = inflate(&z_, Z_NO_FLUSH);
        const size_t produced = want - z_.avail_out;
        switch (ret) {
        case Z_OK:
            return produced;
        case Z_STREAM_END:
            ended_ = true;
            return produced;
        case Z_BUF_ERROR:
            // No progress was possible: more input is needed and there is none.
            if (z_.avail_in == 0 && fed_ >= input_.size())
                throw Refusal{"данные обрываются раньше конца"};
            return produced;
        case Z_MEM_ERROR:
            throw Refusal{"недостаточно памяти для распаковки"};
        default: // Z_DATA_ERROR, Z_NEED_DICT, Z_STREAM_ERROR
            throw Refusal{"сжатые данные испорчены"};
        }
    }

    z_stream z_{};
    std::string_view input_;
    size_t fed_ = 0;
    bool ended_ = false;
};

int32_t checkedLength(int32_t length, size_t unitBytes) {
    if (length < 0)
        throw Refusal{"отрицательная длина названия шаблона"};
    if (static_cast<uint64_t>(length) * unitBytes > static_cast<uint64_t>(kMaxProjectNameBytes))
        throw Refusal{"название шаблона слишком длинное"};
    return length;
}

std::string readName(BodyReader& in) {
    const uint8_t tag = in.byte();
    std::string stored;
    switch (tag) {
    case kTagShortAscii:
        in.append(stored, in.byte());
        return stored;
    case kTagLongAscii:
        in.append(stored, static_cast<size_t>(checkedLength(in.int32(), 1)));
        return stored;
    case kTagUtf8:
        in.append(stored, static_cast<size_t>(checkedLength(in.int32(), 1)));
        return utf8ToCp1251(stored);
    case kTagUtf16: {
        const auto units = static_cast<size_t>(checkedLength(in.int32(), 2));
        in.append(stored, 2 * units);
        return utf16leToCp1251(reinterpret_cast<const uint8_t*>(stored.data()), units);
    }
    default: {
        static constexpr char kHex[] = "0123456789ABCDEF";
        std::string code = "0x";
        code += kHex[tag >> 4];
        code += kHex[tag & 0x0F];
        throw Refusal{"неизвестный способ записи названия шаблона (код " + code + ")"};
    }
    }
}

int32_t readCount(BodyReader& in, const char* what) {
    const int32_t n = in.int32();
    if (n < 0)
        throw Refusal{std::string("отрицательное количество ") + what + " (" + std::to_string(n) +
                      ")"};
    if (n > kMaxProjectRecords)
        throw Refusal{std::string("слишком много ") + what + " (" + std::to_string(n) +
                      ", допустимо не больше " + std::to_string(kMaxProjectRecords) + ")"};
    return n;
}

void checkConnection(const ConnectionRecord& c, size_t index, size_t zoneCount) {
    const std::string number = std::to_string(index + 1);
    for (const int32_t z : {c.zoneA, c.zoneB}) {
        if (z < 0 || static_cast<size_t>(z) >= zoneCount)
            throw Refusal{"переход " + number + " ведет к локации " +
                          std::to_string(static_cast<int64_t>(z) + 1) +
                          ", которой нет (локаций всего " + std::to_string(zoneCount) + ")"};
    }
    if (c.passageCount < 1 || c.passageCount > kPassageSlots)
        throw Refusal{"у перехода " + number + " число проходов " + std::to_string(c.passageCount) +
                      " вне пределов от 1 до 8"};
}

TRmg readBody(BodyReader& in) {
    TRmg t;
    t.name = readName(in);
    std::array<uint8_t, kConnectionRecordBytes> buf{};
    in.read(buf.data(), kTemplateHeaderBytes);
    t.header = readTemplateHeader(buf.data());
    in.read(buf.data(), kPlayerKindTableBytes);
    t.kinds = readPlayerKinds(buf.data());
    // The lists grow record by record, so a count the file claims never sizes
    // an allocation by itself.
    const int32_t zoneCount = readCount(in, "локаций");
    for (int32_t k = 0; k < zoneCount; ++k) {
        in.read(buf.data(), kZoneRecordBytes);
        t.zones.push_back(readZone(buf.data()));
    }
    const int32_t connectionCount = readCount(in, "переходов");
    for (int32_t j = 0; j < connectionCount; ++j) {
        in.read(buf.data(), kConnectionRecordBytes);
        ConnectionRecord c = readConnection(buf.data());
        checkConnection(c, static_cast<size_t>(j), t.zones.size());
        t.connections.push_back(c);
    }
    in.expectEnd();
    return t;
}

} // namespace

std::string encodeProjectBody(const TRmg& t) {
    std::string body;
    appendName(body, t.name);
    appendTemplateHeader(body, t.header);
    appendPlayerKinds(body, t.kinds);
    appendInt32(body, static_cast<int32_t>(t.zones.size()));
    for (const ZoneRecord& z : t.zones)
        appendZone(body, z);
    appendInt32(body, static_cast<int32_t>(t.connections.size()));
    for (const ConnectionRecord& c : t.connections)
        appendConnection(body, c);
    return body;
}

std::string encodeProject(const TRmg& t) {
    const std::string body = encodeProjectBody(t);
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
    std::string out(kProjectSignature);
    const size_t head = out.size();
    out.resize(head + deflateBound(&z, static_cast<uLong>(body.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    z.avail_in = static_cast<uInt>(body.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data() + head);
    z.avail_out = static_cast<uInt>(out.size() - head);
    const int ret = deflate(&z, Z_FINISH);
    const size_t written = z.total_out;
    deflateEnd(&z);
    if (ret != Z_STREAM_END) // cannot happen with a bound-sized buffer
        throw std::bad_alloc();
    out.resize(head + written);
    return out;
}

std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view fileBytes) {
    if (fileBytes.substr(0, kProjectSignature.size()) != kProjectSignature)
        return ProjectLoadFailure{ProjectError::BadSignature, std::string(kProjectLoadFailed)};
    try {
        BodyReader in(fileBytes.substr(kProjectSignature.size()));
        return readBody(in);
    } catch (const Refusal& r) {
        return ProjectLoadFailure{ProjectError::Corrupt, corruptMessage(r.reason)};
    }
}

bool nameFitsProject(std::string_view cp1251Name) {
    const size_t stored = isAscii(cp1251Name) ? cp1251Name.size() : cp1251ToUtf8(cp1251Name).size();
    return stored <= static_cast<size_t>(kMaxProjectNameBytes);
}

} // namespace zw
