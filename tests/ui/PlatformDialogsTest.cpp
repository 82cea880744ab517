// The dialogs the program shows through the platform: message boxes, the file and colour dialogs
// and the about box, with the colour and filter conversions behind them.
#include "PlatformDialogs.h"
#include "ColorForm.h"
#include "FileDialog.h"
#include "FileDialogFilter.h"
#include "ModalAnswer.h"
#include "OGLInfo.h"
#include "TestPalette.h"
#include "frmAbout.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

QString LabelText(const frmAbout& about, const char* name) {
    const auto* label = about.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(label, nullptr) << name;
    return label != nullptr ? label->text() : QString();
}

// Read straight from the GL library, not through Qt, as a second opinion.
QString DriverString(GLenum name) {
    return QString::fromLatin1(reinterpret_cast<const char*>(::glGetString(name)));
}

TEST(OGLInfo, DriverStringsStopAtNulOrAfter1024Bytes) {
    EXPECT_EQ(mOGLInfo::TextFromGLString(nullptr), QString());
    // Each byte is one character of the single-byte code page.
    const std::pair<std::basic_string<unsigned char>, QString> cases[] = {
        {{}, ""}, {{'a', 'b', 0, 'c'}, "ab"}, {{'N', 0xE9, 0xFF}, "N\u00E9\u00FF"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(mOGLInfo::TextFromGLString(bytes.c_str()), text);

    std::basic_string<unsigned char> longer(2000, 'x');
    longer[1023] = 'y';
    longer[1024] = 'z';
    EXPECT_EQ(mOGLInfo::TextFromGLString(longer.c_str()), QString(1023, u'x') + u'y');
}

// The byte order both ways: see the colour dialog's test.
TEST(ColorForm, ColoursLoseTheirAlphaAndUndefinedSystemColoursAnswerBlack) {
    const QPalette palette = DistinctPalette();
    EXPECT_EQ(mColorForm::LongFromColor(QColor(255, 255, 255, 10)), 0x00FFFFFF);

    // The system colours the panels and the toolbar paint with are read from their pixels in
    // their tests, the window and its text in the colour dialog's; indexes the system does not
    // define answer black.
    for (const uint32_t undefined : {0x80000019u, 0x800000C8u, 0x80000100u})
        EXPECT_EQ(mColorForm::ColorFromLong(static_cast<int32_t>(undefined), palette), Qt::black)
            << undefined;
    EXPECT_EQ(mColorForm::SystemColor(-1, palette), Qt::black);
}

const QString kTrackName = QStringLiteral("Kavrano Track Files (*.kvtrack)");
const QString kTrackFilter = kTrackName + "|*.kvtrack";

// A description that already ends in its patterns keeps them once: see the open dialog's test.
TEST(FileDialogFilter, SplitsBarsAndColonsIntoPairsThatBecomeQtNameFilters) {
    const std::pair<QString, QStringList> cases[] = {
        {"Text|*.txt|All|*.*", {"Text (*.txt)", "All (*.*)"}},
        {"Text:*.txt:All:*.*", {"Text (*.txt)", "All (*.*)"}},
        {"Images|*.png;*.jpg", {"Images (*.png *.jpg)"}},
        {"Tracks: all|*.kvtrack", {"Tracks (all)"}}, // a colon inside a description splits it
        // The list ends at the first empty entry; a lone description is no pair.
        {"A|*.a|B", {"A (*.a)"}},
        {"A||B|*.b", {}},
        {"", {}},
    };
    for (const auto& [filter, want] : cases)
        EXPECT_EQ(mFileDialog::NameFilters(filter), want) << filter.toStdString();
}

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        QFile file(Path(QStringLiteral("Loop.kvtrack")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // the open dialog wants it to exist
        // The request the main window's Open and Save As commands make.
        Request.FileName = Path("Loop.kvtrack");
        Request.Filter = kTrackFilter;
        Request.DefaultExt = QStringLiteral("kvtrack");
    }

    QString Path(const QString& name) const { return QDir(Folder.path()).filePath(name); }

    QTemporaryDir Folder;
    mFileDialog::FileDialogRequest Request;
};

TEST_F(FileDialogTest, OpenDialogShowsTheRequestAndCancelEmptiesTheNames) {
    Request.Title = QStringLiteral("Open Track File...");
    Request.FileMustExist = true;
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open Track File..."));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), QStringList{kTrackName});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("kvtrack"));
        static_cast<QDialog&>(dialog).accept(); // as its Open or Save button does
    });
    ASSERT_TRUE(mFileDialog::ShowOpenDialog(Request, nullptr));
    EXPECT_EQ(QFileInfo(Request.FileName).canonicalFilePath(),
              QFileInfo(Path("Loop.kvtrack")).canonicalFilePath());
    EXPECT_EQ(Request.FileTitle, QStringLiteral("Loop.kvtrack"));
    EXPECT_EQ(Request.FilterIndex, 1);

    // Without an initial file the initial folder is shown; cancel empties the names.
    Request.FileName = QString();
    Request.InitialDir = Folder.path();
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(Folder.path()).canonicalPath());
        dialog.reject();
    });
    EXPECT_FALSE(mFileDialog::ShowOpenDialog(Request, nullptr));
    EXPECT_EQ(Request.FileName, QString());
    EXPECT_EQ(Request.FileTitle, QString());
}

