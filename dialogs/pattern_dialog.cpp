#include "dialogs/pattern_dialog.h"

#include "canvas/fit.h"
#include "canvas/qt_painter.h"
#include "dialogs/controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zw {

namespace t = pattern_texts;

PatternPreviewWidget::PatternPreviewWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 240);
}

void PatternPreviewWidget::setTemplate(const TRmg& t) {
    rmg_ = t;
    update();
}

void PatternPreviewWidget::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    const QImage picture = renderToImage(rmg_, fitView(rmg_, w, h), 0, w, h, devicePixelRatioF());
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture);
}

PatternDialog::PatternDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setupDialogWindow(*this, t::kCaption);
    build();
    refresh();
}

void PatternDialog::build() {
    auto* fields = new QGroupBox(qs(t::kPattern), this);
    auto* form = new QFormLayout(fields);
    ui_.pattern = makeList(t::kPatterns, fields);
    form->addRow(qs(t::kPattern), ui_.pattern);
    auto spin = [&](std::string_view caption) {
        auto* box = new QSpinBox(fields);
        form->addRow(qs(caption), box);
        return box;
    };
    ui_.players = spin(t::kPlayers);
    ui_.own = spin(t::kOwn);
    ui_.between = spin(t::kBetween);
    ui_.centre = spin(t::kCentre);
    ui_.seed = spin(t::kSeed);
    ui_.seed->setRange(0, kMaxPatternVariant);
    ui_.name = new QLineEdit(fields);
    form->addRow(qs(t::kName), ui_.name);

    auto* preview = new QGroupBox(qs(t::kPreview), this);
    auto* previewLayout = new QVBoxLayout(preview);
    ui_.preview = new PatternPreviewWidget(preview);
    ui_.figures = new QLabel(preview);
    ui_.figures->setWordWrap(true);
    previewLayout->addWidget(ui_.preview, 1);
    previewLayout->addWidget(ui_.figures);

    auto* columns = new QHBoxLayout;
    columns->addWidget(fields);
    columns->addWidget(preview, 1);
    const OkCancelRow row = makeOkCancelRow(*this, t::kOk, t::kCancel);
    ui_.ok = row.ok;
    ui_.cancel = row.cancel;
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addLayout(row.layout);

    connect(ui_.pattern, &QComboBox::activated, this, [this](int position) {
        form_.choosePattern(position);
        refresh();
    });
    auto follow = [this](QSpinBox* box, int PatternSettings::*field) {
        connect(box, &QSpinBox::valueChanged, this, [this, field](int v) {
            if (refreshing_)
                return;
            form_.settings.*field = v;
            refresh();
        });
    };
    follow(ui_.players, &PatternSettings::players);
    follow(ui_.own, &PatternSettings::own);
    follow(ui_.between, &PatternSettings::between);
    follow(ui_.centre, &PatternSettings::centre);
    connect(ui_.seed, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing_)
            return;
        form_.settings.seed = v;
        refresh();
    });
    connect(ui_.name, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.name = text.toStdString(); });
}

void PatternDialog::refresh() {
    refreshing_ = true;
    setListPosition(*ui_.pattern, form_.patternPosition());
    auto show = [](QSpinBox* box, const FieldRange& range, int value) {
        box->setRange(range.min, range.max);
        box->setValue(value);
        box->setEnabled(range.enabled());
    };
    show(ui_.players, form_.playersRange(), form_.settings.players);
    show(ui_.own, form_.ownRange(), form_.settings.own);
    show(ui_.between, form_.betweenRange(), form_.settings.between);
    show(ui_.centre, form_.centreRange(), form_.settings.centre);
    ui_.seed->setValue(
        static_cast<int>(std::clamp<int64_t>(form_.settings.seed, 0, kMaxPatternVariant)));
    if (ui_.name->text().toStdString() != form_.name)
        ui_.name->setText(QString::fromStdString(form_.name));
    ui_.name->setPlaceholderText(QString::fromStdString(form_.defaultName()));
    refreshing_ = false;

    // The preview shows the default name's template whatever is typed: a name
    // changes nothing on the canvas, and one being typed may not be valid yet.
    PatternSettings shown = form_.settings;
    shown.name.reset();
    const PatternPreview p = previewPattern(shown);
    ui_.preview->setTemplate(p.rmg);
    QStringList lines;
    for (const std::string& line : p.figures)
        lines << QString::fromStdString(line);
    ui_.figures->setText(lines.join('\n'));
}

void PatternDialog::accept() {
    result_ = form_.accept(services_);
    if (result_)
        QDialog::accept();
}

} // namespace zw
