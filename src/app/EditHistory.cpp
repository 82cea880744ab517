#include "EditHistory.h"

#include <QSignalBlocker>
#include <QUndoCommand>

#include <algorithm>

namespace mMain {

namespace {

class SegmentEditStep final : public QUndoCommand {
public:
    SegmentEditStep(const QString& name, std::vector<SegmentEdit>&& stepEdits,
                    mKavrano_TrackIO_1_3::TrackDocument& editedDocument,
                    mKV_TraceTrack::TraceState& traceState, const std::function<void()>& onRefresh)
        : QUndoCommand(name), edits(std::move(stepEdits)), selection(traceState.SegmentSelected),
          document(editedDocument), trace(traceState), refresh(onRefresh) {}

    void redo() override { Store(&SegmentEdit::After); }
    void undo() override { Store(&SegmentEdit::Before); }

private:
    void Store(mKavrano_TrackIO_1_3::TrackSegment SegmentEdit::*record) {
        for (const SegmentEdit& e : edits)
            document.Segments[size_t(e.Index)] = e.*record;
        // The first redo is the editor's own run: the panels already show what it stored.
        if (firstRun) {
            firstRun = false;
            return;
        }
        trace.SegmentSelected = selection;
        if (refresh)
            refresh();
    }

    const std::vector<SegmentEdit> edits;
    const std::vector<bool> selection;
    mKavrano_TrackIO_1_3::TrackDocument& document;
    mKV_TraceTrack::TraceState& trace;
    const std::function<void()>& refresh;
    bool firstRun = true;
};

} // namespace

EditHistory::EditHistory(mKavrano_TrackIO_1_3::TrackDocument& editedDocument,
                         mKV_TraceTrack::TraceState& traceState, MainState& mainState,
                         size_t budget)
    : document(editedDocument), trace(traceState), state(mainState), budgetBytes(budget) {
    QObject::connect(&stack, &QUndoStack::cleanChanged, [this](bool clean) {
        if (clean && !bSavedCopyLost) {
            UpdateTitle(state);
        } else {
            SetTrackModified(state);
        }
    });
    Reset();
}

size_t EditHistory::StepBytes(size_t editCount, size_t selectionFlags) {
    return editCount * sizeof(SegmentEdit) + (selectionFlags + 7) / 8;
}

void EditHistory::Reset() {
    // Clearing makes the empty history the saved state; the caption is the caller's to set.
    const QSignalBlocker quiet(stack);
    bSavedCopyLost = false;
    stack.clear();
    const size_t segments = size_t(std::max(document.SegmentCount, 0));
    const size_t largestStep = StepBytes(segments, segments);
    // QUndoStack counts steps, not bytes: keep as many as fit if each were the largest.
    const size_t steps = largestStep == 0 ? 0 : budgetBytes / largestStep;
    stack.setUndoLimit(int(std::clamp<size_t>(steps, 1, 1'000'000)));
}

void EditHistory::Commit(const QString& name, std::vector<SegmentEdit>&& edits) {
    if (edits.empty())
        return;
    stack.push(new SegmentEditStep(name, std::move(edits), document, trace, refresh));
}

void EditHistory::MarkSaved() {
    bSavedCopyLost = false;
    stack.setClean();
}

void EditHistory::MarkSavedCopyLost() {
    bSavedCopyLost = true;
    SetTrackModified(state);
}

} // namespace mMain
