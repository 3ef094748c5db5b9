#include "dialogs/connection_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace zw {
namespace {

namespace ct = connection_texts;

} // namespace

ConnectionDialog::ConnectionDialog(QWidget* parent) : QDialog(parent) {
    setupDialogWindow(*this, ct::kCaption);
    build();
    fill(makeDefaultConnection());
}

void ConnectionDialog::build() {
    auto* group = new QGroupBox(qtr(ct::kGroup), this);
    auto* groupLayout = new QVBoxLayout(group);

    auto* countRow = new QHBoxLayout;
    ui_.count = new NumberField(kOneToEightRange, group);
    countRow->addWidget(new QLabel(qtr(ct::kCount), group));
    countRow->addWidget(ui_.count);
    countRow->addStretch(1);
    groupLayout->addLayout(countRow);

    // All eight tabs fit side by side: the bar never scrolls, so every passage
    // stays in sight.
    ui_.tabs = new QTabBar(group);
    ui_.tabs->setUsesScrollButtons(false);
    ui_.tabs->setExpanding(false);
    ui_.tabs->setElideMode(Qt::ElideNone);
    ui_.tabs->setFocusPolicy(Qt::StrongFocus);
    // Wide enough for all eight tabs from the start, so that the window keeps
    // its size when the count changes.
    for (int j = 0; j < kPassageSlots; ++j)
        ui_.tabs->addTab(qs(passageTabCaption(j)));
    ui_.tabs->setMinimumWidth(ui_.tabs->minimumSizeHint().width());

    auto* page = new QFrame(group);
    page->setFrameShape(QFrame::StyledPanel);
    auto* pageLayout = new QVBoxLayout(page);
    auto* pageForm = new QFormLayout;
    ui_.kind = makeList(ct::kKinds, page);
    pageForm->addRow(qtr(ct::kKind), ui_.kind);
    ui_.guardLabel = new QLabel(qtr(ct::kGuard), page);
    ui_.guard = new PresetBox(form_.controls.guard, page);
    pageForm->addRow(ui_.guardLabel, ui_.guard);
    keepPlaceWhenHidden(ui_.guardLabel);
    keepPlaceWhenHidden(ui_.guard);
    pageLayout->addLayout(pageForm);

    ui_.autoExist = new QCheckBox(qtr(ct::kAutoExist), page);
    pageLayout->addWidget(ui_.autoExist);
    auto* limitsFrame = new QGroupBox(page);
    auto* limitsForm = new QFormLayout(limitsFrame);
    for (size_t i = 0; i < ui_.limits.size(); ++i) {
        auto* f = new NumberField(kOneToEightRange, limitsFrame);
        ui_.limits[i] = f;
        limitsForm->addRow(qtr(ct::kLimits[i]), f);
        connect(f, &NumberField::valueEdited, this,
                [this, i](int32_t v) { form_.controls.limits[i] = v; });
    }
    ui_.limitsFrame = limitsFrame;
    keepPlaceWhenHidden(limitsFrame);
    pageLayout->addWidget(limitsFrame);
    ui_.kept = new KeptCellsTable(form_.controls.kept, page);
    pageLayout->addWidget(ui_.kept);

    auto* tabArea = new QVBoxLayout;
    tabArea->setSpacing(0);
    tabArea->addWidget(ui_.tabs);
    tabArea->addWidget(page);
    groupLayout->addLayout(tabArea);

    const OkCancelRow row = makeOkCancelRow(*this, ct::kOk, ct::kCancel);
    auto* buttons = row.layout;
    ui_.ok = row.ok;
    ui_.cancel = row.cancel;

    layOutAboveButtons(*this, buttons)->addWidget(group);

    connect(ui_.count, &NumberField::valueEdited, this, [this](int32_t v) {
        if (v == form_.count())
            return;
        form_.changeCount(v);
        showTabs();
        showControls();
    });
    connect(ui_.tabs, &QTabBar::currentChanged, this, [this](int tab) {
        if (rebuildingTabs_ || tab < 0)
            return;
        form_.selectTab(tab);
        showControls();
    });
    connect(ui_.kind, &QComboBox::activated, this, [this](int i) {
        form_.controls.kind = i;
        applyVisibility();
    });
    connect(ui_.autoExist, &QCheckBox::clicked, this, [this](bool on) {
        form_.controls.autoExist = on;
        applyVisibility();
    });
}

void ConnectionDialog::showTabs() {
    rebuildingTabs_ = true;
    while (ui_.tabs->count() > 0)
        ui_.tabs->removeTab(ui_.tabs->count() - 1);
    for (int j = 0; j < form_.tabCount(); ++j)
        ui_.tabs->addTab(qs(passageTabCaption(j)));
    ui_.tabs->setCurrentIndex(form_.selectedTab());
    rebuildingTabs_ = false;
}

void ConnectionDialog::showControls() {
    const PassageControls& c = form_.controls;
    setListPosition(*ui_.kind, c.kind);
    ui_.guard->refresh();
    ui_.autoExist->setChecked(c.autoExist);
    for (size_t i = 0; i < ui_.limits.size(); ++i)
        ui_.limits[i]->setHeld(c.limits[i]);
    ui_.kept->refresh();
    applyVisibility();
}

void ConnectionDialog::applyVisibility() {
    ui_.guardLabel->setVisible(form_.guardVisible());
    ui_.guard->setVisible(form_.guardVisible());
    ui_.limitsFrame->setVisible(form_.limitsVisible());
    ui_.kept->setVisible(form_.keptTableShown());
    ui_.kept->setEnabled(form_.keptTableEnabled());
}

void ConnectionDialog::fill(const ConnectionRecord& r) {
    form_.fill(r);
    ui_.count->setHeld(form_.count());
    showTabs();
    showControls();
    result_ = form_.working();
    ui_.count->setFocus();
}

void ConnectionDialog::fillFurther(const ConnectionRecord& r) {
    form_.fillFurther(r);
    ui_.count->setHeld(form_.count());
    showTabs();
    showControls();
    result_ = form_.working();
    ui_.count->setFocus();
}

void ConnectionDialog::accept() {
    result_ = form_.accept();
    ui_.guard->refresh();
    QDialog::accept();
}

} // namespace zw
