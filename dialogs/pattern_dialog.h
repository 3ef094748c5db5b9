// The "template from a pattern" window: the pattern and its numbers, a live
// preview drawn by the canvas renderer and the figures the analysis gives.
#pragma once

#include "dialogs/pattern_logic.h"

#include <QDialog>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zw {

class Services;

// The whole template drawn as the canvas draws it, fitted to the widget as
// zoom to fit fits the canvas; a template too large for the smallest zoom is
// drawn for a larger canvas and shrunk (canvas/fit.h, fitWhole).
class PatternPreviewWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PatternPreviewWidget(QWidget* parent = nullptr);
    void setTemplate(const TRmg& t);
    const TRmg& shown() const { return rmg_; }
    QSize sizeHint() const override { return {360, 360}; }
    // What the widget shows: its size in logical pixels at its device pixel ratio.
    QImage picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TRmg rmg_;
};

class PatternDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PatternDialog(Services& services, QWidget* parent = nullptr);

    // Shows the form's settings: those of the last opening in the session,
    // the usual ring with a centre for four players at first.
    void refresh();
    // The settings "ОК" accepted (set by accept()).
    const std::optional<PatternSettings>& result() const { return result_; }
    const PatternForm& form() const { return form_; }
    // Takes the settings of an earlier window of the session and shows them.
    void restoreForm(const PatternForm& form) {
        form_ = form;
        refresh();
    }

    // "ОК": closes with OK only when the settings give a template.
    void accept() override;

    struct Controls {
        QComboBox* pattern = nullptr;
        QSpinBox* players = nullptr;
        QSpinBox* own = nullptr;
        QSpinBox* between = nullptr;
        QSpinBox* centre = nullptr;
        QSpinBox* seed = nullptr;
        QLineEdit* name = nullptr;
        PatternPreviewWidget* preview = nullptr;
        QLabel* figures = nullptr;
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& controls() const { return ui_; }

  private:
    void build();

    Services& services_;
    PatternForm form_;
    std::optional<PatternSettings> result_;
    Controls ui_;
    bool refreshing_ = false;
};

} // namespace zw
