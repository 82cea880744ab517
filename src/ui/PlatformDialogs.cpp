#include "PlatformDialogs.h"

#include "frmAbout.h"

#include <QMessageBox>

namespace {

// Message texts join their lines with "\r\n"; a Qt label breaks lines at "\n" alone.
QString DisplayText(const QString& text) {
    QString display = text;
    return display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::StandardButton RunMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                          const QString& text, const QString& title,
                                          QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, DisplayText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

PlatformDialogs::PlatformDialogs(QWidget* ownerWindow) : owner(ownerWindow) {}

void PlatformDialogs::ShowCriticalMessage(const QString& text, const QString& title) {
    RunMessageBox(owner, QMessageBox::Critical, text, title, QMessageBox::Ok);
}

void PlatformDialogs::ShowExclamationMessage(const QString& text, const QString& title) {
    RunMessageBox(owner, QMessageBox::Warning, text, title, QMessageBox::Ok);
}

MessageAnswer PlatformDialogs::AskYesNoCancel(const QString& text, const QString& title) {
    switch (RunMessageBox(owner, QMessageBox::Question, text, title,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

bool PlatformDialogs::ShowOpenDialog(mFileDialog::FileDialogRequest& request) {
    return mFileDialog::ShowOpenDialog(request, owner);
}

bool PlatformDialogs::ShowSaveDialog(mFileDialog::FileDialogRequest& request) {
    return mFileDialog::ShowSaveDialog(request, owner);
}

bool PlatformDialogs::ShowColorDialog(int32_t& colour) {
    return mColorDialog::ShowColorDialog(colorState, colour, owner);
}

void PlatformDialogs::ShowAboutBox() {
    frmAbout about(owner);
    about.exec();
}
