#pragma once

#include "ColorDialog.h"
#include "UserDialogs.h"

class QWidget;

// The seam on Qt's message boxes, file and colour dialogs and the about box, all modal to the
// owner window. It holds the colour picker's custom colours for the run.
class PlatformDialogs final : public UserDialogs {
public:
    explicit PlatformDialogs(QWidget* ownerWindow);

    void ShowCriticalMessage(const QString& text, const QString& title) override;
    void ShowExclamationMessage(const QString& text, const QString& title) override;
    MessageAnswer AskYesNoCancel(const QString& text, const QString& title) override;
    MessageAnswer AskReloadOrKeep(const QString& text, const QString& title) override;
    bool ShowOpenDialog(mFileDialog::FileDialogRequest& request) override;
    bool ShowSaveDialog(mFileDialog::FileDialogRequest& request) override;
    bool ShowColorDialog(int32_t& colour) override;
    void ShowAboutBox() override;

private:
    QWidget* owner;
    mColorDialog::ColorDialogState colorState;
};
