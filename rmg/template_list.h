// Splitting an rmg.txt table into its templates, and the behaviour of the
// template list window ("Вставка шаблона в файл") as logic without a window:
// the working buffer, the entries, deleting one or all, adding and importing.
#pragma once

#include "platform/dialogs.h"
#include "platform/services.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct TTemplateInside {
    std::string name; // Windows-1251 bytes of the first cell
    int32_t start = 0;
    int32_t length = 0;
    bool operator==(const TTemplateInside&) const = default;
};

// Finds the templates of a table held in memory.
std::vector<TTemplateInside> splitTable(std::string_view buffer);

// True when a field parses whole as a signed 32-bit number in the table's
// syntax (leading spaces, sign, decimal or "$"/"x"/"X"/"0x"/"0X" hexadecimal).
std::optional<int32_t> parseTableNumber(std::string_view field);

enum class ListMode { Adding, Import };

inline constexpr std::string_view kChooseImportName = "Выберите импортируемый шаблон";

// One run of the template list window. The window shows this state and calls the
// event methods; tests drive the same methods directly.
class TemplateListSession {
  public:
    // Prepares the window as its callers do: list filled from the buffer's
    // entries, "Удалить" disabled, deleted flag cleared, the mode set.
    // `initialName` (Windows-1251) is the template's name in adding mode.
    TemplateListSession(std::string buffer, ListMode mode, std::string initialName,
                        Services& services);

    const std::string& buffer() const { return buffer_; }
    std::string takeBuffer() { return std::move(buffer_); }
    const std::vector<TTemplateInside>& entries() const { return entries_; }
    ListMode mode() const { return mode_; }

    // Window state.
    std::string nameField;                 // Windows-1251
    bool nameEnabled = true;
    std::optional<int> selected;           // list box selection
    bool deleteEnabled = false;
    bool importEnabled = false;
    bool deletedFlag = false;
    int chosenIndex = -1;                  // last double-clicked entry

    // Events.
    void click(std::optional<int> item);   // list box click (selection change)
    void doubleClick();                    // on the selected item
    void deleteSelected();                 // "Удалить"
    void deleteAll();                      // "Удалить все" (asks)
    // "Добавить шаблон": nullopt when the name field is refused (a message was
    // shown and the window stays open), else Proceed.
    std::optional<ListOutcome> addTemplate();
    ListOutcome importTemplate();          // "Импорт"
    ListOutcome cancel();                  // "Отмена" (asks when templates were deleted)

  private:
    std::string buffer_;
    ListMode mode_;
    Services& services_;
    std::vector<TTemplateInside> entries_;
};

} // namespace zw
