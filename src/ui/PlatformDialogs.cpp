#include "PlatformDialogs.h"

#include "frmAbout.h"

#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

// Message texts join their lines with "\r\n"; a Qt label breaks lines at "\n" alone.
QString DisplayText(const QString& text) {
    QString display = text;
    return display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A box of the seam's kind, buttons still to add, showing the text as it is.
std::unique_ptr<QMessageBox> MessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                                        const QString& title,
                                        QMessageBox::StandardButtons buttons = {}) {
    auto box = std::make_unique<QMessageBox>(icon, title, DisplayText(text), buttons, owner);
    box->setTextFormat(Qt::PlainText);
    return box;
}

QMessageBox::StandardButton RunMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                          const QString& text, const QString& title,
                                          QMessageBox::StandardButtons buttons) {
    return static_cast<QMessageBox::StandardButton>(
        MessageBox(owner, icon, text, title, buttons)->exec());
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

MessageAnswer PlatformDialogs::AskReloadOrKeep(const QString& text, const QString& title) {
    const auto box = MessageBox(owner, QMessageBox::Question, text, title);
    const QAbstractButton* reload =
        box->addButton(QStringLiteral("Reload"), QMessageBox::AcceptRole);
    box->setEscapeButton(box->addButton(QStringLiteral("Keep"), QMessageBox::RejectRole));
    box->exec();
    return box->clickedButton() == reload ? MessageAnswer::Reload : MessageAnswer::Keep;
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
