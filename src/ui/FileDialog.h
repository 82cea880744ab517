#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

// Open and save dialogs for one track file. Inputs are read before the dialog opens and the
// outputs written after it closes; the dialogs keep no state between calls.
namespace mFileDialog {

struct FileDialogRequest {
    // In: the initial file (a full path also sets the initial folder). Out: the chosen full
    // path, or "" when the dialog was cancelled.
    QString FileName;
    // Out: the chosen file's name without its folder, or "" when cancelled.
    QString FileTitle;
    // Description/pattern pairs, e.g. "Kavrano Track Files (*.kvtrack)|*.kvtrack".
    QString Filter;
    // In and out: the pair shown first and the pair chosen, counted from 1.
    int32_t FilterIndex = 1;
    // The folder shown when FileName names none; "" for the current one.
    QString InitialDir;
    QString Title;
    // Added, without its dot, to a name the user types without an extension.
    QString DefaultExt;
    // Open dialog: only an existing file can be chosen.
    bool FileMustExist = false;
    // Save dialog: choosing an existing file asks before it is replaced.
    bool OverwritePrompt = false;
    // Save dialog: the name the chosen file will be written under, which the overwrite
    // question names and guards; unset, the chosen name itself.
    std::function<QString(const QString&)> WrittenName;
};

// Each shows a modal dialog owned by `owner` (may be null) and returns true when the user
// chose a file. Cancelling gives false with FileName and FileTitle emptied.
bool ShowOpenDialog(FileDialogRequest& request, QWidget* owner);
bool ShowSaveDialog(FileDialogRequest& request, QWidget* owner);

} // namespace mFileDialog
