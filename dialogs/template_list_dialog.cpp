#include "dialogs/template_list_dialog.h"

#include "model/text.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zw {
namespace {
namespace lt = template_list_texts;

// The list is never narrower than this, whatever names it holds.
constexpr int kListMinimumWidth = 320;
} // namespace

TemplateListDialog::TemplateListDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setupDialogWindow(*this, lt::kCaption);
    build();
}

template <typename Event> void TemplateListDialog::runEvent(Event&& e) {
    const std::string nameBefore = session_->nameField;
    e();
    showSession(session_->nameField != nameBefore);
}

void TemplateListDialog::build() {
    auto* group = new QGroupBox(qtr(lt::kGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(qtr(lt::kNameLabel), group));
    ui_.name = new QLineEdit(group);
    groupLayout->addWidget(ui_.name);
    ui_.hint = new QLabel(qtr(lt::kHint), group);
    ui_.hint->setWordWrap(true);
    groupLayout->addWidget(ui_.hint);
    groupLayout->addWidget(new QLabel(qtr(lt::kListLabel), group));
    ui_.list = new QListWidget(group);
    ui_.list->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.list->setMinimumSize(kListMinimumWidth, 220);
    groupLayout->addWidget(ui_.list);
    auto* deleteRow = new QHBoxLayout;
    ui_.remove = new QPushButton(qtr(lt::kDelete), group);
    ui_.removeAll = new QPushButton(qtr(lt::kDeleteAll), group);
    deleteRow->addWidget(ui_.remove);
    deleteRow->addWidget(ui_.removeAll);
    groupLayout->addLayout(deleteRow);
    ui_.pack = new KeptCellsTable(pack_, group);
    ui_.pack->setTitle(qtr(lt::kPack));
    ui_.pack->table()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groupLayout->addWidget(ui_.pack);

    // "Добавить шаблон" and "Импорт" share one place; the mode shows one of them.
    auto* closeRow = new QHBoxLayout;
    ui_.add = new QPushButton(qtr(lt::kAdd), this);
    ui_.import = new QPushButton(qtr(lt::kImport), this);
    ui_.cancel = new QPushButton(qtr(lt::kCancel), this);
    closeRow->addWidget(ui_.add);
    closeRow->addWidget(ui_.import);
    closeRow->addWidget(ui_.cancel);

    // No button is the default one: Enter in the list or on a button closes
    // nothing. Enter in the name field is the one shortcut, for "Добавить шаблон".
    for (QPushButton* b : {ui_.remove, ui_.removeAll, ui_.add, ui_.import, ui_.cancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(ui_.name, &QLineEdit::returnPressed, this, [this] {
        if (ui_.add->isVisible() && ui_.add->isEnabled())
            ui_.add->click();
    });

    // The window can be resized; the list takes every pixel it gains.
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group, 1);
    outer->addLayout(closeRow);
    setSizeGripEnabled(true);

    // The list box's selection, not its current item: an item view makes its
    // first item current when it takes the focus, which selects nothing.
    connect(ui_.list, &QListWidget::itemSelectionChanged, this, [this] {
        if (showing_ || session_ == nullptr)
            return;
        const auto chosen = ui_.list->selectedItems();
        std::optional<int> row;
        if (!chosen.isEmpty())
            row = ui_.list->row(chosen.first());
        runEvent([&] { session_->click(row); });
    });
    connect(ui_.list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (session_ == nullptr)
            return;
        runEvent([&] {
            // The double-click selects the item it lands on before acting on it.
            session_->click(ui_.list->row(item));
            session_->doubleClick();
        });
    });
    connect(ui_.remove, &QPushButton::clicked, this, [this] {
        if (session_ != nullptr)
            runEvent([&] { session_->deleteSelected(); });
    });
    connect(ui_.removeAll, &QPushButton::clicked, this, [this] {
        if (session_ != nullptr)
            runEvent([&] { session_->deleteAll(); });
    });
    connect(ui_.add, &QPushButton::clicked, this, [this] {
        if (session_ == nullptr)
            return;
        std::optional<ListOutcome> outcome;
        runEvent([&] {
            outcome = addTypedTemplate(*session_, ui_.name->text().toStdString(), services_);
        });
        if (outcome)
            finish(*outcome);
    });
    connect(ui_.import, &QPushButton::clicked, this, [this] {
        if (session_ != nullptr)
            finish(session_->importTemplate());
    });
    connect(ui_.cancel, &QPushButton::clicked, this, [this] {
        if (session_ != nullptr)
            finish(session_->cancel());
        else
            finish(ListOutcome::Abandon);
    });
}

void TemplateListDialog::showSession(bool nameToo) {
    if (session_ == nullptr)
        return;
    const TemplateListSession& s = *session_;
    showing_ = true;
    const auto& entries = s.entries();
    bool same = ui_.list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < ui_.list->count(); ++i)
        same = ui_.list->item(i)->text() == qs(cp1251ToUtf8(entries[static_cast<size_t>(i)].name));
    if (!same) {
        ui_.list->clear();
        for (const TTemplateInside& e : entries)
            ui_.list->addItem(qs(cp1251ToUtf8(e.name)));
    }
    if (s.selected && *s.selected >= 0 && *s.selected < ui_.list->count()) {
        ui_.list->setCurrentRow(*s.selected);
    } else {
        ui_.list->setCurrentRow(-1);
        ui_.list->clearSelection();
    }
    ui_.remove->setEnabled(s.deleteEnabled);
    const bool adding = s.mode() == ListMode::Adding;
    ui_.add->setVisible(adding);
    ui_.import->setVisible(!adding);
    ui_.import->setEnabled(s.importEnabled);
    ui_.name->setEnabled(s.nameEnabled);
    if (nameToo)
        ui_.name->setText(qs(cp1251ToUtf8(s.nameField)));
    pack_.fill(packCellsShown(s));
    ui_.pack->refresh();
    showing_ = false;
}

void TemplateListDialog::fitListToNames() {
    // Widest name, plus the list's frame, its scroll bar and the items' margins.
    int widest = 0;
    const QFontMetrics fm(ui_.list->font());
    for (int i = 0; i < ui_.list->count(); ++i)
        widest = std::max(widest, fm.horizontalAdvance(ui_.list->item(i)->text()));
    const int chrome = 2 * ui_.list->frameWidth() +
                       ui_.list->verticalScrollBar()->sizeHint().width() +
                       2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ui_.list) +
                       fm.averageCharWidth() * 2;
    int width = std::max(kListMinimumWidth, widest + chrome);
    // Never wider than the screen leaves room for: the user can still scroll.
    if (const QScreen* screen = this->screen())
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    ui_.list->setMinimumWidth(std::max(kListMinimumWidth, width));
}

void TemplateListDialog::attach(TemplateListSession& session) {
    session_ = &session;
    outcome_ = ListOutcome::Abandon;
    {
        const QSignalBlocker block(ui_.list);
        ui_.list->clear();
    }
    showSession(true);
    fitListToNames();
    if (session.mode() == ListMode::Adding)
        ui_.name->setFocus();
    else
        ui_.list->setFocus();
}

ListOutcome TemplateListDialog::run(TemplateListSession& session) {
    attach(session);
    centreOnScreen(*this);
    exec();
    const ListOutcome outcome = outcome_;
    session_ = nullptr;
    return outcome;
}

void TemplateListDialog::finish(ListOutcome outcome) {
    outcome_ = outcome;
    done(static_cast<int>(outcome));
}

void TemplateListDialog::reject() {
    finish(ListOutcome::Abandon);
}

} // namespace zw
