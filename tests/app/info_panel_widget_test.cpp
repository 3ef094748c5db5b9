#include "app/icons.h"
#include "app/info_panel_widget.h"
#include "editor/editor.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

#include <memory>

namespace zw {
namespace {

const QColor kPanelYellow(255, 255, 0);
const QColor kPale(231, 225, 152);

InfoPanelContent zoneContent() {
    InfoPanelContent c;
    c.title = "Стартовая локация игрока 2 (синий)";
    c.line2 = "Размер: Средний";
    c.line3 = "Городов нет";
    c.line4 = "Монстры: Средние";
    c.treasure = {"Группа отсутствует", "Группа отсутствует", "Группа отсутствует"};
    c.existence = "Существует: Всегда";
    c.height = 241;
    return c;
}

class PanelTest : public ::testing::Test {
  protected:
    PanelTest() {
        host.setFont([] {
            QFont f = QApplication::font();
            f.setPixelSize(11);
            return f;
        }());
        host.resize(800, 600);
        panel = new InfoPanelWidget(&host);
        host.show();
    }
    QWidget host;
    InfoPanelWidget* panel;
};

TEST_F(PanelTest, ElementsSitWhereTheLayoutPutsThem) {
    EXPECT_FALSE(panel->isVisible()); // hidden until the editor shows it
    EXPECT_EQ(panel->width(), 185);
    EXPECT_EQ(panel->frameShape(), QFrame::Panel);
    EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
    EXPECT_EQ(panel->lineWidth(), 1);
    EXPECT_EQ(panel->palette().color(QPalette::Window), kPanelYellow);

    EXPECT_EQ(panel->title()->geometry(), QRect(16, 8, 153, 33));
    EXPECT_TRUE(panel->title()->wordWrap());
    EXPECT_EQ(panel->title()->alignment(), Qt::AlignCenter);
    const std::vector<std::pair<QLabel*, int>> lines = {
        {panel->line2(), 56},      {panel->line3(), 72},
        {panel->line4(), 88},      {panel->treasureCaption(), 120},
        {panel->treasure(0), 136}, {panel->treasure(1), 152},
        {panel->treasure(2), 168}, {panel->existence(), 200},
        {panel->noMines(), 216}};
    for (const auto& [label, top] : lines) {
        EXPECT_EQ(label->geometry(), QRect(8, top, 169, 13)) << top;
        EXPECT_EQ(label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), kPale);
    }
    EXPECT_EQ(panel->treasureCaption()->text(), QString("Сокровища:"));
    EXPECT_EQ(panel->noMines()->text(), QString("Шахт нет"));
}

TEST_F(PanelTest, MineStripShowsOneIconPerKindCentredInThePanel) {
    InfoPanelContent c = zoneContent();
    c.mines = {MineWood, MineGold};
    c.noMinesVisible = false;
    panel->setContent(c);
    panel->show();
    EXPECT_EQ(panel->mineStrip()->geometry(), QRect(67, 216, 50, 19));
    EXPECT_TRUE(panel->mineStrip()->isVisible());
    EXPECT_FALSE(panel->noMines()->isVisible());

    // Wood at x = 0, gold at x = 25, on the panel's face.
    const QImage strip = panel->mineStrip()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage expected(50, 19, QImage::Format_RGB32);
    expected.fill(kPanelYellow);
    {
        QPainter p(&expected);
        p.drawPixmap(0, 0, mineIcon(MineWood));
        p.drawPixmap(25, 0, mineIcon(MineGold));
    }
    EXPECT_EQ(strip, expected);

    c.mines.clear();
    c.noMinesVisible = true;
    panel->setContent(c);
    EXPECT_FALSE(panel->mineStrip()->isVisible());
    EXPECT_TRUE(panel->noMines()->isVisible());
}

TEST_F(PanelTest, ConnectionHeightCutsOffTheZoneLines) {
    InfoPanelContent c;
    c.title = "Обычный переход";
    c.line2 = "Охрана: Средняя (6000)";
    c.line3Visible = false;
    c.height = 81;
    InfoPanelState s;
    s.visible = true;
    s.left = 30;
    s.top = 40;
    s.content = c;
    panel->setState(s);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(30, 40, 185, 81));
    EXPECT_FALSE(panel->line3()->isVisible());
    EXPECT_EQ(panel->line2()->text(), QString("Охрана: Средняя (6000)"));

    // The panel is drawn above the host's other children.
    auto* later = new QWidget(&host);
    later->show();
    panel->setState(s);
    EXPECT_EQ(host.children().back(), panel);

    s.visible = false;
    panel->setState(s);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(PanelTest, LongTextsShrinkOrElideInsteadOfOverflowing) {
    InfoPanelContent c = zoneContent();
    c.existence = "Существует только с хозяином";
    c.line3 = "Города: 10000/10000/10000/10000 (одинаковые)";
    c.title = "Мультипереход\n(Количество: 8)";
    c.treasure[0] = std::string(300, 'W');
    panel->setContent(c);
    for (QLabel* l : {panel->existence(), panel->line3(), panel->treasure(0)}) {
        const QFontMetrics fm(l->font());
        EXPECT_LE(fm.horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
        EXPECT_GE(l->font().pixelSize(), 7);
    }
    EXPECT_TRUE(panel->treasure(0)->text().endsWith(QChar(0x2026)));
    // A text that fits keeps the window's size.
    EXPECT_EQ(panel->line2()->font().pixelSize(), 11);
    // The two-line title fits its box.
    const QRect need =
        QFontMetrics(panel->title()->font())
            .boundingRect(QRect(0, 0, 151, 1000), Qt::TextWordWrap, panel->title()->text());
    EXPECT_LE(need.height(), 33);
    EXPECT_TRUE(panel->title()->text().contains(QLatin1Char('\n')));
}

TEST(MineIcons, SevenDistinctPicturesOfTheirSize) {
    std::vector<QImage> seen;
    for (int i = 0; i < kMineIconCount; ++i) {
        const QPixmap pm = mineIcon(i);
        ASSERT_FALSE(pm.isNull()) << i;
        EXPECT_EQ(pm.size(), QSize(24, 19));
        const QImage img = pm.toImage();
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque += img.pixelColor(x, y).alpha() > 128;
        EXPECT_GT(opaque, 24 * 19 / 5) << i; // a picture, not a speck
        for (const QImage& other : seen)
            EXPECT_NE(img, other) << i;
        seen.push_back(img);
    }
    EXPECT_TRUE(mineIcon(-1).isNull());
    EXPECT_TRUE(mineIcon(kMineIconCount).isNull());
}

} // namespace
} // namespace zw
