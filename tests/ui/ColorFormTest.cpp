#include "ColorForm.h"
#include "TestPalette.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorForm, PlainColoursKeepRedInTheLowByteAndSystemColoursComeFromPaletteRoles) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(mColorForm::ColorFromLong(0x00332211, palette), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(mColorForm::LongFromColor(QColor(1, 2, 3)), 0x00030201);
    EXPECT_EQ(mColorForm::LongFromColor(QColor(255, 255, 255, 10)), 0x00FFFFFF);
    for (const int32_t value : {0x00000000, 0x00FFFFFF, 0x00123456, 0x00ABCDEF})
        EXPECT_EQ(mColorForm::LongFromColor(mColorForm::ColorFromLong(value, palette)), value);

    // System colours come from the matching palette roles.
    const auto system = [&](uint32_t value) {
        return mColorForm::ColorFromLong(static_cast<int32_t>(value), palette);
    };
    // Window, window text, highlight and its text: see the colour dialog's test.
    EXPECT_EQ(system(0x8000000F), palette.color(QPalette::Button));   // button face
    EXPECT_EQ(system(0x80000014), palette.color(QPalette::Light));    // 3D highlight
    EXPECT_EQ(system(0x80000015), palette.color(QPalette::Shadow));   // 3D dark shadow
    EXPECT_EQ(system(0x80000016), palette.color(QPalette::Midlight)); // 3D light
    // The active caption differs from the highlight, so a panel's two title colourings differ.
    EXPECT_NE(system(0x80000002), system(0x8000000D));
    EXPECT_NE(system(0x80000009), system(0x8000000D));
    // Indexes the system does not define answer black.
    for (const uint32_t undefined : {0x80000019u, 0x800000C8u, 0x80000100u})
        EXPECT_EQ(system(undefined), QColor(0, 0, 0)) << undefined;
    EXPECT_EQ(mColorForm::SystemColor(-1, palette), QColor(0, 0, 0));
}

} // namespace
