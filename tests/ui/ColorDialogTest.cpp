#include "ColorDialog.h"
#include "ModalAnswer.h"
#include "TestPalette.h"

#include <QColorDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

int32_t Long(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

// Defines `color` as a custom colour the way a user does: pick it, then press the add button.
void AddCustomColor(QColorDialog& dialog, const QColor& color) {
    dialog.setCurrentColor(color);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text().contains(QStringLiteral("Custom"))) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button adds a custom colour";
}

TEST(ColorDialog, CustomColorsStartAsTheSystemColoursZeroToFifteen) {
    const QPalette palette = DistinctPalette();
    mColorDialog::ColorDialogState state;
    EXPECT_FALSE(state.bCustomColorsFilled);
    mColorDialog::InitCustomColors(state, palette);
    EXPECT_TRUE(state.bCustomColorsFilled);
    // Window background, window text, highlight, highlight text and button face.
    EXPECT_EQ(state.CustomColors[5], Long(palette.color(QPalette::Base)));
    EXPECT_EQ(state.CustomColors[8], Long(palette.color(QPalette::Text)));
    EXPECT_EQ(state.CustomColors[14], Long(palette.color(QPalette::HighlightedText)));
    for (const int32_t colour : state.CustomColors)
        EXPECT_EQ(colour & ~0x00FFFFFF, 0);
}

TEST(ColorDialog, OffersTheInitialColourAndKeepsCustomColoursFromCallToCall) {
    QWidget owner;
    owner.setPalette(DistinctPalette());
    mColorDialog::ColorDialogState state;
    const QColor defined(1, 2, 3);

    int32_t colour = 0x00336699;
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0x99, 0x66, 0x33));
        EXPECT_EQ(QColorDialog::customColor(15), owner.palette().color(QPalette::Button));
        EXPECT_EQ(QColorDialog::customColor(13), owner.palette().color(QPalette::Highlight));
        AddCustomColor(dialog, defined);
        dialog.setCurrentColor(QColor(10, 20, 30));
        dialog.accept();
    });
    ASSERT_TRUE(mColorDialog::ShowColorDialog(state, colour, &owner));
    EXPECT_EQ(colour, 0x001E140A);
    EXPECT_EQ(state.CustomColors[0], Long(defined));

    // Whatever else changed Qt's shared custom colours, the next call offers the run's own.
    QColorDialog::setCustomColor(0, Qt::white);
    colour = static_cast<int32_t>(0x8000000F); // a system colour as the initial one
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), owner.palette().color(QPalette::Button));
        EXPECT_EQ(QColorDialog::customColor(0), defined);
        dialog.reject();
    });
    EXPECT_FALSE(mColorDialog::ShowColorDialog(state, colour, &owner));
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(state.CustomColors[0], Long(defined));
}

} // namespace
