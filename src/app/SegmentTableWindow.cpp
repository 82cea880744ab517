#include "SegmentTableWindow.h"

#include "MainState.h"
#include "SegmentCellDelegate.h"
#include "SegmentCells.h"
#include "SegmentEdits.h"
#include "SegmentTableFilter.h"
#include "SegmentTableModel.h"
#include "SegmentTexts.h"
#include "SharedRide.h"
#include "UserDialogs.h"
#include "WindowPlacement.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using mKavrano_TrackIO_1_3::SegmentField;

namespace {

// A tab-separated block: lines of cells, without the empty line a final line break leaves.
std::vector<QStringList> SplitBlock(const QString& text) {
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    std::vector<QStringList> block;
    for (QString& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        block.push_back(line.split('\t'));
    }
    return block;
}

} // namespace

SegmentTableWindow::SegmentTableWindow(AppContext& appContext, const SharedRide& lap,
                                       std::function<void()> changed, QWidget* owner)
    : QWidget(owner, Qt::Window), context(appContext), ride(lap), onChange(std::move(changed)),
      model(new SegmentTableModel(
          context.Document, context.Trace,
          [this](int32_t row, const SegmentField& field, const QVariant& value) {
              return ChangeCell(row, field, value);
          },
          this)),
      filter(new SegmentTableFilter(this)), table(new QTableView), typeFilter(new QComboBox) {
    setObjectName("frmSegments");
    setWindowTitle("Segments");
    table->setObjectName("tblSegments");
    typeFilter->setObjectName("cboSegmentType");
    typeFilter->addItem("All");
    for (int32_t type = mKavrano_TrackIO_1_3::SegPlain; type <= mKavrano_TrackIO_1_3::SegBrake;
         ++type)
        typeFilter->addItem(QString::fromStdString(mKV_TraceTrack::SegmentTypeName(type)));

    connect(&ride, &SharedRide::changed, this, &SegmentTableWindow::Refresh);

    // Rows are sorted on a header click and re-sorted by Refresh, never per changed cell: a
    // change of every row would otherwise move them one by one.
    filter->setDynamicSortFilter(false);
    filter->setSourceModel(model);
    // Sorting moves rows; the selection stays the segments'. Dropped before the selection model
    // would follow every selected row (these run first, being connected first) and brought
    // back after.
    connect(filter, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        bSyncing = true;
        if (table->selectionModel())
            table->selectionModel()->clearSelection();
    });
    connect(filter, &QAbstractItemModel::layoutChanged, this, [this] {
        bSyncing = false;
        SelectionFromTrace(true);
    });
    table->setModel(filter);
    table->setItemDelegate(new SegmentCellDelegate(*model, table));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    table->setSortingEnabled(true);
    table->sortByColumn(0, Qt::AscendingOrder);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeFilter);
    layout->addWidget(table, 1);
    resize(960, 520);

    connect(typeFilter, &QComboBox::currentIndexChanged, this, &SegmentTableWindow::ShowType);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SegmentTableWindow::SelectionFromTable);
    // Sorting and filtering move rows; the selection stays the segments'.

    const auto onKeys = [this](const QKeySequence& keys, void (SegmentTableWindow::*run)()) {
        auto* shortcut = new QShortcut(keys, table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, run);
    };
    onKeys(QKeySequence::Copy, &SegmentTableWindow::CopySelectedRows);
    onKeys(QKeySequence::Paste, &SegmentTableWindow::PasteAtCurrentCell);
    auto* unselect = new QShortcut(Qt::Key_Escape, table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(unselect, &QShortcut::activated, table, &QTableView::clearSelection);
}

void SegmentTableWindow::Toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    if (QWidget* owner = parentWidget()) {
        const QRect place = mMain::PlaceBeside(owner->frameGeometry(), size(),
                                               owner->screen()->availableGeometry());
        move(place.topLeft());
        resize(place.size());
    }
    show();
    Refresh();
}

void SegmentTableWindow::Refresh() {
    if (!isVisible())
        return;
    const int rows = model->rowCount();
    model->Refresh(mKV_RidePreview::StatsBySegment(ride.Ride(), context.Document.SegmentCount));
    if (filter->sortColumn() > 0) {
        filter->invalidate(); // re-sorts, and selects again
    } else {
        SelectionFromTrace(rows != model->rowCount());
    }
}

