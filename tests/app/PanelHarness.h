#pragma once

#include "AppContext.h"
#include "MainState.h"
#include "SegmentEditors.h"
#include "SettingsPanels.h"
#include "TrackDocument.h"
#include "TrackTracer.h"
#include "UserDialogs.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

// Answers the colour picker from a script and fails the test on any other dialog.
class ScriptedDialogs final : public UserDialogs {
public:
    // Queued answers: a colour, or none for Cancel.
    std::deque<std::optional<int32_t>> ColourAnswers;
    // The initial colour of every picker shown.
    std::vector<int32_t> ColoursOffered;

    void ShowCriticalMessage(const QString& text, const QString&) override;
    void ShowExclamationMessage(const QString& text, const QString&) override;
    MessageAnswer AskYesNoCancel(const QString& text, const QString&) override;
    bool ShowOpenDialog(mFileDialog::FileDialogRequest&) override;
    bool ShowSaveDialog(mFileDialog::FileDialogRequest&) override;
    bool ShowColorDialog(int32_t& colour) override;
    void ShowAboutBox() override;
};

// The panels and their editors on a plain window, over a document and a selection that a test
// sets up, with a stand-in for the 3D view that takes the focus back.
class PanelHarness {
public:
    static constexpr const char* kFileName = "/tracks/Test.kvtrack";
    static constexpr const char* kCleanCaption = "Kavrano Tornelle - Test";

    // One segment of each given type; the window is shown.
    explicit PanelHarness(std::initializer_list<int32_t> types);
    explicit PanelHarness(mKavrano_TrackIO_1_3::TrackDocument document);

    mKavrano_TrackIO_1_3::TrackSegment& Segment(int i) { return doc.Segments.at(size_t(i)); }
    void Select(std::initializer_list<int> indexes);
    // The panel fill as the selection update runs it: guarded, from the lowest selected
    // segment, with that segment's panel shown.
    void Fill();

    template <typename T> T& Find(const QString& name) {
        T* const widget = window.findChild<T*>(name);
        if (widget == nullptr)
            throw std::runtime_error("no control " + name.toStdString());
        return *widget;
    }

    // Replaces a text box's text as a user would, then presses Enter in it.
    void TypeAndEnter(const QString& box, const QString& text);

    mKavrano_TrackIO_1_3::TrackDocument doc;
    mKV_TraceTrack::TraceState trace;
    mMain::MainState state;
    ScriptedDialogs dialogs;
    int focusCount = 0;
    QWidget window;
    QWidget* view;
    AppContext context;
    SettingsPanels panels;
    SegmentEditors editors;

private:
    void Start();
};
