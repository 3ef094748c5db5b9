// The clipboard fragment: writing, reading with its refusals, and pasting with
// the search for a free place.
#include "model/fragment.h"
#include "model/project_file.h"
#include "model/template_json.h"
#include "support/group_samples.h"
#include "support/kept_samples.h"
#include "support/model_samples.h"

#include <climits>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zw {
namespace {

using test::templateOf;
using test::zoneAt;

TEST(Fragment, RoundTripKeepsTheSelectionAndItsInnerConnections) {
    // Zones 1 and 3 of the rich sample: its connection 1-3 comes along, 2-3
    // does not; with kept cells, they come along with their records.
    for (const TRmg& t : {test::richTemplate(), test::keptTemplate()}) {
        const std::vector<int32_t> sel = {2, 0};
        const TRmg fragment = extractFragment(t, sel);
        ConnectionRecord inner = t.connections[0];
        inner.zoneB = 1;
        EXPECT_EQ(fragment.zones, (std::vector<ZoneRecord>{t.zones[0], t.zones[2]}));
        EXPECT_EQ(fragment.connections, std::vector<ConnectionRecord>{inner});

        const std::string text = fragmentToText(fragment);
        const auto j = nlohmann::json::parse(text);
        EXPECT_EQ(j["zonewright-fragment"], kFragmentVersion);
        EXPECT_EQ(j.size(), 3u);
        const auto back = fragmentFromText(text);
        ASSERT_TRUE(std::holds_alternative<TRmg>(back)) << std::get<FragmentError>(back).message;
        EXPECT_EQ(std::get<TRmg>(back), fragment);
        // Pasted, the copies keep them too.
        const TRmg pasted = std::get<TRmg>(pasteFragment(t, std::get<TRmg>(back), 0, 0));
        EXPECT_EQ(pasted.zones[3].kept, t.zones[0].kept);
        EXPECT_EQ(pasted.connections[2].passages, t.connections[0].passages);
    }
}

TEST(Fragment, DefaultValuesAreLeftOutOfTheText) {
    TRmg plain = templateOf({zoneAt(0, 0), zoneAt(2, 0)}, {{1, 0}});
    plain.connections[0].passages[2].guard = 1;
    const std::string text = fragmentToText(plain);
    EXPECT_EQ(text, R"({"zonewright-fragment":1,"zones":[{},{"gridX":2}],)"
                    R"("connections":[{"zoneA":1,"passages":[{},{},{"guard":1}]}]})");
    const auto back = fragmentFromText(text);
    ASSERT_TRUE(std::holds_alternative<TRmg>(back));
    EXPECT_EQ(std::get<TRmg>(back), plain);
}

// The text against the plain rule on every kind of field: each record in full,
// less every key whose value is the default record's.
TEST(Fragment, TheTextLeavesOutExactlyTheKeysHoldingTheirDefault) {
    TRmg t = test::richTemplate();
    t.connections[0].passages[7].kind = 2;
    t.connections[1].passages[3] = t.connections[1].passages[0];
    using nlohmann::ordered_json;
    auto withoutDefaults = [](ordered_json record, const ordered_json& base) {
        ordered_json kept = ordered_json::object();
        for (auto& [key, value] : record.items())
            if (!base.contains(key) || base[key] != value)
                kept[key] = value;
        return kept;
    };
    TRmg defaults;
    defaults.zones.push_back(makeDefaultZone());
    defaults.connections.push_back(makeDefaultConnection());
    const ordered_json base = templateToJson(defaults);
    ordered_json full = templateToJson(t);
    ordered_json expected = {{"zonewright-fragment", kFragmentVersion}};
    for (auto& zone : full["zones"])
        expected["zones"].push_back(withoutDefaults(zone, base["zones"][0]));
    for (auto& connection : full["connections"]) {
        ordered_json passages = ordered_json::array();
        for (auto& passage : connection["passages"])
            passages.push_back(withoutDefaults(passage, base["connections"][0]["passages"][0]));
        while (!passages.empty() && passages.back().empty())
            passages.erase(passages.size() - 1);
        connection["passages"] = passages;
        ordered_json kept = withoutDefaults(connection, base["connections"][0]);
        if (passages.empty())
            kept.erase("passages");
        expected["connections"].push_back(kept);
    }
    EXPECT_EQ(fragmentToText(t), expected.dump());
}

TEST(Fragment, BadInputIsRefusedWithAMessage) {
    const std::string zone = R"({"gridX": 0, "gridY": 0})";
    auto fragment = [&](const std::string& zones, const std::string& extra = "") {
        return R"({"zonewright-fragment": 1, "zones": [)" + zones + "]" + extra + "}";
    };
    // Each text, and a part of the message refusing it.
    const std::pair<std::string, std::string> cases[] = {
        {"просто текст", "В буфере обмена нет фрагмента шаблона."},
        {"[1, 2]", "нет фрагмента"},
        {R"({"zones": []})", "нет фрагмента"},
        {R"({"zonewright-fragment": 2, "zones": []})", "более новой версией редактора (версия 2)"},
        {R"({"zonewright-fragment": "1", "zones": []})", "ожидается номер версии"},
        {fragment(zone, R"(, "name": "x")"), "(name: неизвестный ключ)"},
        {R"({"zonewright-fragment": 1})", "zones: нет списка локаций"},
        {fragment(""), "фрагмент без локаций"},
        // What the template reader refuses, in the window's language.
        {fragment(R"({"colour": 3})"), "(zones[0].colour: неизвестный ключ)"},
        {fragment(R"({"gridX": 1099511627776})"),
         "(zones[0].gridX: число вне 32-битного диапазона)"},
        {fragment(R"({"owner": "1"})"), "(zones[0].owner: ожидается целое число)"},
        {fragment(R"({"treasure": [{}]})"), "(zones[0].treasure: ожидается 3 значения)"},
        {fragment(R"({"gridY": true})"), "(zones[0].gridY: ожидается целое число)"},
        {fragment(R"({"owner": 9})"), "zones[0].owner: 9 вне пределов от 0 до 8"},
        {fragment(R"({"kind": -1})"), "zones[0].kind"},
        {fragment(zone + "," + zone, R"(, "connections": [{"zoneA": 0, "zoneB": 2}])"),
         "(connections[0].zoneB: нет локации с индексом 2 (всего 2 локации))"},
        {fragment(zone, R"(, "connections": [{"zoneA": 0, "zoneB": 0, "passageCount": 0}])"),
         "(connections[0].passageCount: должно быть от 1 до 8)"},
        {fragment(zone, R"(, "connections": [{"zoneA": 0, "zoneB": 0, "passages": )"
                        R"([{}, {}, {}, {}, {}, {}, {}, {}, {}]}])"),
         "(connections[0].passages: не более 8 значений)"},
        {fragment(zone, R"(, "connections": 5)"), "(connections: ожидается список)"},
        {fragment(zone, R"(, "connections": [7])"), "(connections[0]: ожидается объект)"},
        {fragment(zone,
                  R"(, "connections": [{"zoneA": 0, "zoneB": 0, "passages": [{"kind": 7}]}])"),
         "connections[0].passages[0].kind"},
    };
    for (const auto& [text, message] : cases) {
        const auto r = fragmentFromText(text);
        const auto* e = std::get_if<FragmentError>(&r);
        ASSERT_TRUE(e) << text;
        EXPECT_NE(e->message.find(message), std::string::npos) << text << "\n" << e->message;
    }
    // A passage kind beyond the passages in use is kept, as the project file keeps it.
    const auto unused = fragmentFromText(fragment(
        zone, R"(, "connections": [{"zoneA": 0, "zoneB": 0, "passages": [{}, {"kind": 7}]}])"));
    EXPECT_TRUE(std::holds_alternative<TRmg>(unused));
}

// Where the anchor of a fragment lands for a target node: the nearest free
// place by Chebyshev rings, nearer first, then clockwise from the right.
TEST(Fragment, PasteFindsTheNearestFreePlace) {
    const TRmg single = templateOf({zoneAt(7, 7)});
    const TRmg pair = templateOf({zoneAt(0, 0), zoneAt(2, 0)}, {{0, 1}});
    struct Case {
        const char* what;
        TRmg existing;
        const TRmg* fragment;
        int64_t x, y;
        GridNode64 anchor;
    };
    std::vector<Case> cases = {
        {"free target", makeNewTemplate(), &single, 5, -3, {5, -3}},
        {"ring 1 all taken, ring 2 east", templateOf({zoneAt(0, 0)}), &single, 0, 0, {2, 0}},
        {"east taken, then south", templateOf({zoneAt(0, 0), zoneAt(3, 0)}), &single, 0, 0, {0, 2}},
        {"west before north", templateOf({zoneAt(1, 1)}), &single, 0, 0, {-1, 0}},
        {"beside the originals", pair, &pair, 0, 0, {0, 2}},
        {"grid's edge", makeNewTemplate(), &pair, INT32_MAX, INT32_MIN, {INT32_MAX - 2, INT32_MIN}},
    };
    // A fragment as wide as the grid can only move up and down; the zones
    // block every ring searched, so it goes below them all.
    const TRmg gridWide = templateOf({zoneAt(INT32_MIN, 0), zoneAt(INT32_MAX, 0)});
    TRmg column = makeNewTemplate();
    for (int32_t y = -8; y <= 8; y += 2)
        column.appendZone(zoneAt(INT32_MIN, y));
    cases.push_back(
        {"rings exhausted: below everything", column, &gridWide, 0, 0, {INT32_MIN, 10}});
    for (const Case& c : cases) {
        const auto found = findPasteAnchor(c.existing, *c.fragment, c.x, c.y);
        ASSERT_TRUE(std::holds_alternative<GridNode64>(found)) << c.what;
        EXPECT_EQ(std::get<GridNode64>(found), c.anchor) << c.what;
    }
}

TEST(Fragment, PasteAppendsShiftedZonesAndRepointedConnections) {
    const TRmg t = templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(4, 0)}, {{0, 2}});
    const TRmg fragment = templateOf({zoneAt(-3, 5, 4), zoneAt(-1, 7)}, {{1, 0}});
    EXPECT_EQ(
        std::get<TRmg>(pasteFragment(t, fragment, 10, 10)),
        templateOf({zoneAt(0, 0), zoneAt(2, 0), zoneAt(4, 0), zoneAt(10, 10, 4), zoneAt(12, 12)},
                   {{0, 2}, {4, 3}}));
}

TEST(Fragment, PasteRefusedPastTheProjectFile) {
    TRmg t = makeNewTemplate();
    t.zones.assign(kMaxProjectRecords, zoneAt(0, 0));
    const auto r = pasteFragment(t, templateOf({zoneAt(5, 5)}), 5, 5);
    ASSERT_TRUE(std::holds_alternative<EditRefusal>(r));
    EXPECT_NE(std::get<EditRefusal>(r).message.find("65535"), std::string::npos);
    const TRmg broken = templateOf({zoneAt(0, 0)}, {{0, 1}});
    EXPECT_TRUE(
        std::holds_alternative<EditRefusal>(pasteFragment(makeNewTemplate(), broken, 0, 0)));
}

} // namespace
} // namespace zw
