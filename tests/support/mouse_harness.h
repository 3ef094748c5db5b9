// An editor wired to scripted services and dialogs, driven the way a user
// drives the canvas: pointer movements, presses and releases at the pixel
// positions of grid nodes. Every press and release is preceded by a movement to
// the same point, as a real pointer delivers one before it.
#pragma once

#include "editor/editor.h"
#include "editor/session.h"
#include "support/model_samples.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"
#include "support/toolbar_ids.h"

#include <functional>
#include <optional>

namespace zw {

class MouseHarness {
  public:
    MouseHarness();
    MouseHarness(const MouseHarness&) = delete;
    MouseHarness& operator=(const MouseHarness&) = delete;

    ScriptedServices services;
    ScriptedDialogs dialogs;
    Editor editor{services, dialogs};
    Session session{editor};
    test::CountingView view;

    // Pixel positions under the current view.
    PixelPoint node(int32_t gx, int32_t gy) const;
    // Centre of zone k.
    PixelPoint zone(int k) const;
    // A point on connection j between its ends, `fraction` of the way from zoneA
    // (0.5 is the middle; the ends lie inside the zones).
    PixelPoint onConnection(int j, double fraction = 0.5) const;

    void move(PixelPoint p) { editor.mouseMove(p.x, p.y); }
    void pressLeft(PixelPoint p);
    void releaseLeft(PixelPoint p);
    void clickLeft(PixelPoint p);
    // A left click with Ctrl held.
    void ctrlClickLeft(PixelPoint p);
    void clickRight(PixelPoint p);
    // Press at `from`, pass over the middle, release at `to`.
    void drag(PixelPoint from, PixelPoint to);

    // Puts the tool down (clicks its button only when it is not down already).
    void selectTool(ToolId t);

    // Draws a zone at node (gx, gy) with the create zone tool; `settings` plays
    // the user filling the dialog (nullptr: OK on the defaults).
    void drawZone(int32_t gx, int32_t gy, std::function<void(ZoneRecord&)> settings = nullptr);
    // Draws a connection from zone a to zone b (indices) with the create
    // connection tool; `settings` plays the user filling the dialog.
    void drawConnection(int a, int b,
                        std::function<void(ConnectionRecord&, bool)> settings = nullptr);

    // Templates built directly, for tests of one operation.
    void placeZones(std::initializer_list<GridPoint> nodes);
    void join(int a, int b, int passages = 1);
};

} // namespace zw
