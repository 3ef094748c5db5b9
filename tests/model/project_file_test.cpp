#include "model/project_file.h"

#include "model/record_io.h"
#include "model/text.h"
#include "support/kept_samples.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <zlib.h>

namespace zw {
namespace {

using test::projectImage;
using test::richTemplate;
using test::zlibStream;

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

std::string int32le(int32_t v) {
    std::string s;
    appendInt32(s, v);
    return s;
}

int32_t int32At(const std::string& s, size_t offset) {
    return readInt32(reinterpret_cast<const uint8_t*>(s.data()) + offset);
}

// The fields of an empty template after the name: header [4, 9], 2 players,
// kinds all 0, no zones, no connections.
std::string emptyTail() {
    return int32le(4) + int32le(9) + int32le(0) + std::string(32, '\0') + int32le(0) + int32le(0);
}

ProjectLoadFailure refusal(std::string_view file) {
    auto r = decodeProject(file);
    if (!std::holds_alternative<ProjectLoadFailure>(r)) {
        ADD_FAILURE() << "the file was accepted";
        return {ProjectError::BadSignature, ""};
    }
    return std::get<ProjectLoadFailure>(r);
}

// Refused as corrupt, with `words` somewhere in the message.
testing::AssertionResult corrupt(std::string_view file, std::string_view words = "") {
    const ProjectLoadFailure f = refusal(file);
    if (f.error != ProjectError::Corrupt)
        return testing::AssertionFailure() << "not refused as corrupt: " << f.message;
    if (f.message.find(words) == std::string::npos)
        return testing::AssertionFailure() << "no \"" << words << "\" in: " << f.message;
    return testing::AssertionSuccess();
}

testing::AssertionResult corruptBody(std::string_view body, std::string_view words = "") {
    return corrupt(projectImage(body), words);
}

TRmg accepted(std::string_view file) {
    auto r = decodeProject(file);
    if (auto* f = std::get_if<ProjectLoadFailure>(&r)) {
        ADD_FAILURE() << "refused: " << f->message;
        return {};
    }
    return std::get<TRmg>(r);
}

// The body of a template whose name is "T", with the zones and connections given raw.
std::string bodyWith(int32_t zoneCount, std::string_view zones, int32_t connectionCount,
                     std::string_view connections) {
    return bytes({0x06, 0x01, 'T'}) + int32le(4) + int32le(9) + int32le(0) + std::string(32, '\0') +
           int32le(zoneCount) + std::string(zones) + int32le(connectionCount) +
           std::string(connections);
}

std::string zoneImage(const ZoneRecord& z = makeDefaultZone()) {
    std::string s;
    appendZone(s, z);
    return s;
}

std::string connectionImage(int32_t a, int32_t b, int32_t count = 1) {
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = a;
    c.zoneB = b;
    c.passageCount = count;
    std::string s;
    appendConnection(s, c);
    return s;
}

TEST(ProjectFile, NewTemplateIsSeventyBytesAndALevelNineStream) {
    const std::string body = encodeProjectBody(makeNewTemplate());
    const std::string expected = bytes({0x06, 0x10}) + "Unnamed template" +
                                 bytes({4, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0}) +
                                 std::string(32, '\0') + std::string(8, '\0');
    EXPECT_EQ(body.size(), 70u);
    EXPECT_EQ(body, expected);

    const std::string file = encodeProject(makeNewTemplate());
    ASSERT_GT(file.size(), 10u);
    EXPECT_EQ(file.substr(0, 8), "TMPLv099");
    EXPECT_EQ(static_cast<uint8_t>(file[8]), 0x78);
    EXPECT_EQ(static_cast<uint8_t>(file[9]), 0xDA);
    // Level 9, 32 KiB window, memory level 8, default strategy: the same bytes
    // as zlib's own one-shot compressor at level 9 (so the stream unpacks to the body).
    EXPECT_EQ(file, projectImage(expected));
}

TEST(ProjectFile, NameTagsFollowLengthAndCharacters) {
    // One Cyrillic letter anywhere makes the whole name UTF-8, whatever its length.
    const std::string a255(255, 'a'), b256(256, 'b');
    const std::pair<std::string, std::string> stored[] = {
        {"", bytes({0x06, 0x00})},
        {a255, bytes({0x06, 0xFF}) + a255},
        {b256, bytes({0x0C}) + int32le(256) + b256},
        {"\xC4", bytes({0x14}) + int32le(2) + "Д"},
        {"\xD8\xE0\xE1\xEB\xEE\xED", bytes({0x14}) + int32le(12) + "Шаблон"}};
    TRmg t;
    for (const auto& [name, head] : stored) {
        t.name = name;
        EXPECT_EQ(encodeProjectBody(t), head + emptyTail()) << name;
    }
    t.name = std::string(300, 'x') + "\xFF";
    EXPECT_EQ(encodeProjectBody(t).substr(0, 5), bytes({0x14}) + int32le(302));

    for (const std::string& name : std::vector<std::string>{
             "", "Unnamed template", std::string(255, 'a'), std::string(256, 'b'), "\xC4",
             "\xD8\xE0\xE1\xEB\xEE\xED 2", "\x98\x88\xB9"}) {
        TRmg n;
        n.name = name;
        EXPECT_EQ(accepted(encodeProject(n)).name, name);
    }
}

TEST(ProjectFile, ZoneFieldsLieAtTheirOffsets) {
    ZoneRecord z = richTemplate().zones[1];
    const std::string img = zoneImage(z);
    ASSERT_EQ(img.size(), kZoneRecordBytes);
    using Z = ZoneRecord;
    // clang-format off
    const std::pair<size_t, int32_t Z::*> numbers[] = {
        {0, &Z::kind}, {4, &Z::size}, {8, &Z::owner}, {12, &Z::townMode}, {16, &Z::playerCastles},
        {20, &Z::playerTowns}, {24, &Z::neutralCastles}, {28, &Z::neutralTowns}, {44, &Z::mineWood},
        {48, &Z::mineMercury}, {52, &Z::mineOre}, {56, &Z::mineSulfur}, {60, &Z::mineCrystal},
        {64, &Z::mineGems}, {68, &Z::mineGold}, {84, &Z::monsterStrength}, {136, &Z::existMode},
        {140, &Z::minHumans}, {144, &Z::maxHumans}, {148, &Z::minPlayers}, {152, &Z::maxPlayers},
        {156, &Z::gridX}, {160, &Z::gridY}};
    // clang-format on
    for (const auto& [at, field] : numbers)
        EXPECT_EQ(int32At(img, at), z.*field) << "offset " << at;
    auto flagsAt = [&](size_t at, bool first, const auto& rest, size_t count) {
        EXPECT_EQ(rest.size(), count);
        EXPECT_EQ(img[at], first ? 1 : 0) << "offset " << at;
        for (size_t i = 0; i < rest.size(); ++i)
            EXPECT_EQ(img[at + 1 + i], rest[i] ? 1 : 0) << "offset " << at + 1 + i;
    };
    flagsAt(32, z.sameTownType, z.townTypes, 9);
    flagsAt(72, z.terrainMatchesTown, z.terrains, 8);
    flagsAt(88, z.monstersMatchTown, z.monsterTypes, 10);
    for (size_t g = 0; g < 3; ++g) {
        EXPECT_EQ(int32At(img, 100 + 12 * g), z.treasure[g].low);
        EXPECT_EQ(int32At(img, 104 + 12 * g), z.treasure[g].high);
        EXPECT_EQ(int32At(img, 108 + 12 * g), z.treasure[g].density);
    }
    for (size_t pad : {42u, 43u, 81u, 82u, 83u, 99u})
        EXPECT_EQ(img[pad], 0) << "padding at " << pad;
}

TEST(ProjectFile, PassageSlotsLieAtTheirOffsets) {
    const ConnectionRecord c = richTemplate().connections[1];
    std::string img;
    appendConnection(img, c);
    ASSERT_EQ(img.size(), kConnectionRecordBytes);
    EXPECT_EQ(int32At(img, 0), c.zoneA);
    EXPECT_EQ(int32At(img, 4), c.zoneB);
    EXPECT_EQ(int32At(img, 8), c.passageCount);
    for (size_t j = 0; j < 8; ++j) {
        const size_t at = 12 + 28 * j;
        const PassageRecord& p = c.passages[j];
        EXPECT_EQ(int32At(img, at), p.kind) << j;
        EXPECT_EQ(int32At(img, at + 4), p.guard) << j;
        EXPECT_EQ(img[at + 8], p.autoExist ? 1 : 0) << j;
        EXPECT_EQ(img.substr(at + 9, 3), std::string(3, '\0')) << j;
        EXPECT_EQ(int32At(img, at + 12), p.minHumans) << j;
        EXPECT_EQ(int32At(img, at + 16), p.maxHumans) << j;
        EXPECT_EQ(int32At(img, at + 20), p.minPlayers) << j;
        EXPECT_EQ(int32At(img, at + 24), p.maxPlayers) << j;
    }
}

TEST(ProjectFile, AnyNonZeroFlagReadsTrueAndPaddingIsIgnored) {
    std::string img = zoneImage(); // default zone: flags 0 and 1 only
    img[32] = 2;                   // sameTownType
    img[33] = static_cast<char>(0x80);
    img[42] = img[43] = static_cast<char>(0xFF);
    img[99] = 0x55;
    const ZoneRecord z = readZone(reinterpret_cast<const uint8_t*>(img.data()));
    ZoneRecord expected = makeDefaultZone();
    expected.sameTownType = true;
    EXPECT_EQ(z, expected);
    // Written again, flags are 0 or 1 and padding is zero.
    std::string again = zoneImage(z);
    EXPECT_EQ(again[32], 1);
    EXPECT_EQ(again[42], 0);
    EXPECT_EQ(again[99], 0);
}

TEST(ProjectFile, SaveAndLoadGiveIdenticalRecordsAndBytes) {
    TRmg t = richTemplate();
    t.name = "\xD8\xE0\xE1\xEB\xEE\xED \xB9"
             "5"; // "Шаблон №5"
    const std::string file = encodeProject(t);
    const TRmg back = accepted(file);
    EXPECT_EQ(back, t);
    // Unused slots (beyond passageCount) keep what they held.
    EXPECT_EQ(back.connections[0].passages[7], t.connections[0].passages[7]);
    EXPECT_EQ(encodeProject(back), file);
}

TEST(ProjectFile, ValuesOutsideTheirRangesAreKept) {
    TRmg t;
    ZoneRecord z = makeDefaultZone();
    z.owner = 9;
    z.kind = 7;
    z.size = -3;
    z.monsterStrength = 1000;
    z.gridX = INT32_MIN;
    z.gridY = INT32_MAX;
    t.appendZone(z);
    t.appendZone(makeDefaultZone());
    ConnectionRecord c = makeDefaultConnection();
    c.zoneA = 1;
    c.zoneB = 1; // a zone joined to itself is odd but loadable
    c.passageCount = 8;
    c.passages[3].kind = -1;
    t.appendConnection(c);
    t.header = TemplateHeader{-1, 1000, 40};
    t.kinds.playerKind[7] = 5;
    EXPECT_EQ(accepted(encodeProject(t)), t);
}

TEST(ProjectFile, NamesInUtf8AndUtf16FormsReadAsWindows1251) {
    // UTF-8 with a character outside the code page ("日").
    const std::string utf8 = "Карта 日 №1";
    const std::string body8 =
        bytes({0x14}) + int32le(static_cast<int32_t>(utf8.size())) + utf8 + emptyTail();
    EXPECT_EQ(accepted(projectImage(body8)).name, utf8ToCp1251("Карта ? №1"));

    // UTF-16LE: "Ша", a pair outside the basic plane, "€", an unpaired surrogate.
    const std::string units =
        bytes({0x28, 0x04, 0x30, 0x04, 0x3D, 0xD8, 0x00, 0xDE, 0xAC, 0x20, 0x00, 0xD8});
    const std::string body16 = bytes({0x12}) + int32le(6) + units + emptyTail();
    EXPECT_EQ(accepted(projectImage(body16)).name, utf8ToCp1251("Ша?€?"));
    const uint8_t pairFirst[] = {0x3D, 0xD8, 0x00, 0xDE};
    EXPECT_EQ(utf16leToCp1251(pairFirst, 2), "?");

    // The empty forms.
    EXPECT_EQ(accepted(projectImage(bytes({0x12}) + int32le(0) + emptyTail())).name, "");
    EXPECT_EQ(accepted(projectImage(bytes({0x0C}) + int32le(0) + emptyTail())).name, "");
}

TEST(ProjectFile, WrongOrShortSignatureIsRefused) {
    const std::string good = encodeProject(makeNewTemplate());
    for (const std::string& file : {std::string(), std::string("TMPLv09"), std::string("TMPLv099"),
                                    "TMPLv098" + good.substr(8), "tmplv099" + good.substr(8),
                                    std::string("PK\x03\x04 an archive")}) {
        const auto f = refusal(file);
        if (file == "TMPLv099") {
            // The signature alone: no stream follows.
            EXPECT_EQ(f.error, ProjectError::Corrupt);
            continue;
        }
        EXPECT_EQ(f.error, ProjectError::BadSignature) << file;
        EXPECT_EQ(f.message, "Не удалось загрузить файл шаблона!");
    }
}

TEST(ProjectFile, EveryTruncationIsRefusedAsCorrupt) {
    const std::string file = encodeProject(richTemplate());
    for (size_t n = 8; n < file.size(); ++n)
        EXPECT_TRUE(
            corrupt(std::string_view(file).substr(0, n), "Не удалось загрузить файл шаблона!\r"))
            << n;
}

TEST(ProjectFile, BodyShorterThanItsCountsIsRefused) {
    // Valid streams whose bodies end early: inside the name, the header, a zone,
    // a connection.
    const std::string full = bodyWith(2, zoneImage() + zoneImage(), 1, connectionImage(0, 1));
    for (size_t cut : {size_t{2}, size_t{5}, size_t{40}, size_t{60}, size_t{200}, full.size() - 1})
        EXPECT_TRUE(corruptBody(full.substr(0, cut), "обрываются")) << cut;
    EXPECT_EQ(accepted(projectImage(full)).zones.size(), 2u);
}

TEST(ProjectFile, DamagedStreamIsRefused) {
    const std::string file = encodeProject(richTemplate());
    // Not a zlib stream at all; a raw gzip header; a checksum that no longer matches.
    EXPECT_TRUE(corrupt("TMPLv099 plain text, not compressed"));
    EXPECT_TRUE(corrupt("TMPLv099\x1F\x8B\x08\x00"));
    std::string badSum = file;
    badSum.back() = static_cast<char>(badSum.back() ^ 0x01);
    EXPECT_TRUE(corrupt(badSum, "сжатые данные испорчены"));
    // Flipping any single byte of the stream never crashes, and never loads
    // different records silently.
    for (size_t i = 8; i < file.size(); ++i) {
        std::string flipped = file;
        flipped[i] = static_cast<char>(flipped[i] ^ 0x20);
        auto r = decodeProject(flipped);
        if (auto* t = std::get_if<TRmg>(&r)) {
            EXPECT_EQ(*t, richTemplate()) << i;
        }
    }
}

TEST(ProjectFile, UnknownNameTagIsRefusedWithItsCode) {
    EXPECT_TRUE(corruptBody(bytes({0x07, 0x01, 'x'}) + emptyTail(), "0x07"));
    EXPECT_TRUE(corruptBody(bytes({0x0B}) + emptyTail()));
}

TEST(ProjectFile, BadNameLengthsAreRefusedBeforeAnyAllocation) {
    for (int tag : {0x0C, 0x14, 0x12})
        for (int32_t len : {-1, INT32_MIN, INT32_MAX, kMaxProjectNameBytes + 1})
            EXPECT_TRUE(corruptBody(bytes({tag}) + int32le(len) + "abc")) << tag << " " << len;
    // A long but plausible claim with nothing behind it is simply truncated.
    EXPECT_TRUE(corruptBody(bytes({0x0C}) + int32le(1 << 20) + "abc", "обрываются"));
}

TEST(ProjectFile, BadCountsAreRefused) {
    EXPECT_TRUE(corruptBody(bodyWith(-1, "", 0, ""), "отрицательное количество локаций"));
    EXPECT_TRUE(corruptBody(bodyWith(0, "", -5, ""), "отрицательное количество переходов"));
    EXPECT_TRUE(corruptBody(bodyWith(65536, "", 0, ""), "слишком много локаций"));
    EXPECT_TRUE(corruptBody(bodyWith(0, "", 65536, ""), "слишком много переходов"));
    // The largest allowed count is taken at its word; the records are missing.
    EXPECT_TRUE(corruptBody(bodyWith(65535, "", 0, ""), "обрываются"));
}

TEST(ProjectFile, ConnectionsMustJoinListedZonesWithOneToEightPassages) {
    const std::string zones = zoneImage() + zoneImage();
    struct Case {
        int32_t a, b, count;
        const char* words;
    };
    for (const Case c :
         {Case{0, 2, 1, "ведет к локации 3, которой нет"},
          Case{-1, 1, 1, "ведет к локации 0, которой нет"},
          Case{1, INT32_MAX, 1, "ведет к локации 2147483648"}, Case{0, 1, 0, "число проходов 0"},
          Case{0, 1, 9, "число проходов 9"}, Case{0, 1, -2, "число проходов -2"}})
        EXPECT_TRUE(
            corruptBody(bodyWith(2, zones, 1, connectionImage(c.a, c.b, c.count)), c.words));
    // The bounds themselves are fine.
    for (int32_t count : {1, 8})
        EXPECT_EQ(accepted(projectImage(bodyWith(2, zones, 1, connectionImage(1, 0, count))))
                      .connections[0]
                      .passageCount,
                  count);
    // A connection without any zone can never be valid.
    EXPECT_TRUE(corruptBody(bodyWith(0, "", 1, connectionImage(0, 0))));
}

TEST(ProjectFile, ExtraBytesInsideTheBodyAreRefusedAfterTheStreamIgnored) {
    EXPECT_TRUE(corruptBody(encodeProjectBody(richTemplate()) + "x", "лишние данные"));
    EXPECT_EQ(accepted(encodeProject(richTemplate()) + "trailing garbage"), richTemplate());
}

// A level-1 zlib stream of `head` followed by `count` bytes `fill`, made
// chunk by chunk.
std::string streamOfRepeated(std::string_view head, char fill, size_t count) {
    z_stream z{};
    EXPECT_EQ(deflateInit(&z, 1), Z_OK);
    const std::string chunk(1 << 20, fill);
    std::string stream;
    std::string out(1 << 16, '\0');
    auto pump = [&](std::string_view in, int flush) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        z.avail_in = static_cast<uInt>(in.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, flush);
            stream.append(out.data(), out.size() - z.avail_out);
        } while (z.avail_out == 0);
    };
    pump(head, Z_NO_FLUSH);
    for (; count > chunk.size(); count -= chunk.size())
        pump(chunk, Z_NO_FLUSH);
    pump(std::string_view(chunk).substr(0, count), Z_FINISH);
    deflateEnd(&z);
    return stream;
}

