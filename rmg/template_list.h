// Splitting an rmg.txt table into its templates, and the behaviour of the
// template list window ("Вставка шаблона в файл") as logic without a window:
// the working buffer, the entries, deleting one or all, adding and importing.
#pragma once

#include "model/translation.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zw {

struct TTemplateInside {
    std::string name; // Windows-1251 bytes of the first cell
    int32_t start = 0;
    int32_t length = 0;
    bool operator==(const TTemplateInside&) const = default;
};

// The templates of a table held in memory, in either layout: a table that
// claims the extended layout (rmg/extended_table.h) lists the templates it
// reads, none when it does not read; any other is split as the classic one.
std::vector<TTemplateInside> splitTable(std::string_view buffer);

// What is wrong with a table that claims the extended layout and does not
// read as one (a message naming what was expected); nullopt for any other.
std::optional<std::string> tableLayoutProblem(std::string_view buffer);

// Finds the templates of a classic table held in memory. A template starts at a row
// that follows CR LF and whose second and third TAB-separated fields are both
// numbers other than 100 (fields of at most 64 bytes; the buffer's last byte is
// never examined). Offsets are 32-bit: a buffer of more than 2^31 - 1 bytes
// yields no template.
std::vector<TTemplateInside> splitClassicTable(std::string_view buffer);

// The header: the bytes before the first template (the whole buffer without one).
std::string_view tableHeader(std::string_view buffer, const std::vector<TTemplateInside>& entries);

// The bytes of one template, clamped to the buffer.
std::string_view templateBlock(std::string_view buffer, const TTemplateInside& entry);

// The buffer without one template's bytes; the line end before it stays. In
// the extended layout the pack's cells stay on the first data row.
std::string withoutTemplate(std::string_view buffer, const TTemplateInside& entry);

// The buffer without any template: the header (in the extended layout with
// the pack's cells alone on the first data row).
std::string withoutTemplates(std::string_view buffer, const std::vector<TTemplateInside>& entries);

// Position of the first entry whose name equals `name` when the letters A to Z
// of both are lowered (all other bytes compared as they are).
std::optional<size_t> findTemplateByName(const std::vector<TTemplateInside>& entries,
                                         std::string_view name);

enum class ListMode { Adding, Import };

// Shown through translated("Rmg", ...).
inline constexpr std::string_view kChooseImportName =
    ZW_TR_NOOP("Rmg", "Выберите импортируемый шаблон");
inline constexpr std::string_view kDeleteAllQuestion = ZW_TR_NOOP(
    "Rmg", "Вы действительно хотите удалить все шаблоны из файла, оставив только заголовок?");
inline constexpr std::string_view kSaveDeletionsQuestion = ZW_TR_NOOP(
    "Rmg", "Некоторые шаблоны были удалены из файла rmg. Вы хотите сохранить эти изменения?");

// One run of the template list window. The window shows this state and calls the
// event methods; tests drive the same methods directly. The list box shows the
// names of entries() in order (Windows-1251); after every event the window
// re-reads the state fields and the list.
class TemplateListSession {
  public:
    // Prepares the window as its callers do: list filled from the buffer's
    // entries, nothing selected, "Удалить" and "Импорт" disabled, deleted flag
    // cleared, chosen index -1. Adding mode: the name field holds `initialName`
    // (Windows-1251) and is enabled, "Добавить шаблон" is shown. Import mode: the
    // name field holds "Выберите импортируемый шаблон" and is disabled, "Импорт"
    // is shown; `initialName` is not used.
    TemplateListSession(std::string buffer, ListMode mode, std::string initialName,
                        Services& services);

    // The working buffer as the events left it; the caller reads it after the run.
    const std::string& buffer() const { return buffer_; }
    std::string takeBuffer() { return std::move(buffer_); }
    // The templates of the current buffer, in file order (the list box's items).
    const std::vector<TTemplateInside>& entries() const { return entries_; }
    // The filled cells of the pack of a table in the extended layout, by
    // header name (Windows-1251), for the window to show read-only; none for
    // a classic table or one whose extended layout doesn't read.
    const std::vector<std::pair<std::string, std::string>>& packCells() const { return packCells_; }
    ListMode mode() const { return mode_; }
    // Which of the two closing buttons the mode shows.
    bool addVisible() const { return mode_ == ListMode::Adding; }
    bool importVisible() const { return mode_ == ListMode::Import; }

    // Window state.
    std::string nameField; // Windows-1251
    bool nameEnabled = true;
    std::optional<int> selected; // list box selection
    bool deleteEnabled = false;
    bool importEnabled = false;
    bool deletedFlag = false;
    int chosenIndex = -1;               // last double-clicked entry; -1 after a deletion
    std::optional<size_t> replaceIndex; // the extended table's template to replace

    // Events.
    // List box click: the selection becomes `item` (none when out of range);
    // "Удалить" is enabled exactly when an item is selected.
    void click(std::optional<int> item);
    // Double-click on the selected item: the name field takes its name, "Импорт"
    // is enabled and the chosen index becomes the selected position.
    void doubleClick();
    // "Удалить": removes the selected template from the buffer and splits anew;
    // sets the deleted flag, clears the selection, disables "Удалить" and "Импорт".
    void deleteSelected();
    // "Удалить все": with templates present asks the question; on Yes the buffer
    // becomes its header and the list empties.
    void deleteAll();
    // "Добавить шаблон": nullopt when the name field is refused (too long, or
    // holding TAB, CR or LF; a message was shown and the window stays open).
    // Otherwise the first template of the same name (A to Z folded) is deleted
    // and the result is Proceed; in an extended table it is not deleted but
    // named by replaceIndex, so that the compile writes the template in its place.
    std::optional<ListOutcome> addTemplate();
    // "Импорт": Proceed.
    ListOutcome importTemplate();
    // "Отмена": Abandon at once when nothing was deleted; otherwise asks whether
    // to save: Yes gives SaveEdited, any other answer Abandon.
    ListOutcome cancel();

  private:
    void afterDeletion();
    void readPackCells();

    std::string buffer_;
    ListMode mode_;
    Services& services_;
    std::vector<TTemplateInside> entries_;
    std::vector<std::pair<std::string, std::string>> packCells_;
};

} // namespace zw
