#include "FileDialog.h"

#include "FileDialogFilter.h"
#include "ToolkitSettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace mFileDialog {

namespace {

// Qt's dialog asks about the name as chosen; this one asks about the file that will really be
// written, and No returns to the dialog as Qt's own question does.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* owner, const QString& title,
                   std::function<QString(const QString&)> writtenNameOf)
        : QFileDialog(owner, title), writtenName(std::move(writtenNameOf)) {}

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!writtenName || chosen.isEmpty() || QFileInfo(chosen.first()).isDir()) {
            QFileDialog::accept(); // a folder is entered, not written
            return;
        }
        const QFileInfo written(writtenName(chosen.first()));
        if (written.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(written.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        QFileDialog::accept();
    }

private:
    std::function<QString(const QString&)> writtenName;
};

bool RunFileDialog(FileDialogRequest& request, QWidget* owner, QFileDialog::AcceptMode mode) {
    const bool bSave = mode == QFileDialog::AcceptSave;
    mToolkitSettings::KeepToolkitSettingsAway();
    SaveFileDialog dialog(owner, request.Title,
                          bSave && request.OverwritePrompt ? request.WrittenName : nullptr);
    // Qt's own dialog honours every input here (a desktop's native one may drop the suffix or
    // the must-exist rule).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(!bSave && request.FileMustExist ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // With a written name this dialog asks itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     !(bSave && request.OverwritePrompt) || bool(request.WrittenName));

    const QStringList filters = NameFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    }
    dialog.setDefaultSuffix(request.DefaultExt);
    if (!request.InitialDir.isEmpty())
        dialog.setDirectory(request.InitialDir);
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);

    const bool bChosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (!bChosen) {
        request.FileName.clear();
        request.FileTitle.clear();
        return false;
    }
    request.FileName = dialog.selectedFiles().first();
    request.FileTitle = QFileInfo(request.FileName).fileName();
    const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0)
        request.FilterIndex = static_cast<int32_t>(chosenFilter + 1);
    return true;
}

} // namespace

bool ShowOpenDialog(FileDialogRequest& request, QWidget* owner) {
    return RunFileDialog(request, owner, QFileDialog::AcceptOpen);
}

bool ShowSaveDialog(FileDialogRequest& request, QWidget* owner) {
    return RunFileDialog(request, owner, QFileDialog::AcceptSave);
}

} // namespace mFileDialog
