#include "FileDialog.h"
#include "FileDialogFilter.h"
#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// As the dialog's Open or Save button does.
void Accept(QFileDialog& dialog) {
    static_cast<QDialog&>(dialog).accept();
}

const QString kTrackFilter = QStringLiteral("Kavrano Track Files (*.kvtrack)|*.kvtrack");

TEST(FileDialogFilter, SplitsBarsAndColonsIntoDescriptionPatternPairs) {
    const auto track = mFileDialog::SplitFilter(kTrackFilter);
    ASSERT_EQ(track.size(), 1u);
    EXPECT_EQ(track[0].Description, QStringLiteral("Kavrano Track Files (*.kvtrack)"));
    EXPECT_EQ(track[0].Pattern, QStringLiteral("*.kvtrack"));

    const auto bars = mFileDialog::SplitFilter(QStringLiteral("Text|*.txt|All|*.*"));
    const auto colons = mFileDialog::SplitFilter(QStringLiteral("Text:*.txt:All:*.*"));
    ASSERT_EQ(bars.size(), 2u);
    ASSERT_EQ(colons.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(bars[i].Description, colons[i].Description);
        EXPECT_EQ(bars[i].Pattern, colons[i].Pattern);
    }
    EXPECT_EQ(bars[1].Description, QStringLiteral("All"));
    EXPECT_EQ(bars[1].Pattern, QStringLiteral("*.*"));

    // A colon inside a description splits it.
    const auto split = mFileDialog::SplitFilter(QStringLiteral("Tracks: all|*.kvtrack"));
    ASSERT_EQ(split.size(), 1u);
    EXPECT_EQ(split[0].Description, QStringLiteral("Tracks"));
    EXPECT_EQ(split[0].Pattern, QStringLiteral(" all"));

    // The list ends at the first empty entry; a lone description is no pair.
    EXPECT_EQ(mFileDialog::SplitFilter(QStringLiteral("A|*.a|B")).size(), 1u);
    EXPECT_EQ(mFileDialog::SplitFilter(QStringLiteral("A||B|*.b")).size(), 0u);
    EXPECT_EQ(mFileDialog::SplitFilter(QString()).size(), 0u);
}

TEST(FileDialogFilter, PairsBecomeQtNameFilters) {
    EXPECT_EQ(mFileDialog::NameFilters(kTrackFilter),
              QStringList{QStringLiteral("Kavrano Track Files (*.kvtrack)")});
    EXPECT_EQ(mFileDialog::NameFilters(QStringLiteral("Images|*.png;*.jpg|Tracks|*.kvtrack")),
              (QStringList{QStringLiteral("Images (*.png *.jpg)"),
                           QStringLiteral("Tracks (*.kvtrack)")}));
}

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        QFile file(Path(QStringLiteral("Loop.kvtrack")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("KAVR");
    }

    QString Path(const QString& name) const { return QDir(Folder.path()).filePath(name); }

    // The request the main window's Open and Save As commands make.
    static mFileDialog::FileDialogRequest TrackRequest(const QString& title,
                                                       const QString& fileName) {
        mFileDialog::FileDialogRequest request;
        request.FileName = fileName;
        request.Filter = kTrackFilter;
        request.FilterIndex = 1;
        request.Title = title;
        request.DefaultExt = QStringLiteral("kvtrack");
        return request;
    }

    QTemporaryDir Folder;
};

TEST_F(FileDialogTest, OpenDialogShowsTheRequestAndReturnsTheChosenFile) {
    auto request = TrackRequest(QStringLiteral("Open Track File..."), Path("Loop.kvtrack"));
    request.FileMustExist = true;
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (dialog == nullptr) {
            return;
        }
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Track File..."));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList{QStringLiteral("Kavrano Track Files (*.kvtrack)")});
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Kavrano Track Files (*.kvtrack)"));
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("kvtrack"));
        // The initial file sets the folder shown.
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(Folder.path()).canonicalPath());
        Accept(*dialog);
    });
    ASSERT_TRUE(mFileDialog::ShowOpenDialog(request, nullptr));
    EXPECT_EQ(QFileInfo(request.FileName).canonicalFilePath(),
              QFileInfo(Path("Loop.kvtrack")).canonicalFilePath());
    EXPECT_EQ(request.FileTitle, QStringLiteral("Loop.kvtrack"));
    EXPECT_EQ(request.FilterIndex, 1);
}

TEST_F(FileDialogTest, OpenDialogRefusesAMissingFileAndCancelEmptiesTheNames) {
    auto request = TrackRequest(QStringLiteral("Open Track File..."), QString());
    request.InitialDir = Folder.path();
    request.FileMustExist = true;
    bool bRefused = false;
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (dialog == nullptr) {
            return;
        }
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(Folder.path()).canonicalPath());
        AnswerNextModal(
            [&](QWidget& warning) {
                bRefused = qobject_cast<QMessageBox*>(&warning) != nullptr;
                warning.close();
            },
            dialog);
        dialog->selectFile(QStringLiteral("Missing.kvtrack"));
        Accept(*dialog);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    EXPECT_FALSE(mFileDialog::ShowOpenDialog(request, nullptr));
    EXPECT_TRUE(bRefused);
    EXPECT_EQ(request.FileName, QString());
    EXPECT_EQ(request.FileTitle, QString());
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultExtensionAndAsksBeforeReplacing) {
    auto request = TrackRequest(QStringLiteral("Save Track File As..."), Path("Loop.kvtrack"));
    request.OverwritePrompt = true;
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (dialog == nullptr) {
            return;
        }
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Track File As..."));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        // Replacing the existing file is asked first; No keeps the dialog open.
        bool bAsked = false;
        AnswerNextModal(
            [&](QWidget& question) {
                auto* box = ModalAs<QMessageBox>(question);
                bAsked = box != nullptr;
                if (box != nullptr) {
                    box->button(QMessageBox::No)->click();
                }
            },
            dialog);
        Accept(*dialog);
        EXPECT_TRUE(bAsked);
        EXPECT_TRUE(dialog->isVisible());
        // A name typed without an extension gets the default one.
        auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (nameEdit == nullptr) {
            ADD_FAILURE() << "no file name box";
            dialog->reject();
            return;
        }
        nameEdit->setText(QStringLiteral("Hill"));
        Accept(*dialog);
    });
    ASSERT_TRUE(mFileDialog::ShowSaveDialog(request, nullptr));
    EXPECT_EQ(QFileInfo(request.FileName).absolutePath(),
              QFileInfo(Folder.path()).absoluteFilePath());
    EXPECT_EQ(request.FileTitle, QStringLiteral("Hill.kvtrack"));
    EXPECT_EQ(QFileInfo(request.FileName).fileName(), QStringLiteral("Hill.kvtrack"));

    // Without the prompt an existing file is taken at once; cancelling empties the names.
    request = TrackRequest(QStringLiteral("Save Track File As..."), Path("Loop.kvtrack"));
    AnswerNextModal([&](QWidget& modal) {
        auto* dialog = ModalAs<QFileDialog>(modal);
        if (dialog != nullptr) {
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            Accept(*dialog);
        }
    });
    ASSERT_TRUE(mFileDialog::ShowSaveDialog(request, nullptr));
    EXPECT_EQ(request.FileTitle, QStringLiteral("Loop.kvtrack"));
    AnswerNextModal([](QWidget& modal) { modal.close(); });
    EXPECT_FALSE(mFileDialog::ShowSaveDialog(request, nullptr));
    EXPECT_EQ(request.FileName, QString());
    EXPECT_EQ(request.FileTitle, QString());
}

} // namespace
