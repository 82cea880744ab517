#pragma once

// The modal seam answered by a test: every message is recorded, and every question and
// dialog takes the next scripted answer (a dialog with no answer left is cancelled).
#include "UserDialogs.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class ScriptedDialogs final : public UserDialogs {
public:
    struct Message {
        QString Kind; // "critical", "exclamation" or "question"
        QString Text;
        QString Title;
    };

    std::vector<Message> Messages;
    std::deque<MessageAnswer> Answers;
    std::deque<QString> OpenPaths;              // "" cancels
    std::deque<QString> SavePaths;              // "" cancels
    std::deque<std::optional<int32_t>> Colours; // nullopt cancels
    std::vector<int32_t> ColoursOffered;        // the colour each picker started at
    std::vector<mFileDialog::FileDialogRequest> OpenRequests;
    std::vector<mFileDialog::FileDialogRequest> SaveRequests;
    int AboutBoxes = 0;

    void ShowCriticalMessage(const QString& text, const QString& title) override {
        Messages.push_back({"critical", text, title});
    }
    void ShowExclamationMessage(const QString& text, const QString& title) override {
        Messages.push_back({"exclamation", text, title});
    }
    MessageAnswer AskYesNoCancel(const QString& text, const QString& title) override {
        Messages.push_back({"question", text, title});
        if (Answers.empty())
            return MessageAnswer::Cancel;
        const MessageAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    bool ShowOpenDialog(mFileDialog::FileDialogRequest& request) override {
        OpenRequests.push_back(request);
        return Choose(OpenPaths, request);
    }
    bool ShowSaveDialog(mFileDialog::FileDialogRequest& request) override {
        SaveRequests.push_back(request);
        return Choose(SavePaths, request);
    }
    bool ShowColorDialog(int32_t& colour) override {
        ColoursOffered.push_back(colour);
        if (Colours.empty() || !Colours.front()) {
            if (!Colours.empty())
                Colours.pop_front();
            return false;
        }
        colour = *Colours.front();
        Colours.pop_front();
        return true;
    }
    void ShowAboutBox() override { ++AboutBoxes; }

private:
    static bool Choose(std::deque<QString>& paths, mFileDialog::FileDialogRequest& request) {
        const QString path = paths.empty() ? QString() : paths.front();
        if (!paths.empty())
            paths.pop_front();
        request.FileName = path;
        request.FileTitle = path.section('/', -1);
        return !path.isEmpty();
    }
};
