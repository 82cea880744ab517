#include "FileDialog.h"
#include "FileDialogFilter.h"
#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// As the dialog's Open or Save button does.
void Accept(QFileDialog& dialog) {
    static_cast<QDialog&>(dialog).accept();
}

const QString kTrackName = QStringLiteral("Kavrano Track Files (*.kvtrack)");
const QString kTrackFilter = kTrackName + "|*.kvtrack";

TEST(FileDialogFilter, SplitsBarsAndColonsIntoPairsThatBecomeQtNameFilters) {
    const std::pair<QString, QStringList> cases[] = {
        {kTrackFilter, {"Kavrano Track Files (*.kvtrack)", "*.kvtrack"}},
        {"Text|*.txt|All|*.*", {"Text", "*.txt", "All", "*.*"}},
        {"Text:*.txt:All:*.*", {"Text", "*.txt", "All", "*.*"}},
        {"Tracks: all|*.kvtrack", {"Tracks", " all"}}, // a colon inside a description splits it
        // The list ends at the first empty entry; a lone description is no pair.
        {"A|*.a|B", {"A", "*.a"}},
        {"A||B|*.b", {}},
        {"", {}},
    };
    for (const auto& [filter, want] : cases) {
        QStringList got;
        for (const auto& pair : mFileDialog::SplitFilter(filter))
            got << pair.Description << pair.Pattern;
        EXPECT_EQ(got, want) << filter.toStdString();
    }
    EXPECT_EQ(mFileDialog::NameFilters(QStringLiteral("Images|*.png;*.jpg|Tracks|*.kvtrack")),
              (QStringList{"Images (*.png *.jpg)", "Tracks (*.kvtrack)"}));
}

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        QFile file(Path(QStringLiteral("Loop.kvtrack")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("KAVR");
        // The request the main window's Open and Save As commands make.
        Request.FileName = Path("Loop.kvtrack");
        Request.Filter = kTrackFilter;
        Request.DefaultExt = QStringLiteral("kvtrack");
    }

    QString Path(const QString& name) const { return QDir(Folder.path()).filePath(name); }

    QTemporaryDir Folder;
    mFileDialog::FileDialogRequest Request;
};

TEST_F(FileDialogTest, OpenDialogShowsTheRequestAndRefusesAMissingFile) {
    Request.Title = QStringLiteral("Open Track File...");
    Request.FileMustExist = true;
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open Track File..."));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), QStringList{kTrackName});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("kvtrack"));
        // The initial file sets the folder shown.
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(Folder.path()).canonicalPath());
        Accept(dialog);
    });
    ASSERT_TRUE(mFileDialog::ShowOpenDialog(Request, nullptr));
    EXPECT_EQ(QFileInfo(Request.FileName).canonicalFilePath(),
              QFileInfo(Path("Loop.kvtrack")).canonicalFilePath());
    EXPECT_EQ(Request.FileTitle, QStringLiteral("Loop.kvtrack"));
    EXPECT_EQ(Request.FilterIndex, 1);

    // Without an initial file the initial folder is shown; cancel empties the names.
    Request.FileName = QString();
    Request.InitialDir = Folder.path();
    bool bRefused = false;
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(Folder.path()).canonicalPath());
        AnswerNextModalAs<QMessageBox>(
            [&](QMessageBox& warning) {
                bRefused = true;
                warning.close();
            },
            &dialog);
        dialog.selectFile(QStringLiteral("Missing.kvtrack"));
        Accept(dialog);
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_FALSE(mFileDialog::ShowOpenDialog(Request, nullptr));
    EXPECT_TRUE(bRefused);
    EXPECT_EQ(Request.FileName, QString());
    EXPECT_EQ(Request.FileTitle, QString());
}

// Typed names get the default extension (set as in the open dialog) from Qt's own dialog.
TEST_F(FileDialogTest, SaveDialogAsksBeforeReplacingUnlessToldNot) {
    Request.OverwritePrompt = true;
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        // Replacing the existing file is asked first; No keeps the dialog open, Yes takes it.
        AnswerNextModalAs<QMessageBox>(
            [](QMessageBox& question) { question.button(QMessageBox::No)->click(); }, &dialog);
        Accept(dialog);
        EXPECT_TRUE(dialog.isVisible());
        AnswerNextModalAs<QMessageBox>(
            [](QMessageBox& question) { question.button(QMessageBox::Yes)->click(); }, &dialog);
        Accept(dialog);
    });
    ASSERT_TRUE(mFileDialog::ShowSaveDialog(Request, nullptr));
    EXPECT_EQ(Request.FileTitle, QStringLiteral("Loop.kvtrack"));

    // Without the prompt an existing file is taken at once.
    Request.OverwritePrompt = false;
    AnswerNextModalAs<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        Accept(dialog);
    });
    EXPECT_TRUE(mFileDialog::ShowSaveDialog(Request, nullptr));
}

} // namespace
