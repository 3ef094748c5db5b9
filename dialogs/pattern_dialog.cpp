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

#include <algorithm>
#include <cmath>

namespace zw {

namespace t = pattern_texts;

PatternPreviewWidget::PatternPreviewWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 240);
}

void PatternPreviewWidget::setTemplate(const TRmg& t) {
    rmg_ = t;
    update();
}

QImage PatternPreviewWidget::picture() const {
    const double ratio = devicePixelRatioF();
    const WholePicture whole = fitWhole(rmg_, width(), height());
    // Drawn for the larger canvas at the screen's ratio (at most as large as
    // an image may be), then shrunk to the widget's device pixels.
    const int largest = std::max(whole.width, whole.height);
    const double scale = std::min(ratio, 32767.0 / std::max(largest, 1));
    QImage image = renderToImage(rmg_, whole.view, 0, whole.width, whole.height, scale);
    if (image.isNull())
        return image;
    if (whole.shrink != 1) {
        image = image.scaled(QSize(static_cast<int>(std::ceil(width() * ratio)),
                                   static_cast<int>(std::ceil(height() * ratio))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

void PatternPreviewWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture());
}

PatternDialog::PatternDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setupDialogWindow(*this, t::kCaption);
    build();
    refresh();
}

void PatternDialog::build() {
    auto* fields = new QGroupBox(qtr(t::kPattern), this);
    auto* form = new QFormLayout(fields);
    ui_.pattern = makeList(t::kPatterns, fields);
    form->addRow(qtr(t::kPattern), ui_.pattern);
    auto spin = [&](std::string_view caption) {
        auto* box = new QSpinBox(fields);
        form->addRow(qtr(caption), box);
        return box;
    };
    ui_.players = spin(t::kPlayers);
    ui_.own = spin(t::kOwn);
    ui_.between = spin(t::kBetween);
    ui_.centre = spin(t::kCentre);
    ui_.seed = spin(t::kSeed);
    ui_.seed->setRange(0, kMaxPatternVariant);
    ui_.name = new QLineEdit(fields);
    form->addRow(qtr(t::kName), ui_.name);

    // The figures beside the picture: below it they took its height, and on
    // a small or scaled screen were drawn over it.
    auto* preview = new QGroupBox(qtr(t::kPreview), this);
    auto* previewLayout = new QHBoxLayout(preview);
    ui_.preview = new PatternPreviewWidget(preview);
    ui_.figures = new QLabel(preview);
    ui_.figures->setWordWrap(true);
    ui_.figures->setMinimumWidth(160);
    ui_.figures->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui_.figures->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
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
