// The real main window, driven as a user would, with the modal seam answered by the test.
#include "MainLayout.h"
#include "MainWindowFixture.h"
#include "SelectionSummary.h"
#include "TrackReader.h"
#include "Twips.h"

#include <filesystem>

using namespace mKavrano_TrackIO_1_3;

TEST_F(MainWindowTest, StartsEmptyWithTheVersionTitle) {
    EXPECT_EQ(Caption(), "Kavrano Tornelle v1.3.0");
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_FALSE(window->Panels().conTrackSetting().isVisible());
    EXPECT_EQ(window->ToolBar().ButtonToolTip(0), "Open Track File... (Ctrl+O)");
    EXPECT_EQ(window->ToolBar().ButtonToolTip(1), "Save Track File As... (Ctrl+Shift+S)");
    EXPECT_EQ(window->ToolBar().ButtonToolTip(2), "Ride Track in Kavrano Simulator");
    EXPECT_EQ(window->ToolBar().ButtonToolTip(3), "Select All");
    EXPECT_EQ(window->ToolBar().ButtonToolTip(4), "UnSelect All");
    EXPECT_EQ(window->ToolBar().ButtonToolTip(5), "About Tornelle...");
    EXPECT_EQ(window->windowIcon().availableSizes(),
              (QList<QSize>{{48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    window->ToolBar_ButtonClick(frmMain::CmdAbout);
    EXPECT_EQ(dialogs.AboutBoxes, 1);
    window->ToolBar_ButtonClick(17); // not a command
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(MainWindowTest, OpensSelectsAndShowsTheMatchingPanel) {
    Open(demoPath);
    ASSERT_EQ(dialogs.OpenRequests.size(), 1u);
    const auto& request = dialogs.OpenRequests[0];
    EXPECT_EQ(request.Title, "Open Track File...");
    EXPECT_EQ(request.Filter, "Kavrano Track Files (*.kvtrack)|*.kvtrack");
    EXPECT_EQ(request.DefaultExt, "kvtrack");
    EXPECT_TRUE(request.FileMustExist);
    EXPECT_EQ(request.FileName, "");

    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_TRUE(window->State().bTrackLoaded);
    EXPECT_GT(window->Trace().SpinePointCount, 0);
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, true, true, true, false, true}));
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_TRUE(window->Panels().conTrackSetting().isVisible());

    // The demo holds every segment function: Select All shows the mixed panel with the
    // track's default colours.
    window->ToolBar_ButtonClick(frmMain::CmdSelectAll);
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kMultipleTypesPanel);
    EXPECT_EQ(EnabledButtons()[4], true);
    EXPECT_FALSE(window->Panels().chkMainTunnel().isChecked());
    EXPECT_FALSE(window->State().bTrackModified); // filling never marks

    window->ToolBar_ButtonClick(frmMain::CmdUnselectAll);
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_EQ(EnabledButtons()[4], false);

    // A type without settings shows the empty panel (the others: SettingsPanelsTest).
    Segment(0).SegmentType = 9;
    SelectOnly({0});
    EXPECT_EQ(VisiblePanel(), SettingsPanels::kEmptyPanel);
    EXPECT_TRUE(window->Panels().conTrackSetting().isVisible());

    // The next open starts at the file opened last.
    Open(demoPath);
    EXPECT_EQ(dialogs.OpenRequests.back().FileName, QString::fromStdString(demoPath));
}

TEST_F(MainWindowTest, AFailedOpenKeepsTheNameButEmptiesTheView) {
    Open(demoPath);
    EditFirstSegment();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    const std::string bad = folder.Write("bad.kvtrack", {'N', 'O', 'P', 'E'});
    dialogs.Answers.push_back(MessageAnswer::No); // drop the unsaved edit
    Open(bad);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[1].Kind, "exclamation");
    EXPECT_EQ(dialogs.Messages[1].Text, "Error: Invalid Track File!");
    EXPECT_EQ(dialogs.Messages[1].Title, "Error");
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
    EXPECT_EQ(window->State().CurrentFileName, demoPath);
    EXPECT_FALSE(window->State().bTrackLoaded);
    EXPECT_EQ(window->Trace().SpinePointCount, 0);
    EXPECT_EQ(EnabledButtons(), (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_FALSE(window->Panels().conTrackSetting().isVisible());
    // Ctrl+A is disabled as its button is: the segments no longer shown stay unselected.
    window->View().setFocus();
    QTest::keyClick(&window->View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(mMain::CountSelectedSegments(window->Trace()), 0);
}

TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutBeforeOpening) {
    Open(demoPath);
    EditFirstSegment();
    const bool edited = window->Document().Segments[0].Tunnel;

    dialogs.Answers.push_back(MessageAnswer::Cancel);
    Open(demoPath);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Kind, "question");
    EXPECT_EQ(dialogs.Messages[0].Text,
              "There are unsaved changes to the current track.\r\nSave Changes?");
    EXPECT_EQ(dialogs.Messages[0].Title, "Unsaved Changes...");
    EXPECT_EQ(window->Document().Segments[0].Tunnel, edited); // nothing happened
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    // Yes with a cancelled save keeps the changes too.
    dialogs.Answers.push_back(MessageAnswer::Yes);
    dialogs.SavePaths.push_back("");
    Open(demoPath);
    EXPECT_EQ(window->Document().Segments[0].Tunnel, edited);

    // Yes and a save: the edit is in the saved file, and the track is opened afresh.
    const std::string saved = folder.Path("saved.kvtrack");
    dialogs.Answers.push_back(MessageAnswer::Yes);
    dialogs.SavePaths.push_back(QString::fromStdString(saved));
    Open(demoPath);
    TrackDocument onDisk;
    ASSERT_TRUE(LoadTrackFile(onDisk, saved));
    EXPECT_EQ(onDisk.Segments[0].Tunnel, edited);
    EXPECT_NE(window->Document().Segments[0].Tunnel, edited);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_EQ(window->History().Stack().count(), 0); // no undo back into the other file
}

TEST_F(MainWindowTest, SaveAsWritesAndClearsTheStar) {
    Open(demoPath);
    EditFirstSegment();

    // A failed save names the file and keeps the name, the caption and the star.
    const std::string blocked = folder.MakeFolder("taken.kvtrack");
    folder.Write("taken.kvtrack/inside", {1});
    dialogs.SavePaths.push_back(QString::fromStdString(blocked));
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Title, "Error!");
    EXPECT_TRUE(dialogs.Messages[0].Text.contains("taken.kvtrack"));
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
    EXPECT_EQ(window->State().CurrentFileName, demoPath);

    const auto& request = dialogs.SaveRequests.back();
    EXPECT_EQ(request.Title, "Save Track File As...");
    EXPECT_TRUE(request.OverwritePrompt);
    EXPECT_EQ(request.FileName, QString::fromStdString(demoPath));

    // A name typed with another extension shows as typed; the file gets ".kvtrack".
    dialogs.SavePaths.push_back(QString::fromStdString(folder.Path("Copy.txt")));
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    EXPECT_EQ(Caption(), "Kavrano Tornelle - Copy.txt");
    EXPECT_FALSE(window->State().bTrackModified);
    TrackDocument back;
    ASSERT_TRUE(LoadTrackFile(back, folder.Path("Copy.txt.kvtrack")));
    EXPECT_EQ(back.Segments, window->Document().Segments);

    // A cancelled dialog changes nothing.
    EditFirstSegment();
    dialogs.SavePaths.push_back("");
    window->ToolBar_ButtonClick(frmMain::CmdSaveAs);
    EXPECT_TRUE(window->State().bTrackModified);
}

