#pragma once

#include "MainState.h"
#include "SegmentEdits.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QString>

#include <functional>
#include <vector>

class UserDialogs;

// What the panels and editors work on: the program's one document, its traced spine and
// selection, the shared flags, the modal seam, and a way back to the view.
struct AppContext {
    mKavrano_TrackIO_1_3::TrackDocument& Document;
    mKV_TraceTrack::TraceState& Trace;
    mMain::MainState& State;
    UserDialogs& Dialogs;
    std::function<void()> FocusView; // gives the keyboard focus back to the 3D view
    // Stores one editor run's edits as one step of the history.
    std::function<void(const QString& name, std::vector<mMain::SegmentEdit>&& edits)> CommitEdits;
};
