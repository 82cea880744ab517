// Mouse input goes through the window system layer, as a real pointer's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestPalette.h"
#include "ToolBarPictures.h"
#include "ToolBarState.h"
#include "ucToolBar.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The main window's arrangement: separators after buttons 1, 2 and 4.
constexpr int kPictureX[] = {6, 28, 57, 86, 108, 137};
constexpr int kSeparatorX[] = {50, 79, 130};
constexpr int kBarWidth = 300;
constexpr int kBarHeight = 29; // the main window's 435 twips
const QPoint kBackground(24, 14);

QPixmap Solid(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Bar.setPalette(Palette);
        Bar.resize(kBarWidth, kBarHeight);
        for (int i = 0; i < 6; ++i) {
            Bar.CreateButton(Solid(NormalColor(i)), Solid(DisabledColor(i)),
                             QStringLiteral("Tip %1").arg(i));
            if (i == 1 || i == 2 || i == 4)
                Bar.CreateSeparator();
        }
        Bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Bar));
    }

    static QColor NormalColor(int i) { return QColor(40 + 30 * i, 200, 90); }
    static QColor DisabledColor(int i) { return QColor(150, 150, 100 + 10 * i); }
    static QPoint Centre(int button) { return QPoint(kPictureX[button] + 8, 14); }
    QImage Grab() { return Bar.grab().toImage(); }

    // The button indexes a spy has recorded since the last call.
    static std::vector<int> Taken(QSignalSpy& spy) {
        std::vector<int> indexes;
        for (const QList<QVariant>& signal : spy)
            indexes.push_back(signal.at(0).toInt());
        spy.clear();
        return indexes;
    }

    static QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    // Whether the bevel is drawn around `button`, raised or sunken, judged by the far ends of
    // its four lines (a 23 x 23 square from (l, 3)).
    enum class Bevel { None, Raised, Sunken };
    Bevel BevelAround(const QImage& image, int button) const {
        const int l = kPictureX[button] - 3;
        const QColor ends[] = {At(image, l + 21, 3), At(image, l, 24), At(image, l, 25),
                               At(image, l + 22, 3)};
        if (ends[0] == Light && ends[1] == Light && ends[2] == Shadow && ends[3] == Shadow)
            return Bevel::Raised;
        if (ends[0] == Shadow && ends[1] == Shadow && ends[2] == Light && ends[3] == Light)
            return Bevel::Sunken;
        EXPECT_EQ(ends[0], Face);
        EXPECT_EQ(ends[3], Face);
        return Bevel::None;
    }

    const QPalette Palette = DistinctPalette();
    const QColor Face = Palette.color(QPalette::Button);
    const QColor Light = Palette.color(QPalette::Light);
    const QColor Shadow = Palette.color(QPalette::Shadow);
    ucToolBar Bar;
};

TEST_F(ToolBarTest, PicturesSeparatorsAndBorderLieAtTheirPixels) {
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(kBarWidth, kBarHeight));
    for (int i = 0; i < 6; ++i) {
        const int x = kPictureX[i];
        ExpectColourAt(image, NormalColor(i), {{x, 6}, {x + 15, 21}});
        ExpectColourAt(image, Face, {{x - 1, 6}, {x + 16, 21}, {x, 5}, {x + 15, 22}});
    }
    for (const int x : kSeparatorX) {
        for (int y = 2; y <= kBarHeight - 3; ++y) {
            ExpectColourAt(image, Shadow, {{x, y}});
            ExpectColourAt(image, Light, {{x + 1, y}});
        }
        ExpectColourAt(image, Face, {{x, 1}, {x, kBarHeight - 2}, {x - 1, 14}, {x + 2, 14}});
    }
    // Light border at the top and left, dark at the bottom and right.
    ExpectColourAt(image, Light, {{0, 0}, {200, 0}, {0, 20}});
    ExpectColourAt(image, Shadow, {{200, kBarHeight - 1}, {kBarWidth - 1, 10}});
    ExpectColourAt(image, Face, {{200, 1}, {kBarWidth - 2, 10}});

    // Separators keep the length of their creation; the border follows the new size.
    Bar.resize(kBarWidth + 100, 60);
    QTest::qWait(0);
    const QImage resized = Grab();
    ASSERT_EQ(resized.height(), 60);
    ExpectColourAt(resized, Shadow, {{50, 26}, {200, 59}, {kBarWidth + 99, 40}});
    ExpectColourAt(resized, Face, {{50, 27}, {51, 40}, {200, kBarHeight - 1}});
}