// In look mode Ctrl+S steers the camera instead (EditFidelityTest).
TEST_F(MainWindowTest, CtrlSSavesInPlace) {
    const auto ctrlS = [this] { QTest::keyClick(&window->View(), Qt::Key_S, Qt::ControlModifier); };
    ctrlS(); // nothing loaded
    Open(demoPath);
    EditFirstSegment();
    const bool edited = window->Document().Segments[0].Tunnel;
    ctrlS();
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_TRUE(dialogs.SaveRequests.empty());
    EXPECT_TRUE(dialogs.Messages.empty());
    TrackDocument onDisk;
    ASSERT_TRUE(LoadTrackFile(onDisk, demoPath));
    EXPECT_EQ(onDisk.Segments[0].Tunnel, edited);
    window->History().Stack().undo(); // leaves the saved step
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");

    // A failed save is shown and keeps the star.
    std::filesystem::remove(demoPath);
    folder.MakeFolder("demo.kvtrack");
    folder.Write("demo.kvtrack/inside", {1});
    ctrlS();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Title, "Error!");
    EXPECT_TRUE(dialogs.Messages[0].Text.contains("demo.kvtrack"));
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo*");
}

TEST_F(MainWindowTest, ClosingAsksAndKeepsUnsavedWork) {
    Open(demoPath);
    const std::string ride = folder.Path("program/$Tornelle$.kvtrack");
    folder.Write("program/$Tornelle$.kvtrack", {1});

    EditFirstSegment();
    dialogs.Answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(TryClose());
    dialogs.Answers.push_back(MessageAnswer::Yes);
    dialogs.SavePaths.push_back(""); // the save is cancelled: the window stays
    EXPECT_FALSE(TryClose());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(ride));

    dialogs.Answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(TryClose());
    EXPECT_FALSE(std::filesystem::exists(ride)); // the ride file goes with the window
    EXPECT_EQ(dialogs.Messages.size(), 3u);
}

TEST_F(MainWindowTest, LaysOutInTwips) {
    window->resize(mTwips::TwipsToPixels(mMain::kClientWidth),
                   mTwips::TwipsToPixels(mMain::kClientHeight));
    QApplication::processEvents();
    EXPECT_EQ(mTwips::GeometryInTwips(window->View()), QRect(1740, 480, 10140, 5715));
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
        EXPECT_EQ(mTwips::GeometryInTwips(window->Panels().conSegStyle(i)),
                  QRect(0, 6255, 11880, 2235));
    EXPECT_EQ(mTwips::GeometryInTwips(window->Panels().conTrackSetting()),
              QRect(0, 4080, 1695, 2115));

    window->resize(1000, 800); // 15000 x 12000 twips
    QApplication::processEvents();
    EXPECT_EQ(mTwips::GeometryInTwips(window->View()), QRect(1740, 480, 15000 - 1740, 9225));
    EXPECT_EQ(mTwips::GeometryInTwips(window->Panels().conTrackSetting()).top(), 7590);

    window->resize(60, 100); // 900 x 1500 twips
    QApplication::processEvents();
    EXPECT_EQ(window->View().width(), 0);
    EXPECT_EQ(window->View().height(), 0);
    EXPECT_EQ(mTwips::GeometryInTwips(window->Panels().conTrackSetting()).top(), 480);
}
