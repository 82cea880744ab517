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
        QString Kind, Text, Title; // Kind: "critical", "exclamation" or "question"
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
        return Next(Answers, MessageAnswer::Cancel);
    }
    MessageAnswer AskReloadOrKeep(const QString& text, const QString& title) override {
        Messages.push_back({"question", text, title});
        return Next(Answers, MessageAnswer::Keep);
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
        const std::optional<int32_t> chosen = Next(Colours, std::optional<int32_t>());
        colour = chosen.value_or(colour);
        return chosen.has_value();
    }
    void ShowAboutBox() override { ++AboutBoxes; }

private:
    // The next scripted answer, or `none` when the script has run out.
    template <typename T> static T Next(std::deque<T>& script, T none) {
        if (script.empty())
            return none;
        T next = script.front();
        script.pop_front();
        return next;
    }
    static bool Choose(std::deque<QString>& paths, mFileDialog::FileDialogRequest& request) {
        request.FileName = Next(paths, QString());
        request.FileTitle = request.FileName.section('/', -1);
        return !request.FileName.isEmpty();
    }
};
