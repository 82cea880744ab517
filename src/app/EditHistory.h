#pragma once

#include "MainState.h"
#include "SegmentEdits.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QString>
#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <vector>

namespace mMain {

// The undo history of the document's edits on Qt's undo stack. A step holds the records it
// changed, before and after, and the selection it was made with; undoing or redoing it
// stores the records, brings the selection back and asks for the panels and the view to be
// refreshed. The caption's "*" follows the step that was saved last.
class EditHistory {
public:
    // The most memory the steps' records may take; the oldest steps are dropped first.
    static constexpr size_t kDefaultBudgetBytes = size_t(256) << 20;

    EditHistory(mKavrano_TrackIO_1_3::TrackDocument& editedDocument,
                mKV_TraceTrack::TraceState& traceState, MainState& mainState,
                size_t budget = kDefaultBudgetBytes);

    // Called after every undo or redo, to refill the panels and redraw.
    void SetRefresh(std::function<void()> onRefresh) { refresh = std::move(onRefresh); }

    // Stores the edits as one step named `name`; edits of no segment add no step.
    void Commit(const QString& name, std::vector<SegmentEdit>&& edits);

    // A new document: no history, and the current state is the saved one. The number of
    // steps kept is what the budget holds if every step changed every segment.
    void Reset();
    // The current step is now the saved one.
    void MarkSaved();
    // The file no longer holds the saved step (it was deleted, cannot be read, or the user kept
    // these edits over another program's): the "*" stays until the next save or load, even
    // back at that step.
    void MarkSavedCopyLost();
    // The document differs from the step last loaded or saved.
    bool HasUnsavedEdits() const { return !stack.isClean(); }

    QUndoStack& Stack() { return stack; }

    // Memory of one step's stored records and selection.
    static size_t StepBytes(size_t editCount, size_t selectionFlags);

private:
    mKavrano_TrackIO_1_3::TrackDocument& document;
    mKV_TraceTrack::TraceState& trace;
    MainState& state;
    size_t budgetBytes;
    std::function<void()> refresh;
    bool bSavedCopyLost = false;
    QUndoStack stack;
};

} // namespace mMain
