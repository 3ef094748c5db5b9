// The hover information panel: a small yellow panel over the canvas with the
// summary of the zone or connection under the pointer. It shows what the editor
// computed; pointer movements and presses over it belong to the canvas.
#pragma once

#include "canvas/info_panel.h"

#include <QFrame>
#include <QPixmap>
#include <array>
#include <vector>

class QLabel;

namespace zw {

struct InfoPanelState;

class MineStrip : public QWidget {
  public:
    explicit MineStrip(QWidget* parent);
    void setMines(const std::vector<int>& mines);
    const std::vector<int>& mines() const { return mines_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::vector<int> mines_;
    std::array<QPixmap, 7> icons_;
};

class InfoPanelWidget : public QFrame {
    Q_OBJECT
  public:
    explicit InfoPanelWidget(QWidget* parent);

    // Content, place (parent's coordinates) and visibility as the editor has them.
    void setState(const InfoPanelState& state);
    // Sets the fixed captions in the current language.
    void retranslate();
    void setContent(const InfoPanelContent& content);

    // The elements, for tests.
    QLabel* title() const { return title_; }
    QLabel* line2() const { return line2_; }
    QLabel* line3() const { return line3_; }
    QLabel* line4() const { return line4_; }
    QLabel* treasureCaption() const { return treasureCaption_; }
    QLabel* treasure(int i) const { return treasure_[static_cast<size_t>(i)]; }
    QLabel* existence() const { return existence_; }
    QLabel* noMines() const { return noMines_; }
    MineStrip* mineStrip() const { return mines_; }

  signals:
    // Pointer events over the panel, with the position in the parent's coordinates.
    void pointerMoved(QPoint parentPos);
    void pointerPressed(Qt::MouseButton button, QPoint parentPos);
    void pointerReleased(Qt::MouseButton button, QPoint parentPos);

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QLabel* makeLine(int top);
    QPoint toParent(const QMouseEvent* e) const;

    QLabel* title_;
    QLabel* line2_;
    QLabel* line3_;
    QLabel* line4_;
    QLabel* treasureCaption_;
    std::array<QLabel*, 3> treasure_{};
    QLabel* existence_;
    QLabel* noMines_;
    MineStrip* mines_;
};

// Sets `text` on a one-line label in the largest font size, from the label's
// own down to a small limit, at which it fits the label's width; text that
// still does not fit is elided. Word-wrapping labels must fit their height.
void setFittedText(QLabel* label, const QString& text);

} // namespace zw
