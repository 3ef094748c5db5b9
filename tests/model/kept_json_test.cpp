// Kept cells in the template's JSON: their shape under "extended", the way
// back, and the refusals of what the records can't hold.
#include "model/template_json.h"
#include "model/text.h"
#include "support/kept_samples.h"
#include "support/model_samples.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zw {
namespace {

using nlohmann::ordered_json;

TEST(KeptJson, ExtendedObjectsStandBesideTheClassicKeys) {
    const ordered_json j = ordered_json::parse(templateToJsonText(test::keptTemplate()));
    EXPECT_EQ(j["zones"][0]["extended"], ordered_json::parse(R"({
        "row": 0, "id": 1,
        "cells": {"Placement": "1",
                  "Border Guard": {"text": "x o2 o9", "readAs": "0"},
                  "Town Hint": {"text": "Замок у реки", "quoted": true}}})"));
    EXPECT_EQ(j["zones"][2]["extended"]["id"], 40);
    const ordered_json& passages = j["connections"][0]["passages"];
    EXPECT_EQ(passages[0]["extended"], ordered_json::parse(R"({
        "row": 3, "cells": {"Road": "1", "Strength": {"text": "none", "readAs": "6000"}}})"));
    EXPECT_FALSE(passages[1].contains("extended"));
    EXPECT_EQ(passages[7]["extended"], ordered_json::parse(R"({"cells": {"Fictive": "\u0098"}})"));
    EXPECT_EQ(j["connections"][1]["passages"][1]["extended"], ordered_json::parse(R"({"row": 6})"));
    EXPECT_EQ(j["extended"], ordered_json::parse(R"({
        "cells": {"Artifacts": "on",
                  "Spell Research": {"text": "Да, \"всё\"\tи\r\nещё", "quoted": true},
                  "Map option 1": ""},
        "rows": [{"row": 9, "cells": {"Connections: Zone 1": "77"}},
                 {"row": 10, "cellCount": 131}]})"));
    // Beside, not instead: the classic keys are all there, the last one first.
    auto keys = [](const ordered_json& o) {
        std::vector<std::string> out;
        for (const auto& item : o.items())
            out.push_back(item.key());
        return out;
    };
    EXPECT_EQ(keys(j).back(), "extended");
    EXPECT_EQ(
        keys(j["zones"][0]).size(),
        keys(ordered_json::parse(templateToJsonText(test::richTemplate()))["zones"][0]).size() + 1);
    // Nothing kept, nothing written.
    EXPECT_EQ(templateToJsonText(test::richTemplate()).find("extended"), std::string::npos);
}

TEST(KeptJson, TextReadsBackTheSameTemplateCellsInTheirOrder) {
    TRmg t = test::keptTemplate();
    // Names out of alphabetical order, so that an order lost on the way shows.
    t.zones[1].kept.cells = {test::keptCell("Zeta", "1"), test::keptCell("Alpha", "2")};
    const auto back = templateFromJsonText(templateToJsonText(t));
    ASSERT_TRUE(std::holds_alternative<TRmg>(back)) << std::get<TemplateJsonError>(back).message;
    EXPECT_EQ(std::get<TRmg>(back), t);
}

TEST(KeptJson, WhatTheKeptCellsCannotHoldIsRefusedByItsKey) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"extended": []})", "extended: ожидается объект"},
        {R"({"extended": {"colour": 1}})", "extended.colour: неизвестный ключ"},
        {R"({"extended": {"cells": {"A": 1}}})", "extended.cells.A: ожидается строка или объект"},
        {R"({"extended": {"cells": {"A": {"quoted": true}}}})", "extended.cells.A.text: нет ключа"},
        {R"({"extended": {"cells": {"A": {"text": "x", "quoted": 1}}}})",
         "extended.cells.A.quoted: ожидается true или false"},
        {R"({"extended": {"cells": {"A": {"text": "x", "bold": true}}}})",
         "extended.cells.A.bold: неизвестный ключ"},
        {R"({"extended": {"cells": {"A": "日"}}})",
         "extended.cells.A: есть символы, которых нет в кодировке Windows-1251"},
        {R"({"extended": {"cells": {"日": "x"}}})",
         "extended.cells.日: в названии поля есть символы, которых нет в кодировке Windows-1251"},
        {R"({"extended": {"rows": [{"cellCount": 3}]}})", "extended.rows[0].row: нет ключа"},
        {R"({"extended": {"rows": [{"row": 1.5}]}})",
         "extended.rows[0].row: ожидается целое число"},
        {R"({"zones": [{"extended": {"id": "7"}}]})",
         "zones[0].extended.id: ожидается целое число"},
        {R"({"zones": [{"extended": {"cells": {"A": "x"}, "name": "B"}}]})",
         "zones[0].extended.name: неизвестный ключ"},
        {R"({"zones": [{}, {}], "connections": [{"zoneB": 1,
             "passages": [{}, {"extended": {"row": 4294967296}}]}]})",
         "connections[0].passages[1].extended.row: число вне 32-битного диапазона"},
    };
    for (const auto& [json, message] : cases) {
        const auto r = templateFromJsonText(json);
        ASSERT_TRUE(std::holds_alternative<TemplateJsonError>(r)) << json;
        EXPECT_EQ(std::get<TemplateJsonError>(r).message, message);
    }
}

} // namespace
} // namespace zw