TEST(ProjectFile, ExpandingStreamIsCutOffAtTheFirstByteTooMany) {
    // A body of an empty template followed by 64 MiB of zeros compresses to a
    // few hundred KiB; the reader must stop right after the last field.
    const std::string stream =
        streamOfRepeated(encodeProjectBody(makeNewTemplate()), '\0', size_t{64} << 20);
    ASSERT_LT(stream.size(), 2u << 20);
    EXPECT_TRUE(corrupt("TMPLv099" + stream, "лишние данные"));
}

TEST(ProjectFile, NameLimitMatchesWhatTheReaderTakes) {
    EXPECT_TRUE(nameFitsProject(std::string(kMaxProjectNameBytes, 'a')));
    EXPECT_FALSE(nameFitsProject(std::string(kMaxProjectNameBytes + 1, 'a')));
    // Cyrillic letters take two bytes each in the stored form.
    EXPECT_FALSE(nameFitsProject(std::string(kMaxProjectNameBytes / 2 + 1, '\xC4')));
    TRmg t;
    t.name = std::string(kMaxProjectNameBytes, 'n');
    EXPECT_EQ(accepted(encodeProject(t)).name.size(), static_cast<size_t>(kMaxProjectNameBytes));
}

// The kept cells' section around a raw payload.
std::string keptSection(std::string_view payload, int32_t version = 1, int level = 9) {
    const std::string stream = zlibStream(payload, level);
    return "TMPLkept" + int32le(version) + int32le(static_cast<int32_t>(stream.size())) + stream;
}

