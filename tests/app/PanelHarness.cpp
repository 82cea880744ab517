#include "PanelHarness.h"

#include "PanelFill.h"
#include "SelectionSummary.h"
#include "ucContainer.h"

#include <QLineEdit>
#include <QTest>

namespace {

mKavrano_TrackIO_1_3::TrackDocument DocumentOfTypes(std::initializer_list<int32_t> types) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    for (const int32_t type : types) {
        mKavrano_TrackIO_1_3::TrackSegment segment;
        segment.SegmentType = type;
        doc.Segments.push_back(segment);
    }
    doc.SegmentCount = int32_t(doc.Segments.size());
    return doc;
}

} // namespace

void ScriptedDialogs::ShowCriticalMessage(const QString& text, const QString&) {
    ADD_FAILURE() << "unexpected message " << text.toStdString();
}

void ScriptedDialogs::ShowExclamationMessage(const QString& text, const QString&) {
    ADD_FAILURE() << "unexpected message " << text.toStdString();
}

MessageAnswer ScriptedDialogs::AskYesNoCancel(const QString& text, const QString&) {
    ADD_FAILURE() << "unexpected question " << text.toStdString();
    return MessageAnswer::Cancel;
}

bool ScriptedDialogs::ShowOpenDialog(mFileDialog::FileDialogRequest&) {
    ADD_FAILURE() << "unexpected open dialog";
    return false;
}

bool ScriptedDialogs::ShowSaveDialog(mFileDialog::FileDialogRequest&) {
    ADD_FAILURE() << "unexpected save dialog";
    return false;
}

bool ScriptedDialogs::ShowColorDialog(int32_t& colour) {
    ColoursOffered.push_back(colour);
    if (ColourAnswers.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    const std::optional<int32_t> answer = ColourAnswers.front();
    ColourAnswers.pop_front();
    colour = answer.value_or(-1);
    return answer.has_value();
}

void ScriptedDialogs::ShowAboutBox() {
    ADD_FAILURE() << "unexpected about box";
}

PanelHarness::PanelHarness(std::initializer_list<int32_t> types)
    : PanelHarness(DocumentOfTypes(types)) {}

PanelHarness::PanelHarness(mKavrano_TrackIO_1_3::TrackDocument document)
    : doc(std::move(document)), view(new QWidget(&window)), context{doc,
                                                                    trace,
                                                                    state,
                                                                    dialogs,
                                                                    [this] {
                                                                        ++focusCount;
                                                                        view->setFocus();
                                                                    },
                                                                    {}},
      panels(&window), editors(context, panels) {
    Start();
}

void PanelHarness::Start() {
    trace.TracedSegmentCount = doc.SegmentCount;
    trace.SegmentSelected.assign(size_t(doc.SegmentCount), false);
    state.CurrentFileName = kFileName;
    state.bTrackLoaded = true;
    mMain::UpdateTitle(state);
    view->setObjectName("pbOpenGL");
    view->setFocusPolicy(Qt::StrongFocus);
    view->setGeometry(120, 40, 200, 200);
    window.resize(700, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void PanelHarness::Select(std::initializer_list<int> indexes) {
    trace.SegmentSelected.assign(size_t(doc.SegmentCount), false);
    for (const int i : indexes)
        trace.SegmentSelected.at(size_t(i)) = true;
}

void PanelHarness::Fill() {
    state.bUpdatingControls = true;
    const int32_t first = mMain::FirstSelectedSegment(trace);
    const int32_t type = first < 0 ? SettingsPanels::kEmptyPanel : Segment(first).SegmentType;
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
        panels.conSegStyle(i).setVisible(i == type);
    if (mMain::CountSelectedSegments(trace) == 1)
        mMain::ShowSegmentSettings(context, panels, first);
    else
        mMain::ShowSelectedSegmentSettings(context, panels);
    state.bUpdatingControls = false;
}

void PanelHarness::TypeAndEnter(const QString& box, const QString& text) {
    auto& edit = Find<QLineEdit>(box);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}