TEST_F(ToolBarTest, HoverRaisesOneEventPerButtonAndMinusOneOnTheBackground) {
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    QTest::mouseMove(&Bar, kBackground); // nothing: the first hover seen below is 2
    QTest::mouseMove(&Bar, Centre(2));
    QTest::mouseMove(&Bar, Centre(2) + QPoint(3, 2));
    EXPECT_EQ(Taken(hover), std::vector<int>{2});
    const QImage hovered = Grab();
    EXPECT_EQ(BevelAround(hovered, 2), Bevel::Raised);
    ExpectColourAt(hovered, Face, {{53, 3}, {54, 2}}); // nothing outside the bevel

    QTest::mouseMove(&Bar, Centre(3));
    EXPECT_EQ(Taken(hover), std::vector<int>{3});
    const QImage moved = Grab();
    EXPECT_EQ(BevelAround(moved, 3), Bevel::Raised);
    EXPECT_EQ(BevelAround(moved, 2), Bevel::None);

    QTest::mouseMove(&Bar, kBackground);
    EXPECT_EQ(BevelAround(Grab(), 3), Bevel::None);
    QTest::mouseMove(&Bar, kBackground + QPoint(1, 1));
    EXPECT_EQ(Taken(hover), std::vector<int>{-1});

    // The owner removes the bevel when the pointer leaves the bar, and is told only once.
    QTest::mouseMove(&Bar, Centre(0));
    Bar.HideMouseOver();
    EXPECT_EQ(BevelAround(Grab(), 0), Bevel::None);
    Bar.HideMouseOver();
    EXPECT_EQ(Taken(hover), (std::vector<int>{0, -1}));
}

TEST_F(ToolBarTest, PressShiftsThePictureAndSinksTheBevelUntilTheClickOnTheSamePicture) {
    QSignalSpy clicks(&Bar, &ucToolBar::ButtonClick);
    const QPoint at = Centre(1);
    QTest::mouseMove(&Bar, at);
    QTest::mousePress(&Bar, Qt::LeftButton, {}, at);
    const QImage pressed = Grab();
    EXPECT_EQ(BevelAround(pressed, 1), Bevel::Sunken);
    ExpectColourAt(pressed, NormalColor(1), {{29, 7}, {44, 22}});
    EXPECT_EQ(At(pressed, 28, 6), Face);

    // The owner's handler runs with the bevel shown, raised, and the picture back home.
    QImage duringClick;
    QObject::connect(&Bar, &ucToolBar::ButtonClick, &Bar, [&] { duringClick = Grab(); });
    QTest::mouseRelease(&Bar, Qt::LeftButton, {}, at);
    ASSERT_EQ(Taken(clicks), std::vector<int>{1});
    EXPECT_EQ(BevelAround(duringClick, 1), Bevel::Raised);
    EXPECT_EQ(At(duringClick, 28, 6), NormalColor(1));
    const QImage released = Grab();
    EXPECT_EQ(BevelAround(released, 1), Bevel::Raised);
    EXPECT_EQ(At(released, 44, 22), Face);

    // Releasing away from the pressed picture does not click; the pressed picture keeps the
    // pointer while the button is held.
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    QTest::mousePress(&Bar, Qt::LeftButton, {}, Centre(0));
    QTest::mouseMove(&Bar, Centre(3));
    EXPECT_EQ(BevelAround(Grab(), 0), Bevel::Sunken);
    QTest::mouseRelease(&Bar, Qt::LeftButton, {}, Centre(3));
    const QImage away = Grab();
    EXPECT_EQ(BevelAround(away, 0), Bevel::Raised);
    EXPECT_EQ(At(away, 6, 6), NormalColor(0));
    EXPECT_EQ(Taken(hover), std::vector<int>{0});

    // Presses on the background or with another mouse button do nothing.
    QTest::mouseClick(&Bar, Qt::LeftButton, {}, kBackground);
    QTest::mouseClick(&Bar, Qt::RightButton, {}, Centre(4));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ToolBarTest, DisabledButtonShowsItsGreyedPictureAndNeitherHoversNorClicks) {
    QSignalSpy clicks(&Bar, &ucToolBar::ButtonClick);
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    Bar.ButtonEnabled(2, false);
    const QImage disabled = Grab();
    ExpectColourAt(disabled, DisabledColor(2), {{57, 6}, {72, 21}});
    EXPECT_EQ(At(disabled, 28, 6), NormalColor(1));

    QTest::mouseMove(&Bar, Centre(2));
    QTest::mouseClick(&Bar, Qt::LeftButton, {}, Centre(2));
    EXPECT_EQ(hover.count(), 0);
    EXPECT_EQ(BevelAround(Grab(), 2), Bevel::None);

    Bar.ButtonEnabled(2, true);
    EXPECT_EQ(At(Grab(), 57, 6), NormalColor(2));
    QTest::mouseClick(&Bar, Qt::LeftButton, {}, Centre(2) + QPoint(1, 0));
    EXPECT_EQ(Taken(clicks), std::vector<int>{2});

    // Disabling the hovered button removes its bevel at once; enabling it brings the bevel
    // back only with the next move over it.
    hover.clear();
    QTest::mouseMove(&Bar, Centre(5));
    ASSERT_EQ(BevelAround(Grab(), 5), Bevel::Raised);
    Bar.ButtonEnabled(5, false);
    EXPECT_EQ(BevelAround(Grab(), 5), Bevel::None);
    Bar.ButtonEnabled(5, true);
    EXPECT_EQ(BevelAround(Grab(), 5), Bevel::None);
    EXPECT_EQ(Taken(hover), (std::vector<int>{5, -1}));
}

