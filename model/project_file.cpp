#include "model/project_file.h"

#include "model/record_io.h"
#include "model/text.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <limits>
#include <new>
#include <set>
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
    return withArguments(ZW_TR("Model", "%1\rФайл поврежден: %2."),
                         {translated("Model", kProjectLoadFailed), reason});
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
            throw Refusal{ZW_TR("Model", "недостаточно памяти для распаковки")};
    }
    ~BodyReader() { inflateEnd(&z_); }
    BodyReader(const BodyReader&) = delete;
    BodyReader& operator=(const BodyReader&) = delete;

    // Fills `n` bytes or throws a Refusal.
    void read(uint8_t* dst, size_t n) {
        while (n > 0) {
            if (ended_)
                throw Refusal{ZW_TR("Model", "данные обрываются раньше конца")};
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

    // The body must end here and the stream must close with a good checksum;
    // `extraData` names what bytes after the last field would be.
    void expectEnd(const char* extraData) {
        while (!ended_) {
            uint8_t extra = 0;
            if (step(&extra, 1) > 0)
                throw Refusal{translated("Model", extraData)};
        }
    }

    // The input bytes the stream took, once it has ended.
    size_t consumed() const { return fed_ - z_.avail_in; }

    // Everything the stream still gives, up to its end; refuses with
    // `tooLong` a stream that gives more than `most` bytes.
    std::string readAll(size_t most, const std::string& tooLong) {
        constexpr size_t kChunk = 64 * 1024;
        std::string out;
        while (!ended_) {
            const size_t old = out.size();
            if (old > most)
                throw Refusal{tooLong};
            out.resize(old + kChunk);
            out.resize(old + step(reinterpret_cast<uint8_t*>(out.data() + old), kChunk));
        }
        if (out.size() > most)
            throw Refusal{tooLong};
        return out;
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
                throw Refusal{ZW_TR("Model", "данные обрываются раньше конца")};
            return produced;
        case Z_MEM_ERROR:
            throw Refusal{ZW_TR("Model", "недостаточно памяти для распаковки")};
        default: // Z_DATA_ERROR, Z_NEED_DICT, Z_STREAM_ERROR
            throw Refusal{ZW_TR("Model", "сжатые данные испорчены")};
        }
    }

    z_stream z_{};
    std::string_view input_;
    size_t fed_ = 0;
    bool ended_ = false;
};

int32_t checkedLength(int32_t length, size_t unitBytes) {
    if (length < 0)
        throw Refusal{ZW_TR("Model", "отрицательная длина названия шаблона")};
    if (static_cast<uint64_t>(length) * unitBytes > static_cast<uint64_t>(kMaxProjectNameBytes))
        throw Refusal{ZW_TR("Model", "название шаблона слишком длинное")};
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
        throw Refusal{withArguments(
            ZW_TR("Model", "неизвестный способ записи названия шаблона (код %1)"), {code})};
    }
    }
}

int32_t readCount(BodyReader& in, const char* what) {
    const int32_t n = in.int32();
    if (n < 0)
        throw Refusal{withArguments(ZW_TR("Model", "отрицательное количество %1 (%2)"),
                                    {translated("Model", what), std::to_string(n)})};
    if (n > kMaxProjectRecords)
        throw Refusal{withArguments(
            ZW_TR("Model", "слишком много %1 (%2, допустимо не больше %3)"),
            {translated("Model", what), std::to_string(n), std::to_string(kMaxProjectRecords)})};
    return n;
}

void checkConnection(const ConnectionRecord& c, size_t index, size_t zoneCount) {
    const std::string number = std::to_string(index + 1);
    for (const int32_t z : {c.zoneA, c.zoneB}) {
        if (z < 0 || static_cast<size_t>(z) >= zoneCount)
            throw Refusal{withArguments(
                ZW_TR("Model", "переход %1 ведет к локации %2, которой нет (локаций всего %3)"),
                {number, std::to_string(static_cast<int64_t>(z) + 1), std::to_string(zoneCount)})};
    }
    if (c.passageCount < 1 || c.passageCount > kPassageSlots)
        throw Refusal{
            withArguments(ZW_TR("Model", "у перехода %1 число проходов %2 вне пределов от 1 до 8"),
                          {number, std::to_string(c.passageCount)})};
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
    const int32_t zoneCount = readCount(in, ZW_TR_NOOP("Model", "локаций"));
    for (int32_t k = 0; k < zoneCount; ++k) {
        in.read(buf.data(), kZoneRecordBytes);
        t.zones.push_back(readZone(buf.data()));
    }
    const int32_t connectionCount = readCount(in, ZW_TR_NOOP("Model", "переходов"));
    for (int32_t j = 0; j < connectionCount; ++j) {
        in.read(buf.data(), kConnectionRecordBytes);
        ConnectionRecord c = readConnection(buf.data());
        checkConnection(c, static_cast<size_t>(j), t.zones.size());
        t.connections.push_back(c);
    }
    in.expectEnd(ZW_TR_NOOP("Model", "после последнего перехода есть лишние данные"));
    return t;
}

