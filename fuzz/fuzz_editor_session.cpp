// The editor session as a whole: the input is decoded into a sequence of
// commands (every tool with pointer positions, the selection's clicks and
// rubber bands, the keyboard commands, the dialogs with OK on random or
// invalid values and Отмена, new, load, import, save that works, is cancelled
// or fails, step back and forward, paste of random fragments, the symmetry
// commands, zoom and scroll) run on the real editor core without a window.
// After every command the session's invariants must hold:
// - every selected index names an item;
// - a replaced template leaves nothing selected;
// - the history's position lies within it, and the template is modified
//   exactly when the position is not the saved one;
// - a cancelled or refused command changes neither the template nor the history;
// - a step back and forward returns the template byte for byte;
// - every zone a dialog changed passes the zone dialog's rules;
// - a project that was saved loads again as the template, kept cells and all;
// - a copy puts the selection on the clipboard as a fragment that reads back
//   to the selected records, kept cells and all.
// Some templates keep cells of an extended table, and the dialogs edit them.
#include "editor/commands/clipboard_commands.h"
#include "editor/commands/close_request.h"
#include "editor/commands/compile_command.h"
#include "editor/commands/delete_selection.h"
#include "editor/commands/import_command.h"
#include "editor/commands/load_project.h"
#include "editor/commands/new_template.h"
#include "editor/commands/pattern_command.h"
#include "editor/commands/save_project.h"
#include "editor/commands/start_up.h"
#include "editor/commands/symmetry_commands.h"
#include "editor/commands/template_settings.h"
#include "editor/commands/toolbar.h"
#include "editor/commands/view_commands.h"
#include "editor/editor.h"
#include "editor/session.h"
#include "model/fragment.h"
#include "model/project_file.h"
#include "model/zone_rules.h"
#include "rmg/graph.h"
#include "rmg/import.h"
#include "rmg/table.h"
#include "rmg/template_list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>

