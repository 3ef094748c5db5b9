#include "rmg/template_list.h"

#include "model/name_rules.h"
#include "model/numbers.h"
#include "model/text.h"
#include "model/translation.h"
#include "rmg/extended_table.h"

#include <algorithm>
#include <limits>

namespace zw {

namespace {

constexpr size_t kMaxFieldLength = 64;

} // namespace

std::vector<TTemplateInside> splitTable(std::string_view buffer) {
    if (!claimsExtendedLayout(buffer))
        return splitClassicTable(buffer);
    auto read = ExtendedTable::read(buffer);
    if (const auto* table = std::get_if<ExtendedTable>(&read))
        return table->templates();
    return {};
}

std::optional<std::string> tableLayoutProblem(std::string_view buffer) {
    if (!claimsExtendedLayout(buffer))
        return std::nullopt;
    auto read = ExtendedTable::read(buffer);
    if (auto* problem = std::get_if<std::string>(&read))
        return std::move(*problem);
    return std::nullopt;
}

std::vector<TTemplateInside> splitClassicTable(std::string_view buffer) {
    std::vector<TTemplateInside> list;
    if (buffer.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        return list;
    // The fields hold at most 65 bytes: a longer one ends the line's test.
    std::string f1, f2, f3;
    int s = 0;
    size_t lineStart = 0;
    size_t start = 0;
    std::string name;
    auto isTemplateRow = [&] {
        const auto a = parseInt32(f2, kTableNumber);
        const auto b = parseInt32(f3, kTableNumber);
        return a && b && *a != 100 && *b != 100;
    };
    const size_t n = buffer.size();
    for (size_t pos = 0; pos + 1 < n; ++pos) { // the last byte is never examined
        if (s == 0) {
            // Waiting for a CR: every other byte leaves the state as it is.
            const size_t cr = buffer.substr(0, n - 1).find('\r', pos);
            if (cr == std::string_view::npos)
                break;
            pos = cr;
        }
        const char c = buffer[pos];
        if (s == 5) {
            if (isTemplateRow()) {
                if (start > 0)
                    list.push_back({name, static_cast<int32_t>(start),
                                    static_cast<int32_t>(lineStart - start)});
                start = lineStart;
                name = f1;
            }
            s = 0;
        }
        if (s >= 2 && s <= 4) {
            std::string& field = s == 2 ? f1 : (s == 3 ? f2 : f3);
            if (c != '\t' && c != '\n')
                field += c;
            if (c == '\t') {
                ++s;
                if (s == 3)
                    f2.clear();
                else if (s == 4)
                    f3.clear();
            }
            if (c == '\r')
                s = 0;
            if (s >= 2 && s <= 4) {
                const std::string& now = s == 2 ? f1 : (s == 3 ? f2 : f3);
                if (now.size() > kMaxFieldLength)
                    s = 0;
            }
        }
        if (s == 1) {
            if (c == '\n') {
                s = 2;
                f1.clear();
                lineStart = pos + 1;
            } else {
                s = 0;
            }
        }
        if (s == 0 && c == '\r')
            s = 1;
    }
    if (start > 0)
        list.push_back({name, static_cast<int32_t>(start), static_cast<int32_t>(n - start)});
    return list;
}

std::string_view tableHeader(std::string_view buffer, const std::vector<TTemplateInside>& entries) {
    if (entries.empty())
        return buffer;
    const size_t end = std::min(buffer.size(), static_cast<size_t>(std::max(0, entries[0].start)));
    return buffer.substr(0, end);
}

std::string_view templateBlock(std::string_view buffer, const TTemplateInside& entry) {
    const size_t start = std::min(buffer.size(), static_cast<size_t>(std::max(0, entry.start)));
    const size_t length =
        std::min(buffer.size() - start, static_cast<size_t>(std::max(0, entry.length)));
    return buffer.substr(start, length);
}

namespace {

// The extended table a buffer holds, and the index of the template an entry names.
std::optional<std::pair<ExtendedTable, size_t>> extendedEntry(std::string_view buffer,
                                                              const TTemplateInside& entry) {
    if (!claimsExtendedLayout(buffer))
        return std::nullopt;
    auto read = ExtendedTable::read(buffer);
    auto* table = std::get_if<ExtendedTable>(&read);
    if (!table)
        return std::nullopt;
    const auto& entries = table->templates();
    for (size_t k = 0; k < entries.size(); ++k)
        if (entries[k].start == entry.start)
            return std::pair{std::move(*table), k};
    return std::nullopt;
}

} // namespace

std::string withoutTemplates(std::string_view buffer, const std::vector<TTemplateInside>& entries) {
    if (claimsExtendedLayout(buffer)) {
        auto read = ExtendedTable::read(buffer);
        if (const auto* table = std::get_if<ExtendedTable>(&read))
            return table->withoutAll();
    }
    return std::string(tableHeader(buffer, entries));
}

std::string withoutTemplate(std::string_view buffer, const TTemplateInside& entry) {
    if (const auto found = extendedEntry(buffer, entry))
        return found->first.without(found->second);
    const std::string_view block = templateBlock(buffer, entry);
    const size_t start = static_cast<size_t>(block.data() - buffer.data());
    std::string out;
    out.reserve(buffer.size() - block.size());
    out.append(buffer.substr(0, start));
    out.append(buffer.substr(start + block.size()));
    return out;
}

std::optional<size_t> findTemplateByName(const std::vector<TTemplateInside>& entries,
                                         std::string_view name) {
    const std::string wanted = asciiLowercase(name);
    for (size_t i = 0; i < entries.size(); ++i)
        if (asciiLowercase(entries[i].name) == wanted)
            return i;
    return std::nullopt;
}

// ---- The list window's logic ----

TemplateListSession::TemplateListSession(std::string buffer, ListMode mode, std::string initialName,
                                         Services& services)
    : buffer_(std::move(buffer)), mode_(mode), services_(services) {
    if (mode_ == ListMode::Adding) {
        nameField = std::move(initialName);
        nameEnabled = true;
    } else {
        nameField = utf8ToCp1251(translated("Rmg", kChooseImportName));
        nameEnabled = false;
    }
    entries_ = splitTable(buffer_);
    readPackCells();
}

void TemplateListSession::readPackCells() {
    packCells_.clear();
    if (!claimsExtendedLayout(buffer_))
        return;
    const auto table = ExtendedTable::read(buffer_);
    if (const auto* t = std::get_if<ExtendedTable>(&table))
        packCells_ = t->packCells();
}

void TemplateListSession::click(std::optional<int> item) {
    if (item && (*item < 0 || static_cast<size_t>(*item) >= entries_.size()))
        item.reset();
    selected = item;
    deleteEnabled = selected.has_value();
}

void TemplateListSession::doubleClick() {
    if (!selected)
        return;
    nameField = entries_[static_cast<size_t>(*selected)].name;
    importEnabled = true;
    chosenIndex = *selected;
}

void TemplateListSession::afterDeletion() {
    readPackCells();
    replaceIndex.reset();
    selected.reset();
    deleteEnabled = false;
    deletedFlag = true;
    importEnabled = false;
    // The chosen entry may be gone or have moved; "Импорт" needs a new choice.
    chosenIndex = -1;
    if (mode_ == ListMode::Import)
        nameField = utf8ToCp1251(translated("Rmg", kChooseImportName));
}

void TemplateListSession::deleteSelected() {
    if (!selected)
        return;
    buffer_ = withoutTemplate(buffer_, entries_[static_cast<size_t>(*selected)]);
    entries_ = splitTable(buffer_);
    afterDeletion();
}

void TemplateListSession::deleteAll() {
    if (entries_.empty())
        return;
    if (services_.messageBox(translated("Rmg", kDeleteAllQuestion), MessageKind::Confirmation,
                             MessageButtons::YesNo) != MessageResult::Yes)
        return;
    buffer_ = withoutTemplates(buffer_, entries_);
    entries_.clear();
    afterDeletion();
}

std::optional<ListOutcome> TemplateListSession::addTemplate() {
    if (const auto problem = templateNameProblem(nameField)) {
        services_.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return std::nullopt;
    }
    if (const auto match = findTemplateByName(entries_, nameField)) {
        if (claimsExtendedLayout(buffer_)) {
            replaceIndex = *match;
            return ListOutcome::Proceed;
        }
        click(static_cast<int>(*match));
        deleteSelected();
    }
    return ListOutcome::Proceed;
}

ListOutcome TemplateListSession::importTemplate() {
    return ListOutcome::Proceed;
}

ListOutcome TemplateListSession::cancel() {
    if (!deletedFlag)
        return ListOutcome::Abandon;
    const auto answer = services_.messageBox(translated("Rmg", kSaveDeletionsQuestion),
                                             MessageKind::Confirmation, MessageButtons::YesNo);
    return answer == MessageResult::Yes ? ListOutcome::SaveEdited : ListOutcome::Abandon;
}

} // namespace zw