// Typed names get the default extension and an existing file the question from Qt's own
// dialog; ours only says whether to ask.
TEST_F(FileDialogTest, SaveDialogAsksBeforeReplacingUnlessToldNot) {
    for (const bool prompt : {true, false}) {
        Request.OverwritePrompt = prompt;
        AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
            EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !prompt);
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
            static_cast<QDialog&>(dialog).accept();
        });
        EXPECT_TRUE(mFileDialog::ShowSaveDialog(Request, nullptr));
    }
}

// A message box's icon, title, text, buttons and owner.
using SeenBox =
    std::tuple<QMessageBox::Icon, QString, QString, QMessageBox::StandardButtons, QWidget*>;

// Records the next message box and presses its button captioned `press` (without the accelerator
// mark), or closes the window when none is.
void AnswerBox(SeenBox& seen, const QString& press) {
    AnswerNextModalAs<QMessageBox>([&seen, press](QMessageBox& box) {
        seen = SeenBox(box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                       box.parentWidget());
        for (QAbstractButton* button : box.buttons()) {
            if (button->text().remove('&') == press) {
                button->click();
                return;
            }
        }
        box.close();
    });
}

class PlatformDialogsTest : public ::testing::Test {
protected:
    QWidget Owner;
    PlatformDialogs Dialogs{&Owner};
};

// Every box shows the text's two lines as two lines, under its title, over the owner.
TEST_F(PlatformDialogsTest, MessagesShowTheirIconTitleLinesAndButtonsAndAnswerTheQuestions) {
    const QString text = QStringLiteral("There are unsaved changes.\r\nSave Changes?");
    const QString title = QStringLiteral("Unsaved Changes...");
    const QString shown = QStringLiteral("There are unsaved changes.\nSave Changes?");
    SeenBox seen;
    AnswerBox(seen, "OK");
    Dialogs.ShowCriticalMessage(text, title);
    EXPECT_EQ(seen, (SeenBox{QMessageBox::Critical, title, shown, QMessageBox::Ok, &Owner}));
    AnswerBox(seen, "OK");
    Dialogs.ShowExclamationMessage(text, title);
    EXPECT_EQ(seen, (SeenBox{QMessageBox::Warning, title, shown, QMessageBox::Ok, &Owner}));

    const auto yesNoCancel = &PlatformDialogs::AskYesNoCancel;
    const auto reloadOrKeep = &PlatformDialogs::AskReloadOrKeep;
    const QMessageBox::StandardButtons standard =
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    // An empty press closes the window.
    const std::tuple<decltype(yesNoCancel), QString, MessageAnswer, QMessageBox::StandardButtons>
        cases[] = {
            {yesNoCancel, "Yes", MessageAnswer::Yes, standard},
            {yesNoCancel, "No", MessageAnswer::No, standard},
            {yesNoCancel, "Cancel", MessageAnswer::Cancel, standard},
            {yesNoCancel, "", MessageAnswer::Cancel, standard},
            {reloadOrKeep, "Reload", MessageAnswer::Reload, {}},
            {reloadOrKeep, "Keep", MessageAnswer::Keep, {}},
            {reloadOrKeep, "", MessageAnswer::Keep, {}},
        };
    for (const auto& [ask, press, expected, buttons] : cases) {
        AnswerBox(seen, press);
        EXPECT_EQ((Dialogs.*ask)(text, title), expected) << press.toStdString();
        EXPECT_EQ(seen, (SeenBox{QMessageBox::Question, title, shown, buttons, &Owner}));
    }
}

