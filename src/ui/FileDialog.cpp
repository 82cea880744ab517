#include "FileDialog.h"

#include "FileDialogFilter.h"

#include <QFileDialog>
#include <QFileInfo>

namespace mFileDialog {

namespace {

bool RunFileDialog(FileDialogRequest& request, QWidget* owner, QFileDialog::AcceptMode mode) {
    const bool bSave = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(owner, request.Title);
    // Qt's own dialog honours every input here (a desktop's native one may drop the suffix or
    // the must-exist rule).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(!bSave && request.FileMustExist ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(bSave && request.OverwritePrompt));

    const QStringList filters = NameFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size()) {
            dialog.selectNameFilter(filters[request.FilterIndex - 1]);
        }
    }
    dialog.setDefaultSuffix(request.DefaultExt);
    if (!request.InitialDir.isEmpty()) {
        dialog.setDirectory(request.InitialDir);
    }
    if (!request.FileName.isEmpty()) {
        dialog.selectFile(request.FileName);
    }

    const bool bChosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (!bChosen) {
        request.FileName.clear();
        request.FileTitle.clear();
        return false;
    }
    request.FileName = dialog.selectedFiles().first();
    request.FileTitle = QFileInfo(request.FileName).fileName();
    const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    if (chosenFilter >= 0) {
        request.FilterIndex = static_cast<int32_t>(chosenFilter + 1);
    }
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
