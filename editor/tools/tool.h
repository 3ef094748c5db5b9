// A mouse tool of the canvas. The window's tool group puts one tool down at a
// time; the editor hands it the pointer's presses, movements and releases in
// canvas pixels. A right press edits the item under the pointer, with every
// tool alike.
//
// The item under the pointer is always the hover's item, kept on every pointer
// movement. It can be stale (the template changed since the last movement, or
// an item was loaded with indices beyond its lists), so every item reference is
// checked against the current lists before it indexes them; a reference that
// names nothing any more counts as no item.
#pragma once

#include "canvas/render.h"
#include "editor/document.h"
#include "editor/hover.h"
#include "editor/selection.h"
#include "editor/step_names.h"
#include "editor/view_controller.h"
#include "model/translation.h"
#include "platform/dialogs.h"
#include "platform/services.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace zw {

// A tool's name; it is also the id of its toolbar button. Empty: no tool.
using ToolId = std::string_view;
inline constexpr ToolId kNoTool{};

// A drag of the create connection, move and copy tools: the item pressed on and,
// for a connection, which of its ends lies nearer the press.
struct DragState {
    ItemRef source = 0;
    bool nearEndA = false;
};

// What the tools work on; owned by the editor.
struct ToolContext {
    Document& document;
    ViewController& view;
    Hover& hover;
    DragState& drag;
    Services& services;
    PropertyDialogs& dialogs;
    const Selection& selection;
    // The selection's one setter: it notifies whatever follows the selection.
    std::function<void(Selection)> select;
    // Repaints the canvas without a change of the template (drag feedback).
    std::function<void()> repaint;
};

// Keyboard modifiers held at a press.
struct PressModifiers {
    bool ctrl = false; // adds to or removes from the selection
};

// What a drag in progress shows on the canvas: the line, ghosts and band of
// the overlay (its selection is left empty; the editor adds it).
using DragFeedback = CanvasOverlay;

class Tool {
  public:
    explicit Tool(ToolContext& context) : ctx(context) {}
    virtual ~Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    virtual ToolId id() const = 0;
    // Left button pressed and released at canvas pixels (x, y).
    virtual void press(int32_t x, int32_t y) = 0;
    // A press with the keyboard's modifiers; tools that ignore them take press().
    virtual void pressWithModifiers(int32_t x, int32_t y, PressModifiers) { press(x, y); }
    virtual void release(int32_t, int32_t) {}
    // The pointer moved (the hover's item is already updated).
    virtual void move(int32_t, int32_t) {}
    // The right button: edits the zone or connection under the pointer.
    virtual void rightPress(int32_t x, int32_t y);
    // The tool is put up, another put down, or Esc pressed: an unfinished
    // action ends without a change.
    virtual void cancel() {}
    // Whether a drag is in progress, and what it shows.
    virtual bool dragging() const { return false; }
    virtual DragFeedback feedback() const { return {}; }

  protected:
    ToolContext& ctx;
};

template <class T> std::unique_ptr<Tool> makeTool(ToolContext& context) {
    return std::make_unique<T>(context);
}

// The right-click editing shared by all tools, and done without a tool.
void editItemUnderPointer(ToolContext& ctx);

// Item references checked against the current lists.
bool validZone(const TRmg& t, int32_t k);
// Zone index named by `r`, when it names an existing zone.
std::optional<int> zoneOf(const TRmg& t, ItemRef r);
// Connection index named by `r`, when it names an existing connection whose two
// zone indices both name zones (connections read from a file may not).
std::optional<int> connectionOf(const TRmg& t, ItemRef r);
// True when `r` names a zone or a connection within the lists.
bool itemExists(const TRmg& t, ItemRef r);

// Messages shared by several tools.
// Russian; shown through translated("Editor", ...).
inline constexpr std::string_view kNodeTaken =
    ZW_TR_NOOP("Editor", "Здесь уже есть локация. Во избежание пересечения и совпадания локаций, "
                         "размещение их в одной, а также соседних узлах запрещено.");

} // namespace zw
