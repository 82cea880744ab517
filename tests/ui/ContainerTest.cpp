// Mouse input goes through the window system layer, as a real pointer's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestPalette.h"
#include "Twips.h"
#include "ucContainer.h"

#include <QCheckBox>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <functional>

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

    // The leftmost and rightmost columns inside the border where the title strip has a pixel
    // for which `is` holds; -1 where none has.
    static std::pair<int, int> StripColumns(const QImage& image,
                                            const std::function<bool(QColor)>& is) {
        int first = -1;
        int last = -1;
        for (int x = 1; x < image.width() - 1; ++x) {
            for (int y = 0; y < kTitleHeight; ++y) {
                if (is(QColor(image.pixel(x, y)))) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    // Where the title text marks the strip.
    std::pair<int, int> TextColumns(const QImage& image) const {
        return StripColumns(image, [&](QColor c) { return c != Highlight; });
    }

    const QPalette Palette = DistinctPalette();
    const QColor Highlight = Palette.color(QPalette::Highlight);
    const QColor Light = Palette.color(QPalette::Light);
    const QColor Shadow = Palette.color(QPalette::Shadow);
    const QColor Face = Palette.color(QPalette::Button);
    ucContainer Panel;
    QCheckBox* Child = nullptr;
};

// Whole twips and geometries: see the main window's LaysOutInTwips and this panel's setup.
TEST(Twips, FifteenToALogicalPixelRounded) {
    for (const auto& [twips, pixels] : {std::pair{6240, 416}, {435, 29}, {7, 0}, {8, 1}, {0, 0}})
        EXPECT_EQ(mTwips::TwipsToPixels(twips), pixels) << twips;
}

TEST_F(ContainerTest, StartsUntitledWithAFullWidthStripAndARaisedBorderThatFollowTheWidth) {
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(200, 100));
    // The strip covers the full width inside the border and holds no text.
    EXPECT_EQ(TextColumns(image), (std::pair{-1, -1}));
    // Light under the title and at the left, dark at the bottom and right.
    ExpectColourAt(image, Light, {{100, kTitleHeight}, {0, 50}, {0, 5}});
    ExpectColourAt(image, Shadow, {{100, 99}, {199, 50}, {199, 5}});
    ExpectColourAt(image, Face, {{100, kTitleHeight + 1}, {198, 98}});

    // Widening moves the strip and the right border.
    Panel.resize(320, 100);
    const QImage wide = Grab();
    ASSERT_EQ(wide.width(), 320);
    ExpectColourAt(wide, Highlight, {{300, 5}, {318, 5}});
    ExpectColourAt(wide, Shadow, {{319, 50}});
    ExpectColourAt(wide, Face, {{199, 50}});
    ExpectColourAt(wide, Light, {{300, kTitleHeight}});
}

TEST_F(ContainerTest, TitleTextTakesItsAlignmentAndTheStripItsColours) {
    Panel.SetTitle(QStringLiteral("Track Setting"));

    const auto [centreFirst, centreLast] = TextColumns(Grab());
    ASSERT_GT(centreFirst, 0);
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, 100.0, 3.0);
    const QColor text = Palette.color(QPalette::HighlightedText);
    EXPECT_GE(StripColumns(Grab(), [&](QColor c) { return c == text; }).first, 0);

    Panel.SetAlignment(ucContainer::kAlignLeft);
    const auto [leftFirst, leftLast] = TextColumns(Grab());
    EXPECT_LE(leftFirst, 3);
    EXPECT_LT(leftLast, 100);

    Panel.SetAlignment(ucContainer::kAlignRight);
    const auto [rightFirst, rightLast] = TextColumns(Grab());
    EXPECT_GT(rightFirst, 100);
    EXPECT_GE(rightLast, 195);
    EXPECT_NEAR(rightLast - rightFirst, leftLast - leftFirst, 1);

    // Not an alignment: ignored.
    Panel.SetAlignment(3);
    Panel.SetAlignment(-1);
    EXPECT_EQ(Panel.Alignment(), ucContainer::kAlignRight);

    // In the background the strip takes the caption colours, and back.
    const QColor caption = Palette.color(QPalette::Dark);
    Panel.SetInBackground(true);
    const QImage image = Grab();
    ExpectColourAt(image, caption, {{5, 5}, {60, 12}});
    const QColor bright = Palette.color(QPalette::BrightText);
    EXPECT_GE(StripColumns(image, [&](QColor c) { return c == bright; }).first, 0);
    Panel.SetInBackground(false);
    ExpectColourAt(Grab(), Highlight, {{5, 5}, {60, 12}});
}

TEST_F(ContainerTest, ReportsMovesOnItsOwnSurfaceAndClicksOnTheTitle) {
    QSignalSpy moved(&Panel, &ucContainer::MouseMoved);
    QSignalSpy titleClicked(&Panel, &ucContainer::TitleClicked);
    // The title, the surface, then the child, which keeps its moves.
    for (const auto& [at, count] :
         {std::pair{QPoint(100, 7), 1}, {QPoint(150, 80), 2}, {Child->geometry().center(), 2}}) {
        QTest::mouseMove(&Panel, at);
        EXPECT_EQ(moved.count(), count) << at.x();
    }

    QTest::mouseClick(&Panel, Qt::LeftButton, {}, QPoint(100, 7));
    EXPECT_EQ(titleClicked.count(), 1);
    QTest::mouseClick(&Panel, Qt::LeftButton, {}, QPoint(150, 80));
    QTest::mouseClick(&Panel, Qt::RightButton, {}, QPoint(100, 7));
    EXPECT_EQ(titleClicked.count(), 1);
}

} // namespace