namespace zw {
namespace {

// The input, read a little at a time; past its end everything reads as 0.
class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    // 0..n-1.
    uint32_t below(uint32_t n) { return n == 0 ? 0 : byte() % n; }
    // An index into n things (the first 255 of them).
    uint32_t pick(size_t n) { return below(static_cast<uint32_t>(std::min<size_t>(n, 255))); }
    int32_t i32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | byte();
        return static_cast<int32_t>(v);
    }
    // A number that is mostly small but sometimes anything.
    int32_t value() { return below(8) == 0 ? i32() : static_cast<int32_t>(below(12)) - 2; }
    std::string bytes(size_t most) {
        const size_t n = std::min<size_t>(below(static_cast<uint32_t>(most) + 1), size_ - at_);
        std::string s(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return s;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void check(bool ok) {
    if (!ok)
        std::abort();
}

// What happened during one command, as the services and dialogs saw it.
struct Observed {
    bool cancelled = false; // a dialog or question answered Отмена / Нет to an action
    bool refused = false;   // an error box with only an OK button
    bool zoneDialogOk = false;
    bool importedOrLoaded = false;
};

// One time in n a dialog is cancelled.
bool cancels(Input& in, Observed& seen, uint32_t n) {
    return in.below(n) == 0 && (seen.cancelled = true);
}

class MemoryFiles : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    bool failWrites = false;
    std::vector<std::string> written; // paths written during one command
    std::variant<std::string, FileError> readWholeFile(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end())
            return FileError{"нет файла " + path};
        return found->second;
    }
    std::variant<std::monostate, FileError> writeWholeFile(const std::string& path,
                                                           std::string_view bytes) override {
        if (failWrites)
            return FileError{"диск полон"};
        files[path] = std::string(bytes);
        written.push_back(path);
        return std::monostate{};
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
};

class FuzzServices : public Services {
  public:
    FuzzServices(Input& in, Observed& seen) : in_(in), seen_(seen) {}
    MemoryFiles files;
    std::map<std::string, std::string, std::less<>> clipboard;

    MessageResult messageBox(std::string_view text, MessageKind kind,
                             MessageButtons buttons) override {
        switch (buttons) {
        case MessageButtons::Ok:
            // The layout's failure is reported and the import goes on.
            if (kind == MessageKind::Error && text != kLayoutFailed)
                seen_.refused = true;
            return MessageResult::Ok;
        case MessageButtons::YesNo: {
            const bool yes = in_.below(4) != 0;
            // "Нет" to replacing a file goes back to the save dialog: the
            // save goes on with another name or ends at that dialog.
            if (!yes && text.find("Заменить его?") == std::string_view::npos)
                seen_.cancelled = true;
            return yes ? MessageResult::Yes : MessageResult::No;
        }
        case MessageButtons::YesNoCancel: {
            const uint32_t pick = in_.below(3);
            if (pick == 0)
                seen_.cancelled = true;
            return pick == 0 ? MessageResult::Cancel
                             : (pick == 1 ? MessageResult::Yes : MessageResult::No);
        }
        }
        return MessageResult::Ok;
    }
    std::optional<std::string> openFileDialog(FileDialogId, std::string_view, bool) override {
        if (cancels(in_, seen_, 6))
            return std::nullopt;
        static const char* const kPaths[] = {"a.tpz", "b.tpz", "rmg.txt", "bad.txt", "gone.tpz"};
        const uint32_t pick = in_.below(5);
        if (files.files.count(kPaths[pick]) == 0 && pick < 4)
            files.files[kPaths[pick]] = makeFile(pick);
        return std::string(kPaths[pick]);
    }
    std::optional<std::string> saveFileDialog(FileDialogId, std::string_view) override {
        const uint32_t pick = in_.below(6);
        if (pick == 0) {
            seen_.cancelled = true;
            return std::nullopt;
        }
        files.failWrites = pick == 1;
        static const char* const kPaths[] = {"a.tpz", "saved", "rmg.txt", "new.txt"};
        return std::string(kPaths[in_.below(4)]);
    }
    void setDialogPath(FileDialogId, const std::string&) override {}
    void fileError(std::string_view) override { seen_.refused = true; }
    bool shellOpen(const std::string&) override { return true; }
    void showTextWindow(std::string_view, std::string_view) override {}
    void writeFileAssociation() override {}
    std::optional<int> askNumber(std::string_view, std::string_view, int, int) override {
        if (cancels(in_, seen_, 4))
            return std::nullopt;
        return in_.value();
    }
    std::vector<std::string> arguments() const override { return {}; }
    std::string executablePath() const override { return "/zw/zonewright"; }
    std::string executableDir() const override { return "/zw"; }
    FileSystem& fileSystem() override { return files; }
    void setClipboard(std::string_view mimeType, std::string_view text) override {
        clipboard[std::string(mimeType)] = std::string(text);
    }
    std::optional<std::string> clipboardText(std::string_view mimeType) override {
        // The last copy, or damaged text.
        if (in_.below(3) == 0)
            return in_.bytes(200);
        const auto found = clipboard.find(mimeType);
        return found == clipboard.end() ? std::nullopt : std::optional(found->second);
    }

  private:
    // The files the dialogs can name, made from the input when first named:
    // a project, a damaged project, a table and any bytes.
    std::string makeFile(uint32_t which);
    Input& in_;
    Observed& seen_;
};

// Cells of an extended table: a few names, texts from the input, some with
// the text a classic column was read as, some quoted.
KeptCells randomKept(Input& in) {
    KeptCells k;
    k.row = in.value();
    k.id = in.below(2) == 0 ? 0 : in.value();
    for (int n = static_cast<int>(in.below(4)); n > 0; --n) {
        KeptCell c;
        c.name = "Field " + std::to_string(n); // a record's names differ
        c.text = in.bytes(12);
        if (in.below(3) == 0)
            c.readAs = in.bytes(4);
        c.quoted = in.below(2) == 0;
        k.cells.push_back(std::move(c));
    }
    return k;
}

// A kept cell's text typed anew, as the dialogs' tables let the user do.
void editKeptText(Input& in, std::vector<KeptCell>& cells) {
    if (!cells.empty())
        cells[in.pick(cells.size())].text = in.bytes(10);
}

// One field of a zone set from the input, by the input's choice.
using ZoneEdit = void (*)(Input&, ZoneRecord&);
constexpr ZoneEdit kZoneEdits[] = {
    [](Input& in, ZoneRecord& z) { z.kind = in.value(); },
    [](Input& in, ZoneRecord& z) { z.owner = in.value(); },
    [](Input& in, ZoneRecord& z) { z.townMode = in.value(); },
    [](Input& in, ZoneRecord& z) {
        z.treasure[in.below(3)].low = static_cast<int32_t>(in.below(40)) * 500;
    },
    [](Input& in, ZoneRecord& z) {
        z.treasure[in.below(3)].high = static_cast<int32_t>(in.below(40)) * 500;
    },
    [](Input& in, ZoneRecord& z) { z.existMode = in.value(); },
    [](Input& in, ZoneRecord& z) { z.terrainMatchesTown = in.below(2) != 0; },
    [](Input& in, ZoneRecord& z) { z.monstersMatchTown = in.below(2) != 0; },
    [](Input& in, ZoneRecord& z) { z.size = in.value(); },
    [](Input& in, ZoneRecord& z) { editKeptText(in, z.kept.cells); },
    [](Input& in, ZoneRecord& z) { z.mineGold = in.value(); },
};

ZoneRecord randomZone(Input& in, const ZoneRecord& from) {
    ZoneRecord z = from;
    for (int n = static_cast<int>(in.below(6)); n > 0; --n)
        kZoneEdits[in.below(std::size(kZoneEdits))](in, z);
    return z;
}

class FuzzDialogs : public PropertyDialogs {
  public:
    FuzzDialogs(Input& in, Observed& seen) : in_(in), seen_(seen) {}

    // The one-zone dialog stays open on a zone that breaks a rule: the user
    // then cancels it.
    std::optional<ZoneRecord> editZone(const ZoneRecord& from) override {
        if (in_.below(5) == 0)
            return cancel<ZoneRecord>();
        const ZoneRecord z = randomZone(in_, from);
        if (zoneProblem(z))
            return cancel<ZoneRecord>();
        seen_.zoneDialogOk = true;
        return z;
    }
    std::optional<ConnectionRecord> editConnection(const ConnectionRecord& from, bool) override {
        if (in_.below(5) == 0)
            return cancel<ConnectionRecord>();
        ConnectionRecord c = from;
        c.passageCount = 1 + static_cast<int32_t>(in_.below(8));
        c.passages[in_.below(8)].guard = static_cast<int32_t>(in_.below(30)) * 1000;
        editKeptText(in_, c.passages[in_.below(8)].kept.cells);
        return c;
    }
    std::optional<TemplateSettings> editTemplate(const TRmg& from) override {
        if (in_.below(4) == 0)
            return cancel<TemplateSettings>();
        TemplateSettings s{from.name, from.header.minSize, from.header.maxSize,
                           static_cast<int32_t>(in_.below(7)), from.kinds};
        if (in_.below(2) == 0)
            s.name = "Шаблон " + std::to_string(in_.below(100));
        if (in_.below(2) == 0) {
            s.keptCells = from.kept.cells;
            editKeptText(in_, *s.keptCells);
        }
        return s;
    }
    ListOutcome runTemplateList(TemplateListSession& session) override {
        switch (in_.below(4)) {
        case 0:
            seen_.cancelled = true;
            return ListOutcome::Abandon;
        case 1:
            if (!session.entries().empty())
                session.click(static_cast<int>(in_.pick(session.entries().size())));
            return ListOutcome::SaveEdited;
        default:
            if (!session.entries().empty())
                session.click(0);
            return session.mode() == ListMode::Import ? session.importTemplate()
                                                      : ListOutcome::Proceed;
        }
    }
    std::optional<std::vector<ZoneRecord>> editZones(const std::vector<ZoneRecord>& from,
                                                     const std::vector<int64_t>&) override {
        if (in_.below(4) == 0)
            return cancel<std::vector<ZoneRecord>>();
        // As the dialog returns them, or with a field set on all that breaks a
        // rule on some: the editor must refuse those.
        std::vector<ZoneRecord> out = from;
        const ZoneRecord edited = randomZone(in_, from.front());
        for (ZoneRecord& z : out) {
            z.owner = edited.owner;
            z.treasure[0].high = edited.treasure[0].high;
        }
        seen_.zoneDialogOk = true;
        return out;
    }
    std::optional<DuplicateSettings>
    duplicateZonesForPlayers(const TRmg&, const std::vector<int32_t>&) override {
        if (in_.below(4) == 0)
            return cancel<DuplicateSettings>();
        DuplicateSettings s;
        s.symmetry = static_cast<Symmetry>(in_.below(5));
        for (auto& owner : s.owners)
            owner = static_cast<int32_t>(in_.below(10));
        return s;
    }
    std::optional<PatternSettings> generateFromPattern() override {
        if (in_.below(4) == 0)
            return cancel<PatternSettings>();
        PatternSettings s;
        s.pattern = static_cast<PatternKind>(in_.below(3));
        s.players = 2 + static_cast<int>(in_.below(7));
        s.own = static_cast<int>(in_.below(5));
        s.between = static_cast<int>(in_.below(4));
        s.centre = static_cast<int>(in_.below(5));
        s.seed = in_.value();
        return s;
    }

  private:
    template <class T> std::optional<T> cancel() {
        seen_.cancelled = true;
        return std::nullopt;
    }
    Input& in_;
    Observed& seen_;
};

// A template of a few zones and connections from the input.
TRmg randomTemplate(Input& in) {
    TRmg t = makeNewTemplate();
    const int zones = static_cast<int>(in.below(9));
    for (int k = 0; k < zones; ++k) {
        ZoneRecord z = randomZone(in, makeDefaultZone());
        z.gridX = 3 * k + static_cast<int32_t>(in.below(2));
        z.gridY = static_cast<int32_t>(in.below(12)) - 4;
        t.appendZone(z);
    }
    for (int j = static_cast<int>(in.below(6)); zones > 1 && j > 0; --j) {
        ConnectionRecord c = makeDefaultConnection();
        c.zoneA = static_cast<int32_t>(in.below(static_cast<uint32_t>(zones)));
        c.zoneB = static_cast<int32_t>(in.below(static_cast<uint32_t>(zones)));
        t.appendConnection(c);
    }
    // A template read from an extended table keeps cells on its records.
    if (in.below(3) == 0) {
        t.kept.cells = randomKept(in).cells;
        if (in.below(2) == 0)
            t.kept.rows.push_back(KeptRow{in.value(), randomKept(in).cells, in.value()});
        for (ZoneRecord& z : t.zones)
            if (in.below(2) == 0)
                z.kept = randomKept(in);
        for (ConnectionRecord& c : t.connections)
            c.passages[in.below(8)].kept = randomKept(in);
    }
    return t;
}

std::string FuzzServices::makeFile(uint32_t which) {
    switch (which) {
    case 0:
        return encodeProject(randomTemplate(in_));
    case 1: {
        std::string damaged = encodeProject(randomTemplate(in_));
        damaged[in_.pick(damaged.size())] ^= static_cast<char>(1 + in_.below(255));
        return damaged;
    }
    case 2: {
        std::string table = "header\r\n";
        TRmg imported = randomTemplate(in_);
        compileInto(table, imported, "Импорт");
        return table;
    }
    default:
        return in_.bytes(300);
    }
}

// The template and the history's steps (a save that happened before a later
// question was cancelled moves only the saved position).
struct HistoryState {
    TRmg rmg;
    int position;
    size_t length;
    bool operator==(const HistoryState&) const = default;
};

HistoryState stateOf(const Editor& e) {
    return {e.document().rmg(), e.document().history().position(), e.document().history().length()};
}

void checkInvariants(const Editor& e) {
    const TRmg& t = e.document().rmg();
    for (const int32_t k : e.selection().zones())
        check(k >= 0 && static_cast<size_t>(k) < t.zones.size());
    for (const int32_t j : e.selection().connections())
        check(j >= 0 && static_cast<size_t>(j) < t.connections.size());
    const History& h = e.document().history();
    check(h.position() >= 0 && static_cast<size_t>(h.position()) <= h.length());
    check(e.document().modified() == (h.position() != h.cleanIndex()));
}

// The zones a dialog changed: those that differ at the same index, and the
// ones appended, when nothing else moved the indices.
void checkDialogZones(const TRmg& before, const TRmg& after) {
    if (after.zones.size() < before.zones.size())
        return;
    for (size_t k = 0; k < after.zones.size(); ++k) {
        if (k >= before.zones.size() || !(after.zones[k] == before.zones[k]))
            check(!zoneProblem(after.zones[k]));
    }
}

// Commands run in this process, told at exit (a campaign's total is the sum).
uint64_t commandsRun = 0;

constexpr size_t kMostZones = 300;
constexpr int32_t kCanvasW = 700;
constexpr int32_t kCanvasH = 500;

} // namespace
} // namespace zw

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit([] {
        std::fprintf(stderr, "editor session: %llu commands run\n",
                     static_cast<unsigned long long>(zw::commandsRun));
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zw;
    Input in(data, size);
    Observed seen;
    FuzzServices services(in, seen);
    FuzzDialogs dialogs(in, seen);

    services.files.files["/zw/header.txt"] = "header\r\n";
    Editor editor(services, dialogs);
    Session session(editor);
    editor.viewController().setCanvasSize(kCanvasW, kCanvasH);
    startUp(session);

    std::vector<ToolId> tools;
    for (const ToolbarEntry& entry : toolbarEntries())
        if (entry.isTool())
            tools.push_back(entry.id);

    // The commands the input picks from; those named below are checked further.
    constexpr uint32_t kNew = 9, kLoad = 10, kImport = 11, kSave = 12, kCopy = 15, kPaste = 17,
                       kDuplicate = 19, kCompile = 24, kPattern = 25, kPointerLeft = 29;
    int32_t x = 0, y = 0;
    ViewController& view = editor.viewController();
    const auto move = [&] { editor.mouseMove(x, y); };
    const std::function<void()> commands[] = {
        [&] { editor.toolClicked(tools[in.below(static_cast<uint32_t>(tools.size()))]); },
        move,
        move,
        [&] { move(), editor.leftPress(x, y, {.ctrl = in.below(3) == 0}); },
        [&] { move(), editor.leftRelease(x, y); },
        [&] { move(), editor.rightPress(x, y); },
        [&] { editor.selectAll(); },
        [&] { editor.escape(); },
        [&] { deleteSelection(editor); },
        [&] { newTemplate(session); },
        [&] { loadProject(session); },
        [&] { importCommand(session); },
        [&] { saveProject(session); },
        [&] { editor.document().stepBack(); },
        [&] { editor.document().stepForward(); },
        [&] { copySelection(editor); },
        [&] { cutSelection(editor); },
        [&] { pasteClipboard(editor); },
        [&] { transformSelection(editor, static_cast<Symmetry>(in.below(5))); },
        [&] { duplicateSelectionForPlayers(editor); },
        [&] { in.below(2) == 0 ? view.zoomIn() : view.zoomOut(); },
        [&] {
            view.wheel(in.below(2) == 0 ? 120 : -120, PixelPoint{x, y});
        },
        [&] { view.keyChar(U"wasd"[in.below(4)]); },
        [&] { editTemplateSettings(editor); },
        [&] { compileCommand(editor); },
        [&] { newFromPattern(session); },
        [&] { goToZone(editor); },
        [&] { zoomToFit(editor); },
        [&] { (void)closeRequest(session); },
        [&] { editor.pointerLeft(); },
    };

    for (int steps = 0; steps < 4000 && !in.done(); ++steps) {
        seen = {};
        services.files.written.clear();
        const HistoryState before = stateOf(editor);
        x = static_cast<int32_t>(in.below(250)) * 3 - 20;
        y = static_cast<int32_t>(in.below(180)) * 3 - 20;
        ++commandsRun;
        uint32_t op = in.below(std::size(commands));
        // Pastes and duplicates double a template again and again; past a few
        // hundred zones they only slow the search down.
        if (editor.document().rmg().zones.size() > kMostZones && (op == kPaste || op == kDuplicate))
            op = kPointerLeft;
        commands[op]();
        // New, load, import and a pattern replace the template.
        const bool replaced = op == kNew || op == kLoad || op == kImport || op == kPattern;
        const HistoryState after = stateOf(editor);
        checkInvariants(editor);
        // A replacement that took place leaves nothing selected.
        if (replaced && after.length == 0 && !(after == before))
            check(editor.selection().empty());
        if (seen.cancelled || seen.refused) {
            // A compile refreshes derived conditions only once its table is
            // written, and a cancelled list after a save of the list is no
            // change of the template either.
            if (op != kCompile)
                check(after == before);
        }
        if (seen.zoneDialogOk)
            checkDialogZones(before.rmg, after.rmg);
        // A project saved loads again as the template shown.
        if (op == kSave && !seen.cancelled && !seen.refused && !services.files.written.empty()) {
            const auto loaded = decodeProject(services.files.files[services.files.written.back()]);
            const TRmg* t = std::get_if<TRmg>(&loaded);
            check(t != nullptr && *t == after.rmg);
        }
        // A copy's fragment reads back to the selected records.
        if (op == kCopy && !editor.selection().zones().empty()) {
            const auto found = services.clipboard.find(std::string(kFragmentMimeType));
            check(found != services.clipboard.end());
            const auto copied = fragmentFromText(found->second);
            // (Values outside the dialogs' lists are refused on reading.)
            if (const TRmg* f = std::get_if<TRmg>(&copied))
                check(*f == extractFragment(after.rmg, editor.selection().zones()));
        }

        // Now and then: a step back and forward returns the template exactly.
        if (in.below(4) == 0 && editor.document().canStepBack()) {
            const TRmg shown = editor.document().rmg();
            editor.document().stepBack();
            editor.document().stepForward();
            check(editor.document().rmg() == shown);
            checkInvariants(editor);
        }
    }
    return 0;
}