void SegmentTableWindow::FollowSelection() {
    if (isVisible())
        SelectionFromTrace(false);
}

void SegmentTableWindow::MoveRows(const std::function<void()>& move) {
    bSyncing = true;
    table->selectionModel()->clearSelection();
    move();
    bSyncing = false;
    SelectionFromTrace(true);
}

void SegmentTableWindow::ShowType(int filterIndex) {
    MoveRows([&] {
        filter->SetType(filterIndex > 0 ? std::optional<int32_t>(filterIndex - 1) : std::nullopt);
    });
}

void SegmentTableWindow::SelectionFromTable() {
    if (bSyncing)
        return;
    std::vector<bool>& flags = context.Trace.SegmentSelected;
    std::fill(flags.begin(), flags.end(), false);
    // Whole rows are selected: a range's rows are enough, whatever its columns. Rows of
    // consecutive segments are set as one run, a word of flags at a time.
    const std::vector<int32_t>& segments = filter->ShownSegments();
    for (const QItemSelectionRange& range : table->selectionModel()->selection()) {
        const size_t bottom = size_t(range.bottom());
        for (size_t shown = size_t(range.top()); shown <= bottom;) {
            size_t end = shown + 1;
            while (end <= bottom && segments[end] == segments[end - 1] + 1)
                ++end;
            const size_t from = std::min(size_t(segments[shown]), flags.size());
            const size_t to = std::min(from + (end - shown), flags.size());
            std::fill(flags.begin() + std::ptrdiff_t(from), flags.begin() + std::ptrdiff_t(to),
                      true);
            shown = end;
        }
    }
    shownSelection = flags;
    bOwnChange = true;
    onChange();
    bOwnChange = false;
}

void SegmentTableWindow::SelectionFromTrace(bool bForce) {
    const std::vector<bool>& flags = context.Trace.SegmentSelected;
    if (bOwnChange || (!bForce && flags == shownSelection))
        return;
    shownSelection = flags;
    QItemSelection selection;
    int first = -1; // the shown row of the lowest selected segment
    int32_t firstSegment = -1;
    const std::vector<int32_t>& segments = filter->ShownSegments();
    const int shown = int(segments.size());
    for (int row = 0; row < shown;) {
        const auto selected = [&](int r) {
            const int segment = segments[size_t(r)];
            return size_t(segment) < flags.size() && flags[size_t(segment)] ? segment : -1;
        };
        const int segment = selected(row);
        if (segment < 0) {
            ++row;
            continue;
        }
        if (firstSegment < 0 || segment < firstSegment) {
            firstSegment = segment;
            first = row;
        }
        int end = row + 1;
        for (int s; end < shown && (s = selected(end)) >= 0; ++end) {
            if (s < firstSegment) {
                firstSegment = s;
                first = end;
            }
        }
        selection.select(filter->index(row, 0), filter->index(end - 1, 0));
        row = end;
    }
    bSyncing = true;
    table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
    bSyncing = false;
    if (first >= 0) {
        table->scrollTo(filter->index(
            first, table->currentIndex().isValid() ? table->currentIndex().column() : 0));
    }
}

bool SegmentTableWindow::Refuse(int32_t row, const QString& column, const QString& text,
                                const QString& why) {
    context.Dialogs.ShowExclamationMessage(
        QString("Error: Segment %1, column \"%2\": \"%3\" %4.").arg(row).arg(column, text, why),
        "Error");
    return false;
}

bool SegmentTableWindow::ChangeCell(int32_t row, const SegmentField& field, const QVariant& value) {
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return false; // an edit left empty keeps the value
    const auto parsed = mMain::ParseCell(field, text);
    if (const QString* why = std::get_if<QString>(&parsed))
        return Refuse(row, mMain::FieldTitle(field), text, *why);
    const std::vector<bool>& flags = context.Trace.SegmentSelected;
    FieldChanges changes;
    const auto change = [&](int32_t segment) {
        changes.push_back({segment, &field, std::get<mKavrano_TrackIO_1_3::FieldValue>(parsed)});
    };
    if (size_t(row) < flags.size() && flags[size_t(row)]) {
        const size_t rows = std::min(size_t(model->rowCount()), flags.size());
        for (size_t i = 0; i < rows; ++i) {
            if (flags[i] && Carries(context.Document.Segments[i], field))
                change(int32_t(i));
        }
    } else {
        change(row);
    }
    Commit(mMain::FieldTitle(field), std::move(changes));
    return true;
}