std::string textField(std::string_view s) {
    return int32le(static_cast<int32_t>(s.size())) + std::string(s);
}

TEST(ProjectKeptCells, EverythingKeptComesBackAfterTheClassicFileUnchanged) {
    const TRmg kept = test::keptTemplate();
    const std::string classic = encodeProject(richTemplate());
    const std::string file = encodeProject(kept);
    // A reader that stops after the stream reads the classic part; the section follows.
    EXPECT_EQ(file.substr(0, classic.size()), classic);
    EXPECT_EQ(file.substr(classic.size(), 8), "TMPLkept");
    EXPECT_EQ(accepted(file), kept);
    EXPECT_EQ(encodeProject(accepted(file)), file);
}

TEST(ProjectKeptCells, EachKindOfKeptDataAloneMakesTheSectionAndComesBack) {
    std::vector<TRmg> kept(5, richTemplate());
    kept[0].zones[1].kept.id = -7;
    kept[1].zones[2].kept.row = 0;
    kept[2].connections[1].passages[7].kept.cells = {test::keptCell("", "")}; // beyond the count
    kept[3].kept.rows = {KeptRow{-3, {}, 0}};                                 // an empty row
    kept[4].kept.cells = {test::keptCell("Name", "x", true, "")};             // with readAs
    const size_t classic = encodeProject(richTemplate()).size();
    for (size_t i = 0; i < kept.size(); ++i) {
        const std::string file = encodeProject(kept[i]);
        EXPECT_GT(file.size(), classic) << i;
        EXPECT_EQ(accepted(file), kept[i]) << i;
    }
}

