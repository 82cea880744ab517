// Mouse input goes through the window system layer, as a real pointer's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestPalette.h"
#include "Twips.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kTitleHeight = 14; // 210 twips

class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Panel.setPalette(Palette);
        mTwips::SetGeometryInTwips(Panel, 0, 0, 3000, 1500);
        Child = new QCheckBox(QStringLiteral("Tunnel"), &Panel);
        mTwips::SetGeometryInTwips(*Child, 150, 450, 1200, 300);
        Panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Panel));
    }

    QImage Grab() { return Panel.grab().toImage(); }

    static QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    // The leftmost and rightmost columns of the title strip where the text left its mark.
    static std::pair<int, int> TextColumns(const QImage& image, const QColor& strip) {
        int first = -1;
        int last = -1;
        for (int x = 1; x < image.width() - 1; ++x) {
            for (int y = 0; y < kTitleHeight; ++y) {
                if (At(image, x, y) != strip) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    // Whether any pixel of the title strip has `colour`.
    static bool StripHas(const QImage& image, const QColor& colour) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < kTitleHeight; ++y)
                if (At(image, x, y) == colour)
                    return true;
        return false;
    }

    QColor Highlight() const { return Palette.color(QPalette::Highlight); }
    QColor HighlightText() const { return Palette.color(QPalette::HighlightedText); }

    const QPalette Palette = DistinctPalette();
    ucContainer Panel;
    QCheckBox* Child = nullptr;
};

TEST(Twips, FifteenToALogicalPixel) {
    EXPECT_EQ(mTwips::TwipsToPixels(6240), 416);
    EXPECT_EQ(mTwips::TwipsToPixels(435), 29);
    EXPECT_EQ(mTwips::TwipsToPixels(7), 0);
    EXPECT_EQ(mTwips::TwipsToPixels(8), 1);
    EXPECT_EQ(mTwips::TwipsToPixels(0), 0);
    EXPECT_EQ(mTwips::PixelsToTwips(792), 11880);
    QWidget widget;
    mTwips::SetGeometryInTwips(widget, 1740, 480, 6375, 4635);
    EXPECT_EQ(widget.geometry(), QRect(116, 32, 425, 309));
    EXPECT_EQ(mTwips::GeometryInTwips(widget), QRect(1740, 480, 6375, 4635));
}

TEST_F(ContainerTest, StartsUntitledWithAFullWidthStripAndARaisedBorder) {
    EXPECT_EQ(Panel.Title(), QString());
    EXPECT_EQ(Panel.Alignment(), ucContainer::kAlignCenter);
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(200, 100));
    // The strip covers the full width inside the border and holds no text.
    for (int x = 1; x < 199; ++x)
        for (int y = 1; y < kTitleHeight; ++y)
            ASSERT_EQ(At(image, x, y), Highlight()) << x << "," << y;
    const QColor light = Palette.color(QPalette::Light);
    const QColor shadow = Palette.color(QPalette::Shadow);
    const QColor face = Palette.color(QPalette::Button);
    EXPECT_EQ(At(image, 100, kTitleHeight), light); // under the title
    EXPECT_EQ(At(image, 0, 50), light);             // left edge
    EXPECT_EQ(At(image, 0, 5), light);
    EXPECT_EQ(At(image, 100, 99), shadow); // bottom edge
    EXPECT_EQ(At(image, 199, 50), shadow); // right edge
    EXPECT_EQ(At(image, 199, 5), shadow);
    EXPECT_EQ(At(image, 100, kTitleHeight + 1), face);
    EXPECT_EQ(At(image, 198, 98), face);
}

