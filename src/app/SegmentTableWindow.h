#pragma once

// The "Segments" window: every segment's settings side by side, one row per segment, edited in
// place. Its selection is the view's; its edits go through the editors' history.

#include "AppContext.h"
#include "SegmentFieldTable.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QComboBox;
class QTableView;
class SegmentTableFilter;
class SegmentTableModel;
class SharedRide;

class SegmentTableWindow : public QWidget {
    Q_OBJECT

public:
    // `changed` runs after the table changed the selection or the document, for the owner to
    // show it. The table follows every new preview of `lap`, which comes with every change of
    // the document.
    SegmentTableWindow(AppContext& appContext, const SharedRide& lap, std::function<void()> changed,
                       QWidget* owner);

    // Shows the window beside its owner, or hides it.
    void Toggle();
    // Follows the document, its trace, its ride preview and the selection; nothing to do while
    // hidden.
    void Refresh();
    // Follows a change of the selection alone.
    void FollowSelection();

    // Ctrl+C: the selected rows shown, as tab-separated text with a header line.
    void CopySelectedRows();
    // Ctrl+V: a tab-separated block into the cells from the current one, as one step; any
    // value that does not fit refuses the whole block.
    void PasteAtCurrentCell();

    QTableView& Table() const { return *table; }
    QComboBox& TypeFilter() const { return *typeFilter; }
    const SegmentTableModel& Model() const { return *model; }

private:
    struct CellValue {
        int32_t Segment;
        const mKavrano_TrackIO_1_3::SegmentField* Field;
        mKavrano_TrackIO_1_3::FieldValue Value;
    };
    using FieldChanges = std::vector<CellValue>;

    // A typed or toggled cell: every selected row that has the field when the row is selected,
    // else the row alone. True when stored.
    bool ChangeCell(int32_t row, const mKavrano_TrackIO_1_3::SegmentField& field,
                    const QVariant& value);
    // Stores the changes, in any order of segments, as one step.
    void Commit(const QString& name, FieldChanges changes);
    // The message that refuses a cell's text; always false.
    bool Refuse(int32_t row, const QString& column, const QString& text, const QString& why);
    void SelectionFromTable();
    // Selects the rows of the selected segments; with `bForce` also when the selection is the
    // one last shown.
    void SelectionFromTrace(bool bForce);
    void ShowType(int filterIndex);
    // Runs `move`, which re-filters the rows, without the selection, which is far cheaper than
    // the selection model following every selected row; then selects the segments' rows again.
    void MoveRows(const std::function<void()>& move);

    AppContext& context;
    const SharedRide& ride;
    std::function<void()> onChange;
    SegmentTableModel* model;
    SegmentTableFilter* filter;
    QTableView* table;
    QComboBox* typeFilter;
    std::vector<bool> shownSelection; // the trace's flags the rows last showed
    bool bSyncing = false;            // the table's own selection changes are not the user's
    bool bOwnChange = false;          // the trace follows the table: nothing to bring back
};
