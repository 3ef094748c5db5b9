#include "app/analysis_panel.h"

#include "analysis/report.h"
#include "model/translation.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace zw {
namespace {

constexpr int kZonesRole = Qt::UserRole;
constexpr size_t kFixedColumns = 3; // player, start, distance to the nearest opponent

QString utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A heading of the analysis's texts (analysis/report.h) in the current language.
QString heading(std::string_view source) {
    return QString::fromStdString(translated("Analysis", std::string(source).c_str()));
}

QTreeWidgetItem* addLine(QTreeWidgetItem* parent, const std::string& text,
                         const std::vector<int>& zones = {}) {
    auto* item = new QTreeWidgetItem(parent, QStringList{utf8(text)});
    item->setToolTip(0, item->text(0));
    if (!zones.empty())
        item->setData(0, kZonesRole, QVariant::fromValue(QList<int>(zones.begin(), zones.end())));
    return item;
}

// The lines of one group, at most kPanelLinesPerGroup of them.
void addLines(QTreeWidgetItem* parent, const std::vector<AnalysisFinding>& lines) {
    const size_t shown = std::min(lines.size(), kPanelLinesPerGroup);
    for (size_t i = 0; i < shown; ++i)
        addLine(parent, lines[i].text, lines[i].zones);
    if (shown < lines.size())
        addLine(parent, moreFindingsLine(lines.size() - shown));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent)
    : QDockWidget(parent), findings_(new QTreeWidget), fairnessTitle_(new QLabel),
      fairness_(new QTableWidget), spreads_(new QLabel) {
    setObjectName(QStringLiteral("analysisPanel"));
    retranslate();
    hide();

    findings_->setHeaderHidden(true);
    findings_->setColumnCount(1);
    findings_->setWordWrap(true);
    connect(findings_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { activateItem(item); });
    connect(findings_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { activateItem(item); });

    fairness_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fairness_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fairness_->setSelectionMode(QAbstractItemView::SingleSelection);
    fairness_->verticalHeader()->hide();
    connect(fairness_, &QTableWidget::cellClicked, this,
            [this](int row, int) { activateRow(row); });
    connect(fairness_, &QTableWidget::cellActivated, this,
            [this](int row, int) { activateRow(row); });

    QFont bold = fairnessTitle_->font();
    bold.setBold(true);
    fairnessTitle_->setFont(bold);
    spreads_->setWordWrap(true);
    spreads_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(fairnessTitle_);
    lowerLayout->addWidget(fairness_, 1);
    lowerLayout->addWidget(spreads_);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(findings_);
    splitter->addWidget(lower);
    setWidget(splitter);
}

void AnalysisPanel::retranslate() {
    setWindowTitle(QString::fromStdString(ZW_TR("MainWindow", "Анализ шаблона")));
}

int AnalysisPanel::openingWidth(int windowWidth) const {
    constexpr int kReadableWidth = 420;
    // A line's text, its indentation under the group, and the frame, the
    // margins and a scroll bar round the list.
    const QFontMetrics fm = findings_->fontMetrics();
    const int chrome = 2 * findings_->indentation() + 2 * findings_->frameWidth() +
                       4 * fm.height() + findings_->verticalScrollBar()->sizeHint().width();
    int longest = 0;
    for (QTreeWidgetItemIterator it(findings_); *it; ++it)
        longest = std::max(longest, fm.horizontalAdvance((*it)->text(0)) + chrome);
    return std::max(kReadableWidth, std::min(longest, windowWidth / 3));
}

void AnalysisPanel::setTemplate(const TRmg& t) {
    showAnalysis(analyzeTemplate(t));
}

void AnalysisPanel::showAnalysis(const TemplateAnalysis& a) {
    fillFindings(a);
    fillFairness(a);
}

void AnalysisPanel::fillFindings(const TemplateAnalysis& a) {
    // Refilled after every edit: keep the reader where they were.
    const int scrolled = findings_->verticalScrollBar()->value();
    findings_->clear();

    auto* setups = new QTreeWidgetItem(findings_, QStringList{heading(kSetupsHeading)});
    if (const std::string none = setupsWithoutFindingsLine(a); !none.empty())
        addLine(setups, none);
    for (const SetupFindings& group : setupFindings(a)) {
        addLines(addLine(setups, group.title), group.findings);
    }

    auto* warnings = new QTreeWidgetItem(findings_, QStringList{heading(kWarningsHeading)});
    const std::vector<AnalysisFinding> lines = warningFindings(a);
    if (lines.empty())
        addLine(warnings, heading(kNoWarningsLine).toStdString());
    addLines(warnings, lines);

    QFont bold = findings_->font();
    bold.setBold(true);
    setups->setFont(0, bold);
    warnings->setFont(0, bold);
    findings_->expandAll();
    findings_->verticalScrollBar()->setValue(scrolled);
}

void AnalysisPanel::fillFairness(const TemplateAnalysis& a) {
    const FairnessTable table = fairnessTable(a);
    fairnessTitle_->setText(utf8(fairnessHeading(table)));

    fairness_->clear();
    fairness_->setColumnCount(static_cast<int>(table.headers.size()));
    fairness_->setRowCount(static_cast<int>(table.rows.size()));
    for (size_t c = 0; c < table.headers.size(); ++c) {
        QTableWidgetItem* header = cell(utf8(table.headers[c]));
        if (c >= kFixedColumns)
            header->setToolTip(utf8(fairnessColumnTip(static_cast<int>(c - kFixedColumns))));
        fairness_->setHorizontalHeaderItem(static_cast<int>(c), header);
    }

    rowZones_.clear();
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const FairnessRow& row = table.rows[r];
        const int tableRow = static_cast<int>(r);
        fairness_->setItem(tableRow, 0, cell(utf8(row.player)));
        fairness_->setItem(tableRow, 1, cell(utf8(row.start)));
        fairness_->setItem(tableRow, 2, cell(utf8(row.nearestOpponent)));
        for (size_t d = 0; d < row.treasure.size(); ++d) {
            QTableWidgetItem* item = cell(QString::number(row.treasure[d]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(utf8(fairnessCellTip(table, r, d)));
            if (d < table.spreads.size()) {
                if (table.spreads[d].richestRow == r)
                    item->setBackground(kRichestColour);
                else if (table.spreads[d].poorestRow == r)
                    item->setBackground(kPoorestColour);
            }
            fairness_->setItem(tableRow, static_cast<int>(kFixedColumns + d), item);
        }
        rowZones_.push_back(row.zones);
    }
    fairness_->resizeColumnsToContents();

    QStringList spreadLines;
    for (const std::string& line : fairnessSpreadLines(table))
        spreadLines << utf8(line);
    spreads_->setText(spreadLines.join(QLatin1Char('\n')));
}

void AnalysisPanel::activateItem(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QList<int> zones = item->data(0, kZonesRole).value<QList<int>>();
    if (!zones.isEmpty())
        emit zonesActivated(std::vector<int>(zones.begin(), zones.end()));
}

void AnalysisPanel::activateRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= rowZones_.size() ||
        rowZones_[static_cast<size_t>(row)].empty())
        return;
    emit zonesActivated(rowZones_[static_cast<size_t>(row)]);
}

} // namespace zw
