// The "Segments" window of the real main window on the demo track: its rows, its shared
// selection, its edits as steps of the history, and copy and paste.
#include "MainWindowFixture.h"
#include "SegmentTableFilter.h"
#include "SegmentTableModel.h"
#include "SegmentTableWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>
#include <tuple>

using namespace mKavrano_TrackIO_1_3;

namespace {

// 1 km/h and 1 g in stored units, written out rather than taken from the code under test.
constexpr double kKmph = 0.277777791023254;
constexpr double kG = 9.816650390625;

using S = TrackSegment;

} // namespace

class SegmentTableTest : public MainWindowTest {
protected:
    SegmentTableWindow* segments = nullptr;
    QTableView* table = nullptr;

    void SetUp() override {
        MainWindowTest::SetUp();
        QTest::keyClick(window.get(), Qt::Key_F4);
        segments = &window->SegmentTable();
        table = &segments->Table();
        ASSERT_TRUE(segments->isVisible());
        Activate();
    }

    // Keys go to the table in its own window.
    void Activate() {
        segments->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(segments));
        segments->activateWindow();
        // The owner's activity counts for its tool windows: wait for this one's own.
        ASSERT_TRUE(QTest::qWaitFor([this] { return segments->isActiveWindow(); }));
        table->setFocus();
    }

    int Column(const char* title) const {
        const auto& columns = segments->Model().Columns();
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i].Title == title)
                return int(i);
        ADD_FAILURE() << title;
        return 0;
    }

    // The shown row of a segment.
    int RowOf(int32_t segment) const {
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->model()->index(row, 0).data().toInt() == segment)
                return row;
        return -1;
    }

    // The segments of the selected rows, in shown order.
    std::vector<int32_t> SelectedRows() const {
        std::vector<int32_t> found;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->selectionModel()->isRowSelected(row, {}))
                found.push_back(table->model()->index(row, 0).data().toInt());
        return found;
    }

    // Types on the current cell as the user does: the first key starts editing.
    void TypeInCell(int32_t segment, int column, const QString& text) {
        table->selectionModel()->setCurrentIndex(table->model()->index(RowOf(segment), column),
                                                 QItemSelectionModel::NoUpdate);
        Activate();
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // Enter commits on the next turn of the loop
    }

    void Filter(const char* type) { segments->TypeFilter().setCurrentText(type); }
};

TEST_F(SegmentTableTest, TypedCellsStoreTheirBitsInEverySelectedRowWithTheFieldInOneStep) {
    const QUndoStack& history = window->History().Stack();
    const std::vector<int32_t> brakes = SegmentsOfType(SegBrake);
    const int32_t lift = SegmentsOfType(SegLift).at(0), plain = SegmentsOfType(SegPlain).at(0);
    std::vector<int32_t> several = {brakes[1], plain}; // typed on the first, not the lowest
    several.insert(several.end(), brakes.begin(), brakes.end());
    // The rows selected, the first typed on, its column, what is typed (keys the number boxes
    // discard are dropped), the field and the single it stores in every selected row with it.
    const std::tuple<std::vector<int32_t>, const char*, const char*, float S::*, float> cases[] = {
        {{brakes[0]}, "Brake Speed Limit (kmph)", "3a0", &S::BrakeSpeedLimit, float(30 * kKmph)},
        {{lift}, "Lift Motor Accel (g)", "0.5", &S::LiftMotorAccel, float(0.5 * kG)},
        {{brakes[0]}, "Brake Trigger Pos", "0.25", &S::BrakeTriggerPos, 0.25f},
        {several, "Brake Hysteresis (kmph)", "9", &S::BrakeHysteresis, float(9 * kKmph)},
    };
    for (const auto& [selected, column, typed, field, stored] : cases) {
        SCOPED_TRACE(column);
        const std::vector<TrackSegment> before = window->Document().Segments;
        SelectOnly(selected);
        TypeInCell(selected[0], Column(column), typed);
        std::vector<TrackSegment> expected = before; // the next one is of the same type
        for (const int32_t i : selected)
            if (before[size_t(i)].SegmentType == before[size_t(selected[0])].SegmentType)
                expected[size_t(i)].*field = stored;
        EXPECT_EQ(window->Document().Segments, expected);
        EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
        Undo();
        EXPECT_EQ(window->Document().Segments, before);
    }
    // A check box cell toggles every selected row too, in one step.
    const int steps = history.index();
    std::vector<TrackSegment> expected = window->Document().Segments;
    for (const int32_t i : several)
        expected[size_t(i)].Tunnel = true;
    const QModelIndex tunnel = table->model()->index(RowOf(brakes[0]), Column("Tunnel"));
    table->model()->setData(tunnel, Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(window->Document().Segments, expected);

    // A text that is no number is refused by name, and nothing changes.
    TypeInCell(brakes[0], Column("Brake Decel (g)"), "-");
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text,
              QString("Error: Segment %1, column \"Brake Decel (g)\": \"-\" is not a number.")
                  .arg(brakes[0]));
    EXPECT_EQ(history.index(), steps + 1);
}