void SegmentTableWindow::Commit(const QString& name, FieldChanges changes) {
    // A paste comes in the order of the rows shown; an edit of the selection in track order.
    const auto bySegment = [](const CellValue& a, const CellValue& b) {
        return a.Segment < b.Segment;
    };
    if (!std::is_sorted(changes.begin(), changes.end(), bySegment))
        std::stable_sort(changes.begin(), changes.end(), bySegment);
    std::vector<int32_t> indexes;
    for (const CellValue& c : changes) {
        if (indexes.empty() || indexes.back() != c.Segment)
            indexes.push_back(c.Segment);
    }
    // The edits are planned in increasing segment order, as the changes now stand.
    size_t next = 0;
    std::vector<mMain::SegmentEdit> edits = mMain::PlanSegmentEdits(
        context.Document, indexes, [&](int32_t i, mKavrano_TrackIO_1_3::TrackSegment& s) {
            for (; next < changes.size() && changes[next].Segment == i; ++next)
                WriteField(s, *changes[next].Field, changes[next].Value);
        });
    context.CommitEdits(name, std::move(edits)); // refreshes this window too
    mMain::SetTrackModified(context.State);
    // An edit leaves the selection as it is: the rows have nothing to follow.
    bOwnChange = true;
    onChange();
    bOwnChange = false;
}

void SegmentTableWindow::CopySelectedRows() {
    QStringList titles;
    for (const SegmentTableModel::ColumnSpec& column : model->Columns())
        titles.push_back(column.Title);
    QString text = titles.join('\t') + '\n';
    QModelIndexList rows = table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& shown : rows) {
        const int row = filter->mapToSource(shown).row();
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.push_back(model->Text(row, column));
        text += cells.join('\t') + '\n';
    }
    QGuiApplication::clipboard()->setText(text);
}

void SegmentTableWindow::PasteAtCurrentCell() {
    std::vector<QStringList> block = SplitBlock(QGuiApplication::clipboard()->text());
    QStringList titles;
    for (const SegmentTableModel::ColumnSpec& column : model->Columns())
        titles.push_back(column.Title);
    // Rows copied here paste back: their header line is skipped.
    if (!block.empty() && std::all_of(block.front().begin(), block.front().end(),
                                      [&](const QString& cell) { return titles.contains(cell); }))
        block.erase(block.begin());
    const QModelIndex current = table->currentIndex();
    const int top = current.isValid() ? current.row() : 0;
    const int left = current.isValid() ? current.column() : 0;
    FieldChanges changes;
    for (size_t line = 0; line < block.size(); ++line) {
        const int shownRow = top + int(line);
        if (shownRow >= filter->rowCount()) {
            context.Dialogs.ShowExclamationMessage(
                QString("Error: the pasted block runs past the last row shown."), "Error");
            return;
        }
        const int32_t row = filter->ShownSegments()[size_t(shownRow)];
        for (int cell = 0; cell < block[line].size(); ++cell) {
            const QString& text = block[line][cell];
            const int column = left + cell;
            if (column >= model->columnCount()) {
                Refuse(row, "-", text, "lies past the last column");
                return;
            }
            const SegmentField* field = model->FieldAt(column);
            // Read-only columns and cells left empty keep what they hold.
            if (!field || text.trimmed().isEmpty())
                continue;
            const QString& title = titles[column];
            if (!Carries(context.Document.Segments[size_t(row)], *field)) {
                Refuse(row, title, text,
                       "is not a setting of a " + model->Text(row, 1) + " segment");
                return;
            }
            const auto parsed = mMain::ParseCell(*field, text);
            if (const QString* why = std::get_if<QString>(&parsed)) {
                Refuse(row, title, text, *why);
                return;
            }
            changes.push_back({row, field, std::get<mKavrano_TrackIO_1_3::FieldValue>(parsed)});
        }
    }
    if (!changes.empty())
        Commit("Paste", std::move(changes));
}