// ---- The kept cells ----
//
// A template that keeps cells of an extended table stores them in a section
// after the compressed body, where a reader that knows only the body never
// looks (it ignores what follows the stream): the tag, the section's version,
// the length of what follows and a zlib stream of
//
//   cells of the template, rows of the template,
//   count, then per zone that keeps anything: zone index, kept cells
//   count, then per passage that keeps anything: connection index, slot, kept cells
//
// with kept cells = row, id, cells; cells = count, then per cell: flags
// (1 quoted, 2 with readAs), name, text[, readAs]; a row = row, cell count,
// cells; texts = length and bytes (Windows-1251 as held). All integers are
// 32-bit little-endian. Indices rise strictly, so each record appears once.

constexpr std::string_view kKeptTag = "TMPLkept";
constexpr int32_t kKeptVersion = 1;
constexpr uint8_t kCellQuoted = 1;
constexpr uint8_t kCellReadAs = 2;

bool keepsAnything(const TRmg& t) {
    if (!t.kept.empty())
        return true;
    for (const ZoneRecord& z : t.zones)
        if (!z.kept.empty())
            return true;
    for (const ConnectionRecord& c : t.connections)
        for (const PassageRecord& p : c.passages)
            if (!p.kept.empty())
                return true;
    return false;
}

void appendText(std::string& out, const std::string& text) {
    appendInt32(out, static_cast<int32_t>(text.size()));
    out += text;
}

void appendCells(std::string& out, const std::vector<KeptCell>& cells) {
    appendInt32(out, static_cast<int32_t>(cells.size()));
    for (const KeptCell& c : cells) {
        out += static_cast<char>((c.quoted ? kCellQuoted : 0) | (c.readAs ? kCellReadAs : 0));
        appendText(out, c.name);
        appendText(out, c.text);
        if (c.readAs)
            appendText(out, *c.readAs);
    }
}

void appendKeptCells(std::string& out, const KeptCells& k) {
    appendInt32(out, k.row);
    appendInt32(out, k.id);
    appendCells(out, k.cells);
}

std::string encodeKept(const TRmg& t) {
    std::string out;
    appendCells(out, t.kept.cells);
    appendInt32(out, static_cast<int32_t>(t.kept.rows.size()));
    for (const KeptRow& r : t.kept.rows) {
        appendInt32(out, r.row);
        appendInt32(out, r.cellCount);
        appendCells(out, r.cells);
    }
    std::string entries;
    int32_t count = 0;
    for (size_t k = 0; k < t.zones.size(); ++k) {
        if (t.zones[k].kept.empty())
            continue;
        appendInt32(entries, static_cast<int32_t>(k));
        appendKeptCells(entries, t.zones[k].kept);
        ++count;
    }
    appendInt32(out, count);
    out += entries;
    entries.clear();
    count = 0;
    for (size_t j = 0; j < t.connections.size(); ++j)
        for (size_t s = 0; s < kPassageSlots; ++s) {
            const KeptCells& k = t.connections[j].passages[s].kept;
            if (k.empty())
                continue;
            appendInt32(entries, static_cast<int32_t>(j));
            appendInt32(entries, static_cast<int32_t>(s));
            appendKeptCells(entries, k);
            ++count;
        }
    appendInt32(out, count);
    out += entries;
    return out;
}

// Reads the unpacked section from memory.
class Cursor {
  public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    uint8_t byte() { return static_cast<uint8_t>(take(1)[0]); }
    int32_t int32() { return readInt32(reinterpret_cast<const uint8_t*>(take(4).data())); }
    std::string text(size_t n) { return std::string(take(n)); }
    void expectEnd() const {
        if (at_ != bytes_.size())
            throw Refusal{ZW_TR("Model", "после дополнительных полей есть лишние данные")};
    }

  private:
    std::string_view take(size_t n) {
        if (n > bytes_.size() - at_)
            throw Refusal{ZW_TR("Model", "дополнительные поля обрываются раньше конца")};
        const std::string_view out = bytes_.substr(at_, n);
        at_ += n;
        return out;
    }