// Through the owner's dialogs, which keep the run's custom colours from call to call.
TEST_F(PlatformDialogsTest, ColourDialogOffersTheInitialColourAndKeepsTheRunsCustomColours) {
    Owner.setPalette(DistinctPalette());
    const QColor defined(1, 2, 3);
    int32_t colour = 0x00336699;
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0x99, 0x66, 0x33));
        // The custom colours start as the system colours 0 to 15.
        for (const auto& [index, role] :
             {std::pair{5, QPalette::Base}, {8, QPalette::Text}, {15, QPalette::Button}})
            EXPECT_EQ(QColorDialog::customColor(index), Owner.palette().color(role)) << index;
        QColorDialog::setCustomColor(0, defined); // as the dialog's add button does
        dialog.reject();
    });
    EXPECT_FALSE(Dialogs.ShowColorDialog(colour));
    EXPECT_EQ(colour, -1);

    // Whatever else changed Qt's shared custom colours, the next call offers the run's own.
    QColorDialog::setCustomColor(0, Qt::white);
    colour = static_cast<int32_t>(0x8000000F); // a system colour as the initial one
    AnswerNextModalAs<QColorDialog>([&](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), Owner.palette().color(QPalette::Button));
        EXPECT_EQ(QColorDialog::customColor(0), defined);
        dialog.setCurrentColor(QColor(10, 20, 30));
        dialog.accept();
    });
    EXPECT_TRUE(Dialogs.ShowColorDialog(colour));
    EXPECT_EQ(colour, 0x001E140A);
}

TEST_F(PlatformDialogsTest, AboutBoxShowsTheProgramAndTheCurrentContextsDriverStringsOrNone) {
    QOpenGLWidget view;
    view.resize(64, 64);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.makeCurrent();
    const QString version = DriverString(GL_VERSION);
    ASSERT_FALSE(version.isEmpty()); // a context is current

    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tornelle..."));
    const std::pair<const char*, QString> labels[] = {{"Label1", "Kavrano"},
                                                      {"Label2", "Tornelle"},
                                                      {"Label3", "v1.3.0"},
                                                      {"Label6", "Renderer:"},
                                                      {"lblVendor", DriverString(GL_VENDOR)},
                                                      {"lblRenderer", DriverString(GL_RENDERER)},
                                                      {"lblVersion", "OpenGL Version " + version}};
    for (const auto& [name, text] : labels)
        EXPECT_EQ(LabelText(about, name), text);
    for (const QLabel* label : about.findChildren<QLabel*>())
        EXPECT_EQ(label->font().family(), "Arial") << label->objectName().toStdString();
    view.doneCurrent();

    // Without a current context the driver labels are empty; the box is shown over the owner.
    AnswerNextModalAs<frmAbout>([&](frmAbout& plain) {
        EXPECT_EQ(plain.parentWidget(), &Owner);
        EXPECT_EQ(LabelText(plain, "lblVendor") + LabelText(plain, "lblRenderer"), QString());
        EXPECT_EQ(LabelText(plain, "lblVersion"), QStringLiteral("OpenGL Version "));
        plain.findChild<QPushButton*>(QStringLiteral("btnOkay"))->click();
    });
    Dialogs.ShowAboutBox();
}

} // namespace
