#include "PlatformDialogs.h"
#include "ModalAnswer.h"
#include "frmAbout.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct SeenBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Title;
    QString Text;
    QMessageBox::StandardButtons Buttons;
    QWidget* Parent = nullptr;
};

// Records the next message box and closes it with `press` (or the window's close button).
void AnswerBox(SeenBox& seen, QMessageBox::StandardButton press) {
    AnswerNextModalAs<QMessageBox>([&seen, press](QMessageBox& box) {
        seen = {box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                box.parentWidget()};
        if (press == QMessageBox::NoButton)
            box.close();
        else
            box.button(press)->click();
    });
}

class PlatformDialogsTest : public ::testing::Test {
protected:
    QWidget Owner;
    PlatformDialogs Dialogs{&Owner};
};

TEST_F(PlatformDialogsTest, MessagesShowTheirIconTitleLinesAndOkButton) {
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    Dialogs.ShowCriticalMessage(
        QStringLiteral("Error: Unable to get an OpenGL Render Context Handle!"),
        QStringLiteral("Error!"));
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Title, QStringLiteral("Error!"));
    EXPECT_EQ(seen.Text, QStringLiteral("Error: Unable to get an OpenGL Render Context Handle!"));
    EXPECT_EQ(seen.Buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.Parent, &Owner);

    AnswerBox(seen, QMessageBox::Ok);
    Dialogs.ShowExclamationMessage(
        QStringLiteral("Error: Kavrano Simulator Not Found!\r\n"
                       "Tornelle must be run from the same folder as Kavrano Simulator."),
        QStringLiteral("Error!"));
    EXPECT_EQ(seen.Icon, QMessageBox::Warning);
    // The two lines show as two lines.
    EXPECT_EQ(seen.Text, QStringLiteral("Error: Kavrano Simulator Not Found!\n"
                                        "Tornelle must be run from the same folder as "
                                        "Kavrano Simulator."));
    EXPECT_EQ(seen.Buttons, QMessageBox::Ok);
}

TEST_F(PlatformDialogsTest, QuestionAnswersYesNoOrCancel) {
    const QString text =
        QStringLiteral("There are unsaved changes to the current track.\r\nSave Changes?");
    const QString title = QStringLiteral("Unsaved Changes...");
    const struct {
        QMessageBox::StandardButton Press;
        MessageAnswer Expected;
    } cases[] = {
        {QMessageBox::Yes, MessageAnswer::Yes},
        {QMessageBox::No, MessageAnswer::No},
        {QMessageBox::Cancel, MessageAnswer::Cancel},
        {QMessageBox::NoButton, MessageAnswer::Cancel}, // the window closed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Press));
        SeenBox seen;
        AnswerBox(seen, c.Press);
        EXPECT_EQ(Dialogs.AskYesNoCancel(text, title), c.Expected);
        EXPECT_EQ(seen.Icon, QMessageBox::Question);
        EXPECT_EQ(seen.Title, title);
        EXPECT_EQ(seen.Text,
                  QStringLiteral("There are unsaved changes to the current track.\nSave Changes?"));
        EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
}

TEST_F(PlatformDialogsTest, KeepsTheRunsCustomColoursAndShowsTheAboutBox) {
    int32_t colour = 0x000000FF;
    AnswerNextModalAs<QColorDialog>([](QColorDialog& dialog) {
        QColorDialog::setCustomColor(4, QColor(7, 8, 9)); // the user defines a colour
        dialog.reject();
    });
    EXPECT_FALSE(Dialogs.ShowColorDialog(colour));
    EXPECT_EQ(colour, -1);

    QColorDialog::setCustomColor(4, Qt::black);
    colour = 0x000000FF;
    QColor offered;
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        offered = QColorDialog::customColor(4);
        dialog.accept();
    });
    EXPECT_TRUE(Dialogs.ShowColorDialog(colour));
    EXPECT_EQ(colour, 0x000000FF);
    EXPECT_EQ(offered, QColor(7, 8, 9));

    QString aboutTitle;
    AnswerNextModalAs<frmAbout>([&](frmAbout& about) {
        aboutTitle = about.windowTitle();
        EXPECT_EQ(about.parentWidget(), &Owner);
        about.findChild<QPushButton*>(QStringLiteral("btnOkay"))->click();
    });
    Dialogs.ShowAboutBox();
    EXPECT_EQ(aboutTitle, QStringLiteral("About Tornelle..."));
}

} // namespace