TEST_F(ContainerTest, TitleTextTakesItsAlignment) {
    Panel.SetTitle(QStringLiteral("Track Setting"));
    EXPECT_EQ(Panel.Title(), QStringLiteral("Track Setting"));
    EXPECT_EQ(Panel.property("Title").toString(), QStringLiteral("Track Setting"));

    const auto [centreFirst, centreLast] = TextColumns(Grab(), Highlight());
    ASSERT_GT(centreFirst, 0);
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100.0, 3.0);
    EXPECT_TRUE(StripHas(Grab(), HighlightText()));

    Panel.SetAlignment(ucContainer::kAlignLeft);
    EXPECT_EQ(Panel.Alignment(), 0);
    const auto [leftFirst, leftLast] = TextColumns(Grab(), Highlight());
    EXPECT_LE(leftFirst, 3);
    EXPECT_LT(leftLast, 100);

    Panel.SetAlignment(ucContainer::kAlignRight);
    EXPECT_EQ(Panel.Alignment(), 1);
    const auto [rightFirst, rightLast] = TextColumns(Grab(), Highlight());
    EXPECT_GT(rightFirst, 100);
    EXPECT_GE(rightLast, 195);
    EXPECT_NEAR(rightLast - rightFirst, leftLast - leftFirst, 1);

    // Not an alignment: ignored.
    Panel.SetAlignment(3);
    Panel.SetAlignment(-1);
    EXPECT_EQ(Panel.Alignment(), ucContainer::kAlignRight);
    Panel.setProperty("Alignment", 2);
    EXPECT_EQ(Panel.Alignment(), ucContainer::kAlignCenter);
}

TEST_F(ContainerTest, WideningMovesStripAndRightBorderButNotTheContainedControls) {
    const QRect childBefore = Child->geometry();
    EXPECT_EQ(childBefore.topLeft(), QPoint(10, 30));
    Panel.resize(320, 100);
    const QImage image = Grab();
    ASSERT_EQ(image.width(), 320);
    EXPECT_EQ(At(image, 300, 5), Highlight());
    EXPECT_EQ(At(image, 318, 5), Highlight());
    EXPECT_EQ(At(image, 319, 50), Palette.color(QPalette::Shadow));
    EXPECT_EQ(At(image, 199, 50), Palette.color(QPalette::Button));
    EXPECT_EQ(At(image, 300, kTitleHeight), Palette.color(QPalette::Light));
    EXPECT_EQ(Child->geometry(), childBefore);
}

TEST_F(ContainerTest, InBackgroundSwitchesTheStripToCaptionColoursAndBack) {
    Panel.SetTitle(QStringLiteral("Station"));
    const QColor caption = Palette.color(QPalette::Dark);
    const QColor captionText = Palette.color(QPalette::BrightText);
    Panel.SetInBackground(true);
    QImage image = Grab();
    EXPECT_EQ(At(image, 5, 5), caption);
    EXPECT_EQ(At(image, 195, 12), caption);
    EXPECT_TRUE(StripHas(image, captionText));

    Panel.SetInBackground(false);
    image = Grab();
    EXPECT_EQ(At(image, 5, 5), Highlight());
    EXPECT_EQ(At(image, 195, 12), Highlight());
}

TEST_F(ContainerTest, ReportsMovesOnItsOwnSurfaceAndClicksOnTheTitle) {
    QSignalSpy moved(&Panel, &ucContainer::MouseMoved);
    QSignalSpy titleClicked(&Panel, &ucContainer::TitleClicked);
    QTest::mouseMove(&Panel, QPoint(100, 7));
    EXPECT_EQ(moved.count(), 1);
    QTest::mouseMove(&Panel, QPoint(150, 80));
    EXPECT_EQ(moved.count(), 2);
    QTest::mouseMove(&Panel, Child->geometry().center());
    EXPECT_EQ(moved.count(), 2);

    QTest::mouseClick(&Panel, Qt::LeftButton, {}, QPoint(100, 7));
    EXPECT_EQ(titleClicked.count(), 1);
    QTest::mouseClick(&Panel, Qt::LeftButton, {}, QPoint(150, 80));
    QTest::mouseClick(&Panel, Qt::RightButton, {}, QPoint(100, 7));
    EXPECT_EQ(titleClicked.count(), 1);
}

} // namespace
