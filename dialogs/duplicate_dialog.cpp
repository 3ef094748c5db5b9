#include "dialogs/duplicate_dialog.h"

#include "dialogs/controls.h"
#include "platform/services.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zw {

namespace dt = duplicate_texts;

DuplicateDialog::DuplicateDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setupDialogWindow(*this, dt::kCaption);
    auto* columns = new QHBoxLayout;

    auto* owners = new QGroupBox(qtr(dt::kOwners), this);
    auto* ownersForm = new QFormLayout(owners);
    for (size_t i = 0; i < ui_.players.size(); ++i) {
        QComboBox* list = makeList(dt::kPlayers, owners);
        ui_.players[i] = list;
        ownersForm->addRow(qs(duplicateRowCaption(static_cast<int>(i) + 1)), list);
        connect(list, &QComboBox::activated, this,
                [this, i](int position) { form_.targets[i] = position; });
    }
    columns->addWidget(owners);

    auto* placement = new QGroupBox(qtr(dt::kPlacement), this);
    auto* placementLayout = new QVBoxLayout(placement);
    for (size_t k = 0; k < ui_.transforms.size(); ++k) {
        auto* radio = new QRadioButton(qtr(dt::kTransforms[k]), placement);
        ui_.transforms[k] = radio;
        placementLayout->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                form_.transform = static_cast<int>(k);
        });
    }
    placementLayout->addStretch(1);
    columns->addWidget(placement);

    const OkCancelRow row = makeOkCancelRow(*this, dt::kOk, dt::kCancel);
    auto* buttons = row.layout;
    ui_.ok = row.ok;
    ui_.cancel = row.cancel;

    layOutAboveButtons(*this, buttons)->addLayout(columns);
    reset();
}

void DuplicateDialog::reset() {
    showForm(DuplicateForm{});
}

void DuplicateDialog::accept() {
    if (const auto problem = form_.problem()) {
        services_.messageBox(*problem, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    QDialog::accept();
}

void DuplicateDialog::showForm(const DuplicateForm& form) {
    form_ = form;
    for (size_t i = 0; i < ui_.players.size(); ++i)
        setListPosition(*ui_.players[i], form_.targets[i]);
    ui_.transforms[static_cast<size_t>(form_.transform)]->setChecked(true);
}

} // namespace zw