TEST(ProjectKeptCells, DamagedSectionsAreRefusedNamingTheFault) {
    const std::string file = encodeProject(richTemplate()); // three zones, two connections
    const std::string none = int32le(0);
    const std::string empty = none + none; // no template cells, no rows
    auto cell = [](int flags, std::string_view name, std::string_view text) {
        return bytes({flags}) + textField(name) + textField(text);
    };
    auto ints = [](std::initializer_list<int32_t> values) {
        std::string s;
        for (int32_t v : values)
            appendInt32(s, v);
        return s;
    };
    // clang-format off
    const std::pair<std::string, const char*> cases[] = {
        {"TMPL", "обрываются"},
        {"TMPLkept" + int32le(1), "обрываются"},
        {keptSection(empty + none + none, 2), "неизвестном виде (версия 2)"},
        {"TMPLkept" + ints({1, -1}), "обрываются"},
        {"TMPLkept" + ints({1, 1000}) + zlibStream(empty + none + none), "обрываются"},
        {keptSection(empty + none + none + "x"), "лишние данные"},
        {keptSection(empty + none), "обрываются"},
        {keptSection(int32le(1) + cell(4, "a", "b") + ints({0, 0, 0})), "признаки"},
        {keptSection(int32le(1) + bytes({0}) + int32le(-2)), "отрицательная длина"},
        {keptSection(int32le(2) + cell(0, "A", "x") + cell(1, "A", "y") + ints({0, 0, 0})),
         "поле «A» записано дважды"},
        {keptSection(int32le(-1)), "отрицательное количество"},
        {keptSection(int32le(2000000000)), "обрываются"},
        {keptSection(empty + ints({1, 3, -1, 0, 0, 0})), "локации 4, которой нет"},
        {keptSection(empty + ints({2, 1, -1, 0, 0, 1, -1, 0, 0, 0})),
         "локации 2 записаны не по порядку или дважды"},
        {keptSection(empty + ints({0, 1, 1, 8, -1, 0, 0})), "прохода 9 перехода 2, которого нет"},
        {keptSection(empty + ints({0, 1, 2, 0, -1, 0, 0})), "перехода 3, которого нет"},
        {keptSection(empty + ints({0, 2, 1, 3, -1, 0, 0, 0, 4, -1, 0, 0})),
         "прохода 5 перехода 1 записаны не по порядку"}};
    // clang-format on
    for (const auto& [trailer, words] : cases)
        EXPECT_TRUE(corrupt(file + trailer, words)) << words;
    // Bytes after the section are ignored.
    EXPECT_EQ(accepted(file + keptSection(empty + none + none) + "after"), richTemplate());
}

