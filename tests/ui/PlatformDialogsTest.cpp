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
    friend bool operator==(const SeenBox&, const SeenBox&) = default;
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

// Every box shows the text's two lines as two lines, under its title, over the owner.
TEST_F(PlatformDialogsTest, MessagesShowTheirIconTitleLinesAndButtonsAndAnswerTheQuestion) {
    const QString text = QStringLiteral("There are unsaved changes.\r\nSave Changes?");
    const QString title = QStringLiteral("Unsaved Changes...");
    const QString shown = QStringLiteral("There are unsaved changes.\nSave Changes?");
    SeenBox seen;
    AnswerBox(seen, QMessageBox::Ok);
    Dialogs.ShowCriticalMessage(text, title);
    EXPECT_EQ(seen, (SeenBox{QMessageBox::Critical, title, shown, QMessageBox::Ok, &Owner}));
    AnswerBox(seen, QMessageBox::Ok);
    Dialogs.ShowExclamationMessage(text, title);
    EXPECT_EQ(seen, (SeenBox{QMessageBox::Warning, title, shown, QMessageBox::Ok, &Owner}));

    const QMessageBox::StandardButtons buttons =
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    const std::pair<QMessageBox::StandardButton, MessageAnswer> cases[] = {
        {QMessageBox::Yes, MessageAnswer::Yes},
        {QMessageBox::No, MessageAnswer::No},
        {QMessageBox::Cancel, MessageAnswer::Cancel},
        {QMessageBox::NoButton, MessageAnswer::Cancel}, // the window closed
    };
    for (const auto& [press, expected] : cases) {
        AnswerBox(seen, press);
        EXPECT_EQ(Dialogs.AskYesNoCancel(text, title), expected) << press;
        EXPECT_EQ(seen, (SeenBox{QMessageBox::Question, title, shown, buttons, &Owner}));
    }
}

TEST_F(PlatformDialogsTest, KeepsTheRunsCustomColoursAndShowsTheAboutBox) {
    int32_t colour = 0x000000FF;
    AnswerNextModalAs<QColorDialog>([](QColorDialog& dialog) {
        QColorDialog::setCustomColor(4, QColor(7, 8, 9)); // the user defines a colour
        dialog.reject();
    });
    EXPECT_FALSE(Dialogs.ShowColorDialog(colour));

    QColorDialog::setCustomColor(4, Qt::black);
    QColor offered;
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        offered = QColorDialog::customColor(4);
        dialog.accept();
    });
    EXPECT_TRUE(Dialogs.ShowColorDialog(colour));
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
