// The autosave's timer in the window: a single-shot toolkit timer on the
// steady clock.
#pragma once

#include "editor/autosave.h"

#include <QTimer>

#include <chrono>

namespace zw {

class QtAutosaveTimer : public AutosaveTimer {
  public:
    QtAutosaveTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // The run may start the timer anew, replacing what it runs.
            const std::function<void()> run = expired_;
            if (run)
                run();
        });
    }
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    void start(Duration after, std::function<void()> expired) override {
        expired_ = std::move(expired);
        timer_.start(std::chrono::ceil<std::chrono::milliseconds>(after));
    }
    void stop() override { timer_.stop(); }

  private:
    QTimer timer_;
    std::function<void()> expired_;
};

} // namespace zw
