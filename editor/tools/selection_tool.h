// Selection: a click selects a zone or a connection, Ctrl+click adds or removes
// one, a drag on empty canvas draws a rubber band that selects the zones whose
// centres lie inside it and the connections between selected zones, and a drag
// from a selected zone moves every selected zone together.
#pragma once

#include "editor/tools/tool.h"
#include "model/transform.h"

#include <vector>

namespace zw {

inline constexpr ToolId kSelectionTool = "select";

class SelectionTool : public Tool {
  public:
    using Tool::Tool;
    ToolId id() const override { return kSelectionTool; }
    void press(int32_t x, int32_t y) override { pressWithModifiers(x, y, {}); }
    void pressWithModifiers(int32_t x, int32_t y, PressModifiers mods) override;
    void move(int32_t x, int32_t y) override;
    void release(int32_t x, int32_t y) override;
    void cancel() override;
    bool dragging() const override { return mode_ != Mode::None; }
    DragFeedback feedback() const override;

  private:
    enum class Mode { None, Band, GroupMove };

    void releaseBand(int32_t x, int32_t y);
    void releaseGroupMove(int32_t x, int32_t y);
    // The group's offset from the pressed zone's node to the node under (x, y).
    GridNode64 offsetTo(int32_t x, int32_t y) const;

    Mode mode_ = Mode::None;
    PixelPoint start_;
    PixelPoint pointer_;
    bool addToSelection_ = false; // Ctrl held at the band's press
    // The group move: the zones, the node of the zone pressed on, and the
    // unselected zones, which the group may not land on or next to.
    std::vector<int32_t> group_;
    GridNode64 anchor_;
    NodeIndex others_;
};

} // namespace zw
