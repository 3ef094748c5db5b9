// The analysis panel: a dock beside the canvas with the findings of the
// template analysis grouped by setup, the structural warnings and the fairness
// table of the starts. Every text and number comes from analysis/report.h; the
// panel only lays them out. Clicking a line that names zones reports them, so
// the window can select and centre them.
#pragma once

#include "analysis/analysis.h"
#include "model/records.h"

#include <QColor>
#include <QDockWidget>
#include <vector>

class QLabel;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zw {

class AnalysisPanel : public QDockWidget {
    Q_OBJECT
  public:
    // Backgrounds of the richest and the poorest start of a distance column.
    static inline const QColor kRichestColour{200, 235, 200};
    static inline const QColor kPoorestColour{245, 205, 205};

    // Hidden until the window shows it; empty until the first template.
    explicit AnalysisPanel(QWidget* parent = nullptr);

    // The parts, for tests.
    QTreeWidget* findings() const { return findings_; }
    QLabel* fairnessTitle() const { return fairnessTitle_; }
    QTableWidget* fairness() const { return fairness_; }
    QLabel* spreads() const { return spreads_; }

    // The width the panel opens with when none was kept from an earlier run:
    // about 420 pixels, or as wide as the longest finding shown, up to a third
    // of a window `windowWidth` wide.
    int openingWidth(int windowWidth) const;
    // The title in the current language; the findings follow at the next
    // setTemplate.
    void retranslate();

  public slots:
    // Analyses `t` and refills the panel.
    void setTemplate(const TRmg& t);
    void showAnalysis(const TemplateAnalysis& a);

  signals:
    // A finding or a start in the fairness table was clicked or activated:
    // the zone numbers (1-based) it names.
    void zonesActivated(std::vector<int> zoneNumbers);

  private:
    void fillFindings(const TemplateAnalysis& a);
    void fillFairness(const TemplateAnalysis& a);
    void activateItem(QTreeWidgetItem* item);
    void activateRow(int row);

    QTreeWidget* findings_;
    QLabel* fairnessTitle_;
    QTableWidget* fairness_;
    QLabel* spreads_;
    std::vector<std::vector<int>> rowZones_; // the start zone of each fairness row
};

} // namespace zw
