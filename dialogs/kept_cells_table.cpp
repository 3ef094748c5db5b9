#include "dialogs/kept_cells_table.h"

#include "dialogs/controls.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace zw {
namespace {

namespace kt = kept_cells_texts;

// Refuses typing or pasting a character the table's code page lacks.
class Cp1251Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return keptTextFits(input.toStdString()) ? Acceptable : Invalid;
    }
};

class TextDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new Cp1251Validator(line));
        return editor;
    }
};

// Rows shown before the table scrolls.
constexpr int kRowsInSight = 6;

} // namespace

KeptCellsTable::KeptCellsTable(KeptCellsForm& form, QWidget* parent)
    : QGroupBox(qtr(kt::kTitle), parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 2, this);
    table_->setHorizontalHeaderLabels({qtr(kt::kName), qtr(kt::kText)});
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setItemDelegateForColumn(1, new TextDelegate(table_));
    const int rowHeight = table_->verticalHeader()->defaultSectionSize();
    table_->setMaximumHeight(table_->horizontalHeader()->sizeHint().height() +
                             kRowsInSight * rowHeight + 2 * table_->frameWidth());
    layout->addWidget(table_);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (refreshing_ || item->column() != 1)
            return;
        const auto row = static_cast<size_t>(item->row());
        if (!form_.setText(row, item->text().toStdString())) {
            // Text the cell can't hold (pasted past the editor) goes back.
            refreshing_ = true;
            item->setText(qs(form_.text(row)));
            refreshing_ = false;
        }
    });
    refresh();
}

void KeptCellsTable::refresh() {
    refreshing_ = true;
    table_->setRowCount(static_cast<int>(form_.size()));
    for (size_t i = 0; i < form_.size(); ++i) {
        auto* name = new QTableWidgetItem(qs(form_.name(i)));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        table_->setItem(static_cast<int>(i), 0, name);
        table_->setItem(static_cast<int>(i), 1, new QTableWidgetItem(qs(form_.text(i))));
    }
    refreshing_ = false;
    setVisible(form_.visible());
}

} // namespace zw
