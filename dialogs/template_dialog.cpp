#include "dialogs/template_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zw {
namespace {
namespace tt = template_texts;
} // namespace

TemplateDialog::TemplateDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setupDialogWindow(*this, tt::kCaption);
    build();
    fill(makeNewTemplate());
}

void TemplateDialog::build() {
    auto* group = new QGroupBox(qtr(tt::kGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* nameForm = new QFormLayout;
    ui_.name = new QLineEdit(group);
    nameForm->addRow(qtr(tt::kName), ui_.name);
    groupLayout->addLayout(nameForm);
    ui_.range = new QLabel(group);
    groupLayout->addWidget(ui_.range);
    ui_.sizes = new CheckColumns(tt::kMapSizes, 4, group);
    groupLayout->addWidget(ui_.sizes);
    auto* countForm = new QFormLayout;
    ui_.playerCount = makeList(tt::kPlayerCounts, group);
    countForm->addRow(qtr(tt::kPlayerCount), ui_.playerCount);
    groupLayout->addLayout(countForm);

    auto* players = new QGroupBox(qtr(tt::kPlayersGroup), this);
    auto* grid = new QGridLayout(players);
    for (size_t i = 0; i < kPlayerSlots; ++i) {
        ui_.playerLabels[i] = new QLabel(qtr(tt::kPlayers[i]), players);
        ui_.playerKinds[i] = makeList(tt::kKinds, players);
        grid->addWidget(ui_.playerLabels[i], static_cast<int>(i), 0);
        grid->addWidget(ui_.playerKinds[i], static_cast<int>(i), 1);
        connect(ui_.playerKinds[i], &QComboBox::activated, this,
                [this, i](int kind) { form_.kinds[i] = kind; });
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(kPlayerSlots, 1);

    const OkCancelRow row = makeOkCancelRow(*this, tt::kOk, tt::kCancel);
    auto* buttons = row.layout;
    ui_.ok = row.ok;
    ui_.cancel = row.cancel;

    QVBoxLayout* content = layOutAboveButtons(*this, buttons);
    content->addWidget(group);
    content->addWidget(players);
    // The players group keeps the height of all eight rows.
    players->setMinimumHeight(players->sizeHint().height());
    ui_.kept = new KeptCellsTable(form_.kept, this);
    content->addWidget(ui_.kept);

    connect(ui_.name, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.name = text.toStdString(); });
    connect(ui_.sizes, &CheckColumns::clicked, this, [this](int k, bool on) {
        form_.clickSize(k, on);
        showSizes();
    });
    connect(ui_.playerCount, &QComboBox::activated, this, [this](int i) {
        form_.playerCountIndex = i;
        applyVisibility();
    });
}

void TemplateDialog::showSizes() {
    std::array<bool, kMapSizeCount> states{};
    for (int k = 0; k < kMapSizeCount; ++k)
        states[static_cast<size_t>(k)] = form_.sizeChecked(k);
    ui_.sizes->setStates(states);
    ui_.range->setText(qs(form_.rangeLabel()));
}

void TemplateDialog::applyVisibility() {
    for (int p = 1; p <= kPlayerSlots; ++p) {
        const bool shown = form_.playerRowVisible(p);
        ui_.playerLabels[static_cast<size_t>(p - 1)]->setVisible(shown);
        ui_.playerKinds[static_cast<size_t>(p - 1)]->setVisible(shown);
    }
}

void TemplateDialog::fill(const TRmg& tmpl) {
    form_.fill(tmpl);
    result_.reset();
    ui_.name->setText(qs(form_.name));
    showSizes();
    setListPosition(*ui_.playerCount, form_.playerCountIndex);
    applyVisibility();
    for (size_t i = 0; i < kPlayerSlots; ++i)
        setListPosition(*ui_.playerKinds[i], form_.kinds[i]);
    ui_.kept->refresh();
    ui_.name->setFocus();
}

void TemplateDialog::accept() {
    form_.name = ui_.name->text().toStdString();
    result_ = form_.accept(services_);
    if (result_)
        QDialog::accept();
}

} // namespace zw
