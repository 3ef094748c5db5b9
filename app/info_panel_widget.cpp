#include "app/info_panel_widget.h"

#include "app/icons.h"
#include "editor/editor.h"
#include "model/translation.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zw {
namespace {

const QColor kFace(255, 255, 0);
const QColor kLineGround(231, 225, 152);
constexpr int kLineLeft = 8;
constexpr int kLineWidth = 169;
constexpr int kLineHeight = 13;
constexpr int kMineTop = 216;
constexpr int kSmallestFontPx = 7;

QString utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void paintGround(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

bool fits(const QFont& f, const QLabel* label, const QString& text) {
    const QFontMetrics fm(f);
    const int w = label->width() - 2;
    if (label->wordWrap()) {
        const QRect r =
            fm.boundingRect(QRect(0, 0, w, 10000), Qt::AlignHCenter | Qt::TextWordWrap, text);
        return r.width() <= w && r.height() <= label->height();
    }
    return fm.horizontalAdvance(text) <= w;
}

} // namespace

void setFittedText(QLabel* label, const QString& text) {
    QFont f = label->parentWidget() ? label->parentWidget()->font() : label->font();
    int px = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    f.setPixelSize(px);
    while (!fits(f, label, text) && px > kSmallestFontPx)
        f.setPixelSize(--px);
    label->setFont(f);
    if (fits(f, label, text)) {
        label->setText(text);
        return;
    }
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    label->setText(QFontMetrics(f).elidedText(flat, Qt::ElideRight, label->width() - 2));
}

// ---- Mine strip ----

MineStrip::MineStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MineStrip::setMines(const std::vector<int>& mines) {
    mines_ = mines;
    update();
}

void MineStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kFace);
    int n = 0;
    for (const int m : mines_) {
        if (m >= 0 && m < kMineIconCount) {
            // Each picture is decoded when first shown, not while the window
            // is being built: the panel starts hidden.
            QPixmap& icon = icons_[static_cast<size_t>(m)];
            if (icon.isNull())
                icon = mineIcon(m);
            p.drawPixmap(25 * n, 0, icon);
        }
        ++n;
    }
}

// ---- Panel ----

InfoPanelWidget::InfoPanelWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    paintGround(this, kFace);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(kInfoPanelWidth, kInfoPanelZoneHeight);

    title_ = new QLabel(this);
    title_->setGeometry(16, 8, 153, 33);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (const int top : {48, 112, 192}) {
        auto* sep = new QFrame(this);
        sep->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        sep->setGeometry(kLineLeft, top, kLineWidth, 2);
        sep->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    line2_ = makeLine(56);
    line3_ = makeLine(72);
    line4_ = makeLine(88);
    treasureCaption_ = makeLine(120);
    treasure_[0] = makeLine(136);
    treasure_[1] = makeLine(152);
    treasure_[2] = makeLine(168);
    existence_ = makeLine(200);
    noMines_ = makeLine(kMineTop);
    retranslate();

    mines_ = new MineStrip(this);
    mines_->setGeometry(92, kMineTop, 0, kMineIconHeight);
    mines_->hide();
    hide();
}

void InfoPanelWidget::retranslate() {
    treasureCaption_->setText(QString::fromStdString(ZW_TR("MainWindow", "Сокровища:")));
    noMines_->setText(QString::fromStdString(ZW_TR("MainWindow", "Шахт нет")));
}

QLabel* InfoPanelWidget::makeLine(int top) {
    auto* l = new QLabel(this);
    l->setGeometry(kLineLeft, top, kLineWidth, kLineHeight);
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    paintGround(l, kLineGround);
    return l;
}

void InfoPanelWidget::setContent(const InfoPanelContent& c) {
    setFittedText(title_, utf8(c.title));
    setFittedText(line2_, utf8(c.line2));
    setFittedText(line3_, utf8(c.line3));
    line3_->setVisible(c.line3Visible);
    setFittedText(line4_, utf8(c.line4));
    for (size_t i = 0; i < treasure_.size(); ++i)
        setFittedText(treasure_[i], utf8(c.treasure[i]));
    setFittedText(existence_, utf8(c.existence));
    noMines_->setVisible(c.noMinesVisible);
    mines_->setMines(c.mines);
    mines_->setGeometry(c.mineStripLeft(), kMineTop, c.mineStripWidth(), kMineIconHeight);
    mines_->setVisible(!c.mines.empty());
    resize(kInfoPanelWidth, c.height);
}

void InfoPanelWidget::setState(const InfoPanelState& s) {
    if (!s.visible) {
        hide();
        return;
    }
    setContent(s.content);
    move(s.left, s.top);
    show();
    raise();
}

QPoint InfoPanelWidget::toParent(const QMouseEvent* e) const {
    const QPointF p = e->position();
    return pos() + QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

void InfoPanelWidget::mouseMoveEvent(QMouseEvent* e) {
    emit pointerMoved(toParent(e));
}

void InfoPanelWidget::mousePressEvent(QMouseEvent* e) {
    emit pointerPressed(e->button(), toParent(e));
}

void InfoPanelWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit pointerReleased(e->button(), toParent(e));
}

} // namespace zw
