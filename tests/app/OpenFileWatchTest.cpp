// Another program's changes to the open track: kvtrack's save by rename and a delete followed
// by a write, into the unedited and the edited track; the editor's own saves; a deleted track.
#include "MainWindowFixture.h"
#include "ModalAnswer.h"

#include <QDialog>
#include <QProcess>

#include <filesystem>
#include <optional>

using namespace mKavrano_TrackIO_1_3;

namespace {

// How long the editor may take to take in another program's change.
constexpr int kReactMs = 2000;
// Past the settling time of a change: a second reaction would have come by then.
constexpr int kQuietMs = 1000;

// Another program's safe save: kvtrack set IN OUT with `args`.
void KvtrackSet(const std::string& in, const std::string& out, const QStringList& args) {
    const QStringList files = {QString::fromStdString(in), QString::fromStdString(out)};
    ASSERT_EQ(QProcess::execute(TORNELLE_KVTRACK, QStringList{"set"} + files + args), 0);
}

} // namespace

// The other program writes twice in a row, the second time the tunnel flag of the segment
// selected too. Unedited, the track is read again with nothing asked; edited, the
// question comes once and Keep keeps the edit. Either way the camera and selection stay, and
// the editor's own Ctrl+S afterwards is no change of another program's.
TEST_F(MainWindowTest, AnotherProgramsSaveReloadsAnUneditedTrackAndAsksOnceAboutAnEditedOne) {
    enum How { Rename, DeleteThenWrite };
    const std::tuple<How, std::optional<MessageAnswer>> cases[] = {
        {Rename, std::nullopt},                 // not edited: nothing asked
        {DeleteThenWrite, std::nullopt},        //
        {Rename, MessageAnswer::Reload},        //
        {DeleteThenWrite, MessageAnswer::Keep}, // last: it leaves an edit to save
    };
    size_t questions = 0;
    int row = 0;
    for (const auto& [how, answer] : cases) {
        const std::string name = "track" + std::to_string(row++);
        const std::string path = folder.Path(name + ".kvtrack");
        std::filesystem::copy_file(demoPath, path);
        Open(path);
        window->Camera().CamPos = {1, 2, 3};
        SelectOnly({0});
        if (answer) {
            window->Panels().chkMainColors().click();
            dialogs.Answers.push_back(*answer);
            ++questions;
        }
        const std::vector<TrackSegment> edited = window->Document().Segments;

        const std::string other = folder.Path("other.kvtrack");
        KvtrackSet(path, other, {"--segments", "0,1", "Tunnel=true"});
        KvtrackSet(path, path, {"--segments", "1", "Tunnel=true"});
        QTest::qWait(50); // the editor hears of the first write before the second
        if (how == Rename) {
            std::filesystem::rename(other, path);
        } else {
            std::filesystem::remove(path);
            folder.Write(name + ".kvtrack", TempFolder::Read(other));
        }
        const bool bReloads = answer != MessageAnswer::Keep;
        const std::vector<TrackSegment> shown = bReloads ? SegmentsIn(path) : edited;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return dialogs.Messages.size() == questions && window->Document().Segments == shown;
            },
            kReactMs));
        QTest::qWait(kQuietMs);
        EXPECT_EQ(dialogs.Messages.size(), questions);
        EXPECT_EQ(window->Camera().CamPos, (Vector3D{1, 2, 3}));
        EXPECT_EQ(Selected(), Flags({0}));
        EXPECT_EQ(window->Panels().chkMainTunnel().isChecked(), bReloads);
        EXPECT_EQ(window->History().Stack().count(), bReloads ? 0 : 1);
        const QString caption = QString::fromStdString("Kavrano Tornelle - " + name);
        EXPECT_EQ(Caption(), bReloads ? caption : caption + "*");

        window->Panels().chkMainTunnel().click();
        const int steps = window->History().Stack().count();
        QTest::keyClick(&window->View(), Qt::Key_S, Qt::ControlModifier);
        QTest::qWait(kQuietMs);
        EXPECT_EQ(window->History().Stack().count(), steps) << "nothing read back";
        EXPECT_EQ(SegmentsIn(path), window->Document().Segments);
        EXPECT_EQ(Caption(), caption);
    }
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[1].Text, "\u201Ctrack3\u201D was changed by another program. Reload "
                                        "it and lose your changes, or keep your changes?");
    EXPECT_EQ(dialogs.Messages[1].Title, "File Changed...");

    // A write just before Ctrl+S, inside the settling time, is looked at before the save: the
    // question comes at once, and Keep puts the editor's document over the other program's.
    const std::string last = folder.Path("track3.kvtrack");
    window->Panels().chkMainColors().click();
    dialogs.Answers.push_back(MessageAnswer::Keep);
    KvtrackSet(last, last, {"--segments", "2", "Tunnel=true"});
    QTest::keyClick(&window->View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.Messages.size(), 3u);
    QTest::qWait(kQuietMs);
    EXPECT_EQ(dialogs.Messages.size(), 3u);
    EXPECT_EQ(SegmentsIn(last), window->Document().Segments);
}

// Deleted while a dialog is open, the track gets its "*" only once the dialog has closed; then
// closing asks to save it. Written again, the unedited track is read back with nothing asked.
TEST_F(MainWindowTest, ADeletedTrackGetsItsStarAfterTheDialogAndClosingAsks) {
    QDialog modal(window.get());
    AnswerNextModal([&](QWidget& shown) {
        std::filesystem::remove(demoPath);
        QTest::qWait(kQuietMs);
        EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
        shown.close();
    });
    modal.exec();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Caption() == "Kavrano Tornelle - demo*"; }, kReactMs));
    dialogs.Answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Title, "Unsaved Changes...");

    TrackDocument changed = MakeDemoTrack();
    changed.Segments[0].Tunnel = true;
    ASSERT_TRUE(SaveTrackFile(changed, demoPath).Saved);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Segment(0).Tunnel; }, kReactMs));
    EXPECT_EQ(Caption(), "Kavrano Tornelle - demo");
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}