    std::string_view bytes_;
    size_t at_ = 0;
};

// The cells read so far, against the limit of the whole section.
struct KeptReader {
    Cursor& in;
    size_t cells = 0;

    std::string text() {
        const int32_t n = in.int32();
        if (n < 0)
            throw Refusal{ZW_TR("Model", "отрицательная длина текста дополнительного поля")};
        return in.text(static_cast<size_t>(n));
    }

    int32_t count(const char* what) {
        const int32_t n = in.int32();
        if (n < 0)
            throw Refusal{withArguments(ZW_TR("Model", "отрицательное количество %1 (%2)"),
                                        {translated("Model", what), std::to_string(n)})};
        return n;
    }

    // A record's cells, each name once (a name is the cell's column).
    std::vector<KeptCell> cellList() {
        std::vector<KeptCell> out;
        std::set<std::string, std::less<>> names;
        for (int32_t n = count(ZW_TR_NOOP("Model", "дополнительных полей")); n > 0; --n) {
            countOne();
            KeptCell c;
            const uint8_t flags = in.byte();
            if ((flags & ~(kCellQuoted | kCellReadAs)) != 0)
                throw Refusal{ZW_TR("Model", "неизвестные признаки дополнительного поля")};
            c.quoted = (flags & kCellQuoted) != 0;
            c.name = text();
            c.text = text();
            if ((flags & kCellReadAs) != 0)
                c.readAs = text();
            if (!names.insert(c.name).second)
                throw Refusal{
                    withArguments(ZW_TR("Model", "дополнительное поле «%1» записано дважды"),
                                  {cp1251ToUtf8(c.name)})};
            out.push_back(std::move(c));
        }
        return out;
    }

    KeptCells keptCells() {
        KeptCells k;
        k.row = in.int32();
        k.id = in.int32();
        k.cells = cellList();
        return k;
    }

    // Counts a cell (or a row) against the limit of the whole section.
    void countOne() {
        if (++cells > static_cast<size_t>(kMaxProjectKeptCells))
            throw Refusal{withArguments(
                ZW_TR("Model", "слишком много дополнительных полей (допустимо не больше %1)"),
                {std::to_string(kMaxProjectKeptCells)})};
    }
};

void readKept(Cursor& in, TRmg& t) {
    KeptReader r{in};
    t.kept.cells = r.cellList();
    for (int32_t n = r.count(ZW_TR_NOOP("Model", "строк шаблона")); n > 0; --n) {
        r.countOne();
        KeptRow row;
        row.row = in.int32();
        row.cellCount = in.int32();
        row.cells = r.cellList();
        t.kept.rows.push_back(std::move(row));
    }
    int64_t last = -1;
    for (int32_t n = r.count(ZW_TR_NOOP("Model", "локаций")); n > 0; --n) {
        const int32_t k = in.int32();
        if (k < 0 || static_cast<size_t>(k) >= t.zones.size())
            throw Refusal{withArguments(
                ZW_TR("Model", "дополнительные поля локации %1, которой нет (локаций всего %2)"),
                {std::to_string(int64_t{k} + 1), std::to_string(t.zones.size())})};
        if (k <= last)
            throw Refusal{withArguments(
                ZW_TR("Model", "дополнительные поля локации %1 записаны не по порядку или дважды"),
                {std::to_string(int64_t{k} + 1)})};
        last = k;
        t.zones[static_cast<size_t>(k)].kept = r.keptCells();
    }
    last = -1;
    for (int32_t n = r.count(ZW_TR_NOOP("Model", "проходов")); n > 0; --n) {
        // The connection and the slot, numbered as one index of all slots.
        const int32_t j = in.int32();
        const int32_t slot = in.int32();
        if (j < 0 || static_cast<size_t>(j) >= t.connections.size() || slot < 0 ||
            slot >= kPassageSlots)
            throw Refusal{withArguments(
                ZW_TR("Model", "дополнительные поля прохода %1 перехода %2, которого нет"),
                {std::to_string(int64_t{slot} + 1), std::to_string(int64_t{j} + 1)})};
        const int64_t at = int64_t{j} * kPassageSlots + slot;
        if (at <= last)
            throw Refusal{
                withArguments(ZW_TR("Model", "дополнительные поля прохода %1 перехода %2 "
                                             "записаны не по порядку или дважды"),
                              {std::to_string(int64_t{slot} + 1), std::to_string(int64_t{j} + 1)})};
        last = at;
        t.connections[static_cast<size_t>(j)].passages[static_cast<size_t>(slot)].kept =
            r.keptCells();
    }
    in.expectEnd();
}

