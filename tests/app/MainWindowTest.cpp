// The real main window, driven as a user would, with the modal seam answered by the test; undo
// beyond the single edits the panel tests undo, and the history's budget.
#include "EditHistory.h"
#include "MainLayout.h"
#include "MainWindowFixture.h"
#include "SelectionStats.h"
#include "Twips.h"

#include <array>
#include <filesystem>
#include <tuple>

using namespace mKavrano_TrackIO_1_3;
using namespace mMain;
using namespace mTwips;

namespace {

struct EmptyWindowTest : MainWindowTest {
    EmptyWindowTest() { bOpenDemo = false; }
};

// A picture's centre on the toolbar, for button `i` (16 pixels, from x 6).
QPoint ButtonCentre(int i) {
    return {std::array{6, 28, 57, 86, 108, 137}.at(size_t(i)) + 8, 14};
}

} // namespace

TEST_F(EmptyWindowTest, StartsEmptyWithTheVersionTitleThenOpensAndShowsTheMatchingPanel) {
    EXPECT_EQ(Caption(), "Kavrano Tornelle v1.3.0");
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_FALSE(window->Panels().conTrackSetting().isVisible());
    QStringList tips;
    for (int i = 0; i < 6; ++i)
        tips << window->ToolBar().ButtonToolTip(i);
    EXPECT_EQ(tips,
              QStringList({"Open Track File... (Ctrl+O)", "Save Track File As... (Ctrl+Shift+S)",
                           "Ride Track in Kavrano Simulator", "Select All", "UnSelect All",
                           "About Tornelle..."}));
    EXPECT_EQ(window->windowIcon().availableSizes(),
              (QList<QSize>{{48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    DoubleClick(window->ToolBar(), Qt::LeftButton, ButtonCentre(frmMain::CmdAbout));
    EXPECT_EQ(dialogs.AboutBoxes, 1);                                 // a double-click is one click
    window->ToolBar_ButtonClick(17);                                  // not a command
    QTest::keyClick(&window->View(), Qt::Key_S, Qt::ControlModifier); // nothing to save
    EXPECT_TRUE(dialogs.Messages.empty() && dialogs.SaveRequests.empty());

    dialogs.OpenPaths.push_back(QString::fromStdString(demoPath));
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    const auto& request = dialogs.OpenRequests[0];
    EXPECT_EQ(std::tie(request.Title, request.Filter, request.DefaultExt, request.FileName,
                       request.FileMustExist),
              std::tuple("Open Track File...", "Kavrano Track Files (*.kvtrack)|*.kvtrack",
                         "kvtrack", "", true));
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, true, true, true, false, true}));
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_TRUE(window->Panels().conTrackSetting().isVisible());

    // A type without settings shows the empty panel (the others: SettingsPanelsTest).
    Segment(0).SegmentType = 9;
    SelectOnly({0});
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_TRUE(window->Panels().conTrackSetting().isVisible());

    // The next open starts at the file opened last.
    Open(demoPath);
    EXPECT_EQ(dialogs.OpenRequests.back().FileName, QString::fromStdString(demoPath));
}

TEST_F(MainWindowTest, DroppedFilesOpenLikeTheOpenCommandAndAFailedOpenEmptiesTheView) {
    const std::string other = folder.Path("other.kvtrack");
    std::filesystem::copy_file(demoPath, other);
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(other));
    EXPECT_FALSE(DropFiles({url, url}));
    EXPECT_FALSE(DropFiles({QUrl("https://example.com/track.kvtrack")}));

    // Dropped on a number box, the file is opened after the question about the unsaved edit,
    // never typed into the box.
    EditFirstSegment();
    SelectOnly(SegmentsOfType(SegLift));
    auto& speed = Find<NumericTextBox>("txtLiftMotor(0)");
    const QString shown = speed.text();
    dialogs.Answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(DropFiles({url}, speed.mapTo(window.get(), speed.rect().center())));
    EXPECT_EQ(speed.text(), shown);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - other");

    // A file that cannot be read: the message; the name stays but the view is emptied.
    EditFirstSegment();
    dialogs.Answers.push_back(MessageAnswer::No); // drop the unsaved edit
    Open(folder.Write("bad.kvtrack", {'N', 'O', 'P', 'E'}));
    ASSERT_EQ(dialogs.Messages.size(), 3u);
    const auto& refusal = dialogs.Messages[2];
    EXPECT_EQ(std::tie(refusal.Kind, refusal.Text, refusal.Title),
              std::tuple("exclamation", "Error: Invalid Track File!", "Error"));
    EXPECT_EQ(Caption(), "Kavrano Tornelle - other*");
    EXPECT_EQ(window->Trace().SpinePointCount, 0);
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_FALSE(window->Panels().conTrackSetting().isVisible());
    // Ctrl+A is disabled as its button is: the segments no longer shown stay unselected.
    window->View().setFocus();
    QTest::keyClick(&window->View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(CountSelectedSegments(window->Trace()), 0);
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutBeforeOpeningAndClosing) {
    const std::string ride = folder.Write("program/$Tornelle$.kvtrack", {1});
    EditFirstSegment();
    const std::vector<TrackSegment> edited = window->Document().Segments;
    // Cancel, or Yes with a cancelled save, keeps the edit and the window.
    for (const bool bClose : {false, true}) {
        dialogs.Answers.insert(dialogs.Answers.end(), {MessageAnswer::Cancel, MessageAnswer::Yes});
        dialogs.SavePaths.push_back("");
        for (int i = 0; i < 2; ++i)
            EXPECT_FALSE(bClose ? window->close()
                                : window->OpenTrackFile(QString::fromStdString(demoPath)));
        EXPECT_EQ(window->Document().Segments, edited);
        EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
    }
    ASSERT_EQ(dialogs.Messages.size(), 4u);
    const auto& question = dialogs.Messages[0];
    EXPECT_EQ(std::tie(question.Kind, question.Text, question.Title),
              std::tuple("question",
                         "There are unsaved changes to the current track.\r\nSave Changes?",
                         "Unsaved Changes..."));
    EXPECT_TRUE(std::filesystem::exists(ride));

    // Yes and a save: the edit is in the saved file, and the track is opened afresh.
    dialogs.Answers.push_back(MessageAnswer::Yes);
    dialogs.SavePaths.push_back(QString::fromStdString(folder.Path("saved.kvtrack")));
    Open(demoPath);
    EXPECT_EQ(SegmentsIn(folder.Path("saved.kvtrack")), edited);
    EXPECT_NE(window->Document().Segments, edited);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_EQ(window->History().Stack().count(), 0); // no undo back into the other file

    // No: the window closes, and the ride file goes with it.
    EditFirstSegment();
    dialogs.Answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(std::filesystem::exists(ride));
    EXPECT_EQ(dialogs.Messages.size(), 6u);
}

// Ctrl+S in place, then Save As to a name typed with another extension: a failed save names the
// file and keeps the name, the star and the saved step (the star stays after undo where the open
// file itself is gone); once the way is free it saves, the name
// shows as typed (even Qt's placeholder) and the star follows the saved step. In look mode Ctrl+S
// steers the camera instead (EditFidelityTest); a cancelled Save As changes nothing (above).
TEST_F(MainWindowTest, CtrlSAndSaveAsReportAFailedSaveAndTheStarFollowsTheSavedStep) {
    for (const std::string name : {"demo", "Track[*]x.txt"}) {
        const bool bSaveAs = name != "demo";
        const std::string path = folder.Path(name + ".kvtrack");
        const auto save = [&] { // Ctrl+Shift+S for Save As
            if (bSaveAs)
                dialogs.SavePaths.push_back(QString::fromStdString(folder.Path(name)));
            QTest::keyClick(&window->View(), Qt::Key_S,
                            Qt::ControlModifier | (bSaveAs ? Qt::ShiftModifier : Qt::NoModifier));
        };
        EditFirstSegment();
        std::filesystem::remove(path);
        folder.MakeFolder(name + ".kvtrack/inside"); // a folder in the way, not empty
        save();
        ASSERT_EQ(dialogs.Messages.size(), bSaveAs ? 2u : 1u);
        EXPECT_EQ(dialogs.Messages.back().Title, "Error!");
        EXPECT_TRUE(
            dialogs.Messages.back().Text.contains(QString::fromStdString(name + ".kvtrack")));
        EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
        EXPECT_EQ(window->State().CurrentFileName, demoPath);
        Undo(); // back at the last saved state, which Ctrl+S found gone from the disk
        EXPECT_EQ(Caption(), bSaveAs ? "Kavrano Tornelle - demo" : "Kavrano Tornelle - demo*");
        EXPECT_EQ(window->State().bTrackModified, !bSaveAs);
        Redo();

        std::filesystem::remove_all(path);
        save();
        const QString caption = QString::fromStdString("Kavrano Tornelle - " + name);
        EXPECT_EQ(Caption(), caption);
        EXPECT_EQ(SegmentsIn(path), window->Document().Segments);
        Undo(); // leaving the saved step
        EXPECT_EQ(Caption(), caption + "*");
        Redo();
        EXPECT_EQ(Caption(), caption);
    }
    ASSERT_EQ(dialogs.SaveRequests.size(), 2u); // Ctrl+S asks for no name
    const auto& request = dialogs.SaveRequests.front();
    EXPECT_EQ(std::tie(request.Title, request.FileName, request.OverwritePrompt),
              std::tuple("Save Track File As...", QString::fromStdString(demoPath), true));
    EXPECT_TRUE(window->close()) << "no question after coming back to the saved step";
    EXPECT_EQ(dialogs.Messages.size(), 2u);
}

TEST_F(MainWindowTest, LaysOutInTwips) {
    const auto resize = [&](int width, int height) {
        window->resize(width, height);
        QApplication::processEvents();
    };
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    EXPECT_EQ(GeometryInTwips(window->View()), QRect(1740, 480, 10140, 5715));
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
        EXPECT_EQ(GeometryInTwips(window->Panels().conSegStyle(i)), QRect(0, 6255, 11880, 2235));
    EXPECT_EQ(GeometryInTwips(window->Panels().conTrackSetting()), QRect(0, 4080, 1695, 2115));

    resize(60, 100); // 900 x 1500 twips
    EXPECT_EQ(window->View().size(), QSize(0, 0));
    EXPECT_EQ(GeometryInTwips(window->Panels().conTrackSetting()).top(), 480);

    // In a short window the toolbar lies above the panels and takes the click.
    resize(800, 60);
    ASSERT_GT(window->Panels().conSegStyle(SettingsPanels::kEmptyPanel).geometry().bottom(), 0);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      window->ToolBar().mapTo(window.get(), ButtonCentre(frmMain::CmdAbout)));
    EXPECT_EQ(dialogs.AboutBoxes, 1);

    resize(1000, 800); // 15000 x 12000 twips
    EXPECT_EQ(GeometryInTwips(window->View()), QRect(1740, 480, 15000 - 1740, 9225));
    EXPECT_EQ(GeometryInTwips(window->Panels().conTrackSetting()).top(), 7590);

    // A minimised window keeps its layout whatever size the window system reports.
    const QRect view = window->View().geometry();
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window->isMinimized());
    resize(160, 40);
    EXPECT_EQ(window->View().geometry(), view);
}

TEST(EditHistory, TheBudgetDropsTheOldestSteps) {
    TrackDocument doc = MakeDemoTrack();
    mKV_TraceTrack::TraceState trace;
    trace.TracedSegmentCount = doc.SegmentCount;
    trace.SegmentSelected.assign(size_t(doc.SegmentCount), true);
    MainState state;
    const size_t step = EditHistory::StepBytes(size_t(doc.SegmentCount), size_t(doc.SegmentCount));
    EditHistory history(doc, trace, state, 3 * step);
    std::vector<TrackDocument> versions = {doc};
    for (int k = 1; k <= 5; ++k) {
        auto edits = PlanSelectedSegmentEdits(
            trace, doc, [&](TrackSegment& s) { s.BrakeTriggerPos = float(k); });
        history.Commit("step", std::move(edits));
        versions.push_back(doc);
    }
    EXPECT_EQ(history.Stack().count(), 3); // steps 1 and 2 are gone
    while (history.Stack().canUndo())
        history.Stack().undo();
    EXPECT_EQ(doc.Segments, versions[2].Segments);
    EXPECT_TRUE(state.bTrackModified); // the opened state can no longer be reached
}