TEST_F(SegmentTableTest, SelectionIsSharedWithTheViewThroughSortAndFilterAndF4HidesTheTable) {
    const std::vector<int32_t> lifts = SegmentsOfType(SegLift);
    // The table selects the view's segments.
    SelectOnly(lifts);
    EXPECT_EQ(SelectedRows(), lifts);
    // The view selects the table's rows, and the panels follow.
    table->selectRow(RowOf(lifts[0]));
    EXPECT_EQ(Selected(), Flags({lifts[0]}));
    EXPECT_EQ(VisiblePanel(), SegLift);
    // Sorting and filtering keep it.
    SelectOnly({lifts[0], 0});
    table->sortByColumn(1, Qt::DescendingOrder);
    QStringList types;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        types.push_back(table->model()->index(row, 1).data().toString());
    EXPECT_TRUE(std::is_sorted(types.rbegin(), types.rend())) << types.join(' ').toStdString();
    Filter("Lift");
    EXPECT_EQ(SelectedRows(), std::vector<int32_t>{lifts[0]});
    Filter("All");
    EXPECT_EQ(Selected(), Flags({0, lifts[0]}));
    EXPECT_EQ(SelectedRows().size(), 2u);
    // Ctrl+A selects the rows shown; Escape none.
    Filter("Lift");
    Activate();
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(), Flags(lifts));
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_EQ(Selected(), Flags({}));
    Filter("All");
    EXPECT_EQ(table->model()->rowCount(), 48);
    QTest::keyClick(segments, Qt::Key_F4);
    EXPECT_FALSE(segments->isVisible());
}

TEST_F(SegmentTableTest, RowsCopyAsTextAndBlocksPasteWholeOrNotAtAll) {
    const std::vector<int32_t> brakes = SegmentsOfType(SegBrake);
    SelectOnly({brakes[0], brakes[1]});
    Activate();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 4); // a header, two rows and the final line break
    EXPECT_TRUE(lines[0].startsWith("Index\tType\tLength (m)\tTunnel\tCustom Colors\tSpine\t"));
    EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), "Length (m)"); // as shown
    const int limit = Column("Brake Speed Limit (kmph)");
    for (int i = 0; i < 2; ++i) {
        const QStringList cells = lines[i + 1].split('\t');
        EXPECT_EQ(
            (QStringList{cells[0], cells[1], cells[limit]}),
            (QStringList{QString::number(brakes[size_t(i)]), "Brake",
                         QString::number(qRound(Segment(brakes[i]).BrakeSpeedLimit / kKmph))}));
    }

    // From the current cell down the shown rows: a header line is skipped; any misfit refuses
    // the whole block.
    Filter("Brake");
    const int steps = window->History().Stack().count();
    const std::tuple<QString, QString> cases[] = {
        {"Brake Speed Limit (kmph)\tBrake Decel (g)\nabc\t1\n", "\"abc\" is not a number"},
        {"40\t1\n44\t2\n50\t3\n60\t4\n", "runs past the last row shown"},
        {"40\t1\n44\t2\n", ""},
    };
    for (const auto& [block, refusal] : cases) {
        const std::vector<TrackSegment> before = window->Document().Segments;
        dialogs.Messages.clear();
        QGuiApplication::clipboard()->setText(block);
        table->selectionModel()->setCurrentIndex(table->model()->index(RowOf(brakes[1]), limit),
                                                 QItemSelectionModel::NoUpdate);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        if (!refusal.isEmpty()) {
            ASSERT_EQ(dialogs.Messages.size(), 1u) << block.toStdString();
            EXPECT_TRUE(dialogs.Messages[0].Text.contains(refusal)) << block.toStdString();
            EXPECT_EQ(window->Document().Segments, before);
            continue;
        }
        EXPECT_TRUE(dialogs.Messages.empty());
        EXPECT_EQ(Segment(brakes[1]).BrakeSpeedLimit, float(40 * kKmph));
        EXPECT_EQ(Segment(brakes[2]).BrakeDecel, float(2 * kG));
        EXPECT_EQ(Segment(brakes[0]), before[size_t(brakes[0])]);
        EXPECT_EQ(window->History().Stack().count(), steps + 1);
    }
}