// `body` as one zlib stream at level 9.
std::string deflated(const std::string& body) {
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
    std::string out(deflateBound(&z, static_cast<uLong>(body.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    z.avail_in = static_cast<uInt>(body.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int ret = deflate(&z, Z_FINISH);
    const size_t written = z.total_out;
    deflateEnd(&z);
    if (ret != Z_STREAM_END) // cannot happen with a bound-sized buffer
        throw std::bad_alloc();
    out.resize(written);
    return out;
}

// What follows the body's stream: the kept cells' section when it begins with
// its tag, anything else ignored as files have always had it ignored. A tag
// cut short counts as a section cut short.
void readKeptSection(std::string_view rest, TRmg& t) {
    const bool tagged = rest.substr(0, kKeptTag.size()) == kKeptTag;
    const bool cutTag =
        !rest.empty() && rest.size() < kKeptTag.size() && kKeptTag.substr(0, rest.size()) == rest;
    if (!tagged && !cutTag)
        return;
    if (rest.size() < kKeptTag.size() + 8)
        throw Refusal{ZW_TR("Model", "дополнительные поля обрываются раньше конца")};
    const auto* head = reinterpret_cast<const uint8_t*>(rest.data()) + kKeptTag.size();
    const int32_t version = readInt32(head);
    if (version != kKeptVersion)
        throw Refusal{withArguments(
            ZW_TR("Model", "дополнительные поля записаны в неизвестном виде (версия %1)"),
            {std::to_string(version)})};
    const int32_t length = readInt32(head + 4);
    const std::string_view section = rest.substr(kKeptTag.size() + 8);
    if (length < 0 || static_cast<size_t>(length) > section.size())
        throw Refusal{ZW_TR("Model", "дополнительные поля обрываются раньше конца")};
    // Unpacked whole (within its limit) and read from memory.
    BodyReader stream(section.substr(0, static_cast<size_t>(length)));
    const std::string payload =
        stream.readAll(static_cast<size_t>(kMaxProjectKeptBytes),
                       withArguments(ZW_TR("Model", "дополнительные поля занимают больше %1 МБ"),
                                     {std::to_string(kMaxProjectKeptBytes >> 20)}));
    if (stream.consumed() != static_cast<size_t>(length))
        throw Refusal{ZW_TR("Model", "после дополнительных полей есть лишние данные")};
    Cursor in(payload);
    readKept(in, t);
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
    std::string out(kProjectSignature);
    out += deflated(encodeProjectBody(t));
    if (keepsAnything(t)) {
        const std::string kept = deflated(encodeKept(t));
        out += kKeptTag;
        appendInt32(out, kKeptVersion);
        appendInt32(out, static_cast<int32_t>(kept.size()));
        out += kept;
    }
    return out;
}

std::variant<TRmg, ProjectLoadFailure> decodeProject(std::string_view fileBytes) {
    if (fileBytes.substr(0, kProjectSignature.size()) != kProjectSignature)
        return ProjectLoadFailure{ProjectError::BadSignature,
                                  translated("Model", kProjectLoadFailed)};
    try {
        const std::string_view stream = fileBytes.substr(kProjectSignature.size());
        BodyReader in(stream);
        TRmg t = readBody(in);
        readKeptSection(stream.substr(in.consumed()), t);
        return t;
    } catch (const Refusal& r) {
        return ProjectLoadFailure{ProjectError::Corrupt, corruptMessage(r.reason)};
    }
}

bool nameFitsProject(std::string_view cp1251Name) {
    const size_t stored = isAscii(cp1251Name) ? cp1251Name.size() : cp1251ToUtf8(cp1251Name).size();
    return stored <= static_cast<size_t>(kMaxProjectNameBytes);
}

bool keptFitsProject(const TRmg& t) {
    if (!keepsAnything(t))
        return true;
    size_t cells = t.kept.cells.size() + t.kept.rows.size();
    for (const KeptRow& r : t.kept.rows)
        cells += r.cells.size();
    for (const ZoneRecord& z : t.zones)
        cells += z.kept.cells.size();
    for (const ConnectionRecord& c : t.connections)
        for (const PassageRecord& p : c.passages)
            cells += p.kept.cells.size();
    return cells <= static_cast<size_t>(kMaxProjectKeptCells) &&
           encodeKept(t).size() <= static_cast<size_t>(kMaxProjectKeptBytes);
}

} // namespace zw
