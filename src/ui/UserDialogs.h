#pragma once

#include "FileDialog.h"

#include <QString>

#include <cstdint>

// Every modal question, message and dialog of the editor goes through this seam, so that the
// main window's logic runs the same whether a person or a test answers. PlatformDialogs is the
// real implementation; tests supply their own answers.

enum class MessageAnswer { Yes, No, Cancel, Reload, Keep };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Texts may hold several lines joined by "\r\n".

    // A message with the stop icon and an OK button.
    virtual void ShowCriticalMessage(const QString& text, const QString& title) = 0;
    // A message with the warning icon and an OK button.
    virtual void ShowExclamationMessage(const QString& text, const QString& title) = 0;
    // A question with the Yes, No and Cancel buttons; closing the box answers Cancel.
    virtual MessageAnswer AskYesNoCancel(const QString& text, const QString& title) = 0;
    // A question with the Reload and Keep buttons; closing the box answers Keep.
    virtual MessageAnswer AskReloadOrKeep(const QString& text, const QString& title) = 0;

    virtual bool ShowOpenDialog(mFileDialog::FileDialogRequest& request) = 0;
    virtual bool ShowSaveDialog(mFileDialog::FileDialogRequest& request) = 0;

    // The colour picker with the custom colours of the run; `colour` as for
    // mColorDialog::ShowColorDialog.
    virtual bool ShowColorDialog(int32_t& colour) = 0;

    // The about box. It reads the driver strings of the OpenGL context that is current when it
    // is called, so the caller makes its view's context current first.
    virtual void ShowAboutBox() = 0;
};