TEST_F(ToolBarTest, SelectedButtonShowsALightBackdropAndIndexesOutOfRangeChangeNothing) {
    Bar.ButtonSelected(3, true);
    const int l = kPictureX[3] - 3;
    // A 22x22 backdrop from (l, 3): a dark single-line border round a light fill.
    const QColor fill = Palette.color(QPalette::Midlight);
    const QColor border = Palette.color(QPalette::Dark);
    const QImage selected = Grab();
    ExpectColourAt(selected, fill, {{l + 1, 4}, {l + 20, 23}, {l + 2, 14}});
    ExpectColourAt(selected, border, {{l, 3}, {l + 21, 24}});
    EXPECT_EQ(At(selected, l + 22, 14), Face);
    EXPECT_EQ(At(selected, l + 3, 6), NormalColor(3));

    // The backdrop's margin takes the pointer without changing the bevel.
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    QTest::mouseMove(&Bar, Centre(3));
    QTest::mouseMove(&Bar, QPoint(l + 1, 14));
    EXPECT_EQ(hover.count(), 1);
    EXPECT_EQ(BevelAround(Grab(), 3), Bevel::Raised);

    Bar.ButtonSelected(3, false);
    EXPECT_EQ(At(Grab(), l + 2, 14), Face);

    // Indexes out of range change nothing.
    QTest::mouseMove(&Bar, kBackground);
    const QImage before = Grab();
    for (const int i : {-1, 6}) {
        Bar.ButtonEnabled(i, false);
        Bar.ButtonSelected(i, true);
        EXPECT_FALSE(Bar.ButtonIsSelected(i) || Bar.ButtonIsEnabled(i)) << i;
        EXPECT_TRUE(Bar.ButtonToolTip(i).isEmpty()) << i;
    }
    EXPECT_EQ(Grab(), before);
}

TEST_F(ToolBarTest, OnlyEnabledPicturesCarryTheirTooltips) {
    EXPECT_EQ(Bar.ButtonToolTip(4), QStringLiteral("Tip 4"));
    QHelpEvent help(QEvent::ToolTip, Centre(4), Bar.mapToGlobal(Centre(4)));
    QApplication::sendEvent(&Bar, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Tip 4"));
    QToolTip::hideText();

    ToolBarState state;
    AddButton(state, Solid(Qt::red), Solid(Qt::gray), QStringLiteral("Enabled"));
    AddButton(state, Solid(Qt::red), Solid(Qt::gray), QStringLiteral("Disabled"));
    state.Buttons[1].bEnabled = false;
    const std::pair<QPoint, QString> cases[] = {
        {{6, 6}, "Enabled"}, {{21, 21}, "Enabled"}, {{22, 6}, ""}, {{30, 10}, ""}, {{6, 5}, ""}};
    for (const auto& [at, tip] : cases)
        EXPECT_EQ(ToolTipAt(state, at), tip) << at.x() << "," << at.y();
}

bool IsGrey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

TEST(ToolBarPictures, EveryCommandHasItsOwnPictureAndAGreyedTwin) {
    std::vector<QImage> normals;
    for (int i = 0; i < mToolBarPictures::kPictureCount; ++i) {
        SCOPED_TRACE(i);
        const mToolBarPictures::PicturePair pair = mToolBarPictures::LoadPictures(i);
        ASSERT_EQ(pair.Normal.size(), QSize(16, 16));
        ASSERT_EQ(pair.Disabled.size(), QSize(16, 16));

        const QImage normal = pair.Normal.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage disabled = pair.Disabled.toImage().convertToFormat(QImage::Format_ARGB32);
        bool bNormalHasColour = false;
        bool bHasTransparency = false;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb n = normal.pixel(x, y);
                const QRgb d = disabled.pixel(x, y);
                // The greyed picture is the same shape in greys.
                EXPECT_EQ(qAlpha(n), qAlpha(d)) << x << "," << y;
                EXPECT_TRUE(qAlpha(d) == 0 || IsGrey(d)) << x << "," << y;
                bNormalHasColour = bNormalHasColour || (qAlpha(n) != 0 && !IsGrey(n));
                bHasTransparency = bHasTransparency || qAlpha(n) == 0;
            }
        }
        EXPECT_TRUE(bNormalHasColour);
        EXPECT_TRUE(bHasTransparency);
        for (const QImage& other : normals)
            EXPECT_NE(other, normal);
        normals.push_back(normal);
    }
    EXPECT_TRUE(mToolBarPictures::LoadPictures(-1).Normal.isNull());
    EXPECT_TRUE(mToolBarPictures::LoadPictures(6).Disabled.isNull());
}

} // namespace
