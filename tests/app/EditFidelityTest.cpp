// Edits change exactly what the user changed, and the hand gets what it asked for: the real
// main window on the demo track, driven through its widgets, its window and its files.
#include "MainWindowFixture.h"
#include "ModalAnswer.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>

#include <cstdlib>
#include <filesystem>

using namespace mKavrano_TrackIO_1_3;

namespace {

using EditFidelityTest = MainWindowTest;

TEST_F(EditFidelityTest, AppliesThatChangeNoValueSaveTheOriginalBytes) {
    const std::vector<uint8_t> original = TempFolder::Read(demoPath);
    for (const int32_t type : {SegStation, SegLift, SegTransport, SegBrake}) {
        SCOPED_TRACE(type);
        SelectOnly({SegmentsOfType(type).at(0)});
        ucContainer& panel = window->Panels().conSegStyle(type);
        for (NumericTextBox* box : panel.findChildren<NumericTextBox*>()) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        }
        for (QRadioButton* option : panel.findChildren<QRadioButton*>())
            if (option->isChecked())
                option->click();
        // Off and on again: the boxes a disabled unit did not store still hold their values.
        for (QCheckBox* box : panel.findChildren<QCheckBox*>()) {
            box->click();
            box->click();
        }
        EXPECT_TRUE(window->State().bTrackModified); // every apply marks
    }
    EXPECT_EQ(SaveAs("same.kvtrack"), original);
}

TEST_F(EditFidelityTest, LookModeKeysGoToTheCameraBeforeTheShortcuts) {
    OpenGLView& view = window->View();
    EditFirstSegment();
    DoubleClick(view, Qt::RightButton, view.rect().center()); // look mode, once
    ASSERT_NE(window->Camera().LookMode, 0);
    view.setFocus();
    const float z = window->Camera().CamPos.z;
    QTest::keyPress(&view, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyPress(&view, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyPress(&view, Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FLOAT_EQ(window->Camera().CamPos.z, z + 1.0f); // backward, Shift's step
    QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
    for (const Qt::Key key : {Qt::Key_S, Qt::Key_Control, Qt::Key_Shift})
        QTest::keyRelease(&view, key);
    QTest::keyPress(&view, Qt::Key_S, Qt::ControlModifier); // Ctrl+S steers too
    EXPECT_TRUE(window->Camera().KeyState[mCamera3D::kKeyS]);
    QTest::keyRelease(&view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.SaveRequests.empty() && dialogs.OpenRequests.empty());
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    QTest::mouseClick(&view, Qt::RightButton, {}, view.rect().center());
    dialogs.SavePaths.push_back("");
    QTest::keyClick(&view, Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(dialogs.SaveRequests.size(), 1u);
}

// The real dialogs: Save As asks about the file it writes, and neither Qt dialog leaves a
// settings file in the user's configuration folder.
struct PlatformDialogsOfTheWindow : MainWindowTest {
    const std::string config = folder.MakeFolder("config");

    PlatformDialogsOfTheWindow() {
        setenv("HOME", folder.MakeFolder("home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        bPlatformDialogs = true;
    }
};

TEST_F(PlatformDialogsOfTheWindow, SaveAsAsksAboutTheWrittenFileAndNothingIsStored) {
    const QString settings = QSettings(QSettings::UserScope, "QtProject").fileName();
    ASSERT_TRUE(settings.startsWith(QString::fromStdString(config))) << settings.toStdString();
    const std::string taken = folder.Write("Other.txt.kvtrack", {1, 2, 3});
    std::vector<QString> questions;
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (!dialog)
            return;
        dialog->selectFile("Other.txt"); // typed with another extension
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            AnswerNextModal(
                [&, answer](QWidget& question) {
                    if (auto* box = ModalAs<QMessageBox>(question)) {
                        questions.push_back(box->text());
                        box->button(answer)->click();
                    }
                },
                dialog);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[0].startsWith("Other.txt.kvtrack already exists"))
        << questions[0].toStdString();
    EXPECT_EQ(TempFolder::Read(taken), TempFolder::Read(demoPath));

    AnswerNextModal([](QWidget& modal) {
        if (auto* picker = ModalAs<QColorDialog>(modal))
            picker->accept();
    });
    SelectOnly({0});
    QTest::mouseClick(&window->Panels().lblMainColor(0), Qt::LeftButton);
    ASSERT_TRUE(window->State().bTrackModified);
    window->State().bTrackModified = false; // close without the question
    window->close();
    QApplication::processEvents();
    EXPECT_TRUE(std::filesystem::is_empty(config));
}

} // namespace