TEST(ProjectKeptCells, CutsAndFlipsNeverLoadOtherCellsSilently) {
    const TRmg kept = test::keptTemplate();
    const std::string classic = encodeProject(richTemplate());
    const std::string file = encodeProject(kept);
    // Cut exactly after the stream, the file is a classic one; cut anywhere
    // else, it is refused.
    for (size_t n = classic.size() + 1; n < file.size(); ++n)
        EXPECT_TRUE(corrupt(std::string_view(file).substr(0, n))) << n;
    // A damaged tag makes the section bytes nobody reads, as before it existed.
    for (size_t i = classic.size(); i < file.size(); ++i) {
        std::string flipped = file;
        flipped[i] = static_cast<char>(flipped[i] ^ 0x20);
        auto r = decodeProject(flipped);
        if (const auto* t = std::get_if<TRmg>(&r)) {
            EXPECT_EQ(*t, i < classic.size() + 8 ? richTemplate() : kept) << i;
        }
    }
}

TEST(ProjectKeptCells, LimitsRefuseBeforeMemoryFollowsWhatTheFileClaims) {
    const std::string file = encodeProject(makeNewTemplate());
    auto section = [](const std::string& stream) {
        return "TMPLkept" + int32le(1) + int32le(static_cast<int32_t>(stream.size())) + stream;
    };
    // One text longer than the section may unpack to: refused on the way.
    const size_t huge = size_t{kMaxProjectKeptBytes} + 16;
    const std::string bigHead =
        int32le(1) + bytes({0}) + textField("") + int32le(static_cast<int32_t>(huge));
    EXPECT_TRUE(
        corrupt(file + section(streamOfRepeated(bigHead, 'a', huge)), "занимают больше 64 МБ"));
    // More kept rows than the limit takes cells and rows, each twelve zero
    // bytes (row 0, no cell count, no cells).
    const std::string manyHead = int32le(0) + int32le(kMaxProjectKeptCells + 1);
    EXPECT_TRUE(corrupt(
        file + section(streamOfRepeated(manyHead, '\0', 12 * (size_t{kMaxProjectKeptCells} + 1))),
        "слишком много дополнительных полей"));

    TRmg t = makeNewTemplate();
    EXPECT_TRUE(keptFitsProject(t));
    t.kept.cells.assign(size_t{kMaxProjectKeptCells} + 1, KeptCell{});
    EXPECT_FALSE(keptFitsProject(t));
    t.kept.cells = {test::keptCell("a", std::string(huge, 'a'))};
    EXPECT_FALSE(keptFitsProject(t));
}

} // namespace
} // namespace zw
