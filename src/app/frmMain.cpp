#include "frmMain.h"

#include "InputCodes.h"
#include "MainLayout.h"
#include "OpenFileWatch.h"
#include "OpenGLView.h"
#include "PlatformDialogs.h"
#include "RidePreviewWindow.h"
#include "RideTrack.h"
#include "SegmentEditors.h"
#include "SegmentTableWindow.h"
#include "SelectionEdits.h"
#include "SelectionStats.h"
#include "SettingsPanelSwitch.h"
#include "SettingsPanels.h"
#include "SharedRide.h"
#include "TextSafeShortcut.h"
#include "ToolBarPictures.h"
#include "TrackPath.h"
#include "TrackReader.h"
#include "TrackSpine.h"
#include "TrackWriter.h"
#include "Twips.h"
#include "ucContainer.h"
#include "ucToolBar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QIcon>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include <cstdlib>
#include <iterator>

using namespace mKavrano_TrackIO_1_3;

namespace {

// The one local file a drag carries, or "" when it carries anything else.
QString DroppedTrackFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

const char* const kTrackFilter = "Kavrano Track Files (*.kvtrack)|*.kvtrack";

// When a command may run.
enum class EnabledWhen { Always, TrackLoaded, SegmentsSelected };

// Where a command's shortcut acts.
enum class KeysAct {
    OutsideLookMode,  // window-wide, on keys no text box uses; in look mode the view takes them
    OutsideTextBoxes, // except while a text box has the focus: there the keys edit the text
};

constexpr QKeyCombination kNoKeys = Qt::Key_unknown;

struct CommandSpec {
    const char* ToolTip;  // null for a command without a button
    QKeyCombination Keys; // kNoKeys: no shortcut
    KeysAct Scope;
    bool SeparatorAfter;
    EnabledWhen Enabled;
};

// Every command of the window in frmMain::Command order: the buttons first, in the order of
// their pictures. A shortcut acts only while its command is enabled, as its button does.
constexpr CommandSpec kCommands[] = {
    {"Open Track File... (Ctrl+O)", Qt::CTRL | Qt::Key_O, KeysAct::OutsideLookMode, false,
     EnabledWhen::Always},
    {"Save Track File As... (Ctrl+Shift+S)", Qt::CTRL | Qt::SHIFT | Qt::Key_S,
     KeysAct::OutsideLookMode, true, EnabledWhen::TrackLoaded},
    {"Ride Track in Kavrano Simulator", kNoKeys, KeysAct::OutsideLookMode, true,
     EnabledWhen::TrackLoaded},
    {"Select All", Qt::CTRL | Qt::Key_A, KeysAct::OutsideTextBoxes, false,
     EnabledWhen::TrackLoaded},
    {"UnSelect All", Qt::Key_Escape, KeysAct::OutsideTextBoxes, true,
     EnabledWhen::SegmentsSelected},
    {"About Tornelle...", kNoKeys, KeysAct::OutsideLookMode, false, EnabledWhen::Always},
    {nullptr, Qt::CTRL | Qt::Key_S, KeysAct::OutsideLookMode, false, EnabledWhen::TrackLoaded},
};
constexpr int kCommandCount = int(std::size(kCommands));
static_assert(kCommandCount == frmMain::CmdSave + 1, "one row per command");

// The number of leading rows with a button, when no row after them has one; else -1.
constexpr int LeadingButtonCount() {
    int buttons = 0;
    while (buttons < kCommandCount && kCommands[buttons].ToolTip)
        ++buttons;
    for (int i = buttons; i < kCommandCount; ++i) {
        if (kCommands[i].ToolTip)
            return -1;
    }
    return buttons;
}
constexpr int kButtonCount = LeadingButtonCount();
static_assert(kButtonCount == mToolBarPictures::kPictureCount,
              "the buttons lead the table, one for each picture");

mFileDialog::FileDialogRequest TrackFileRequest(const std::string& fileName, const char* title) {
    mFileDialog::FileDialogRequest request;
    request.FileName = QString::fromStdString(fileName);
    request.Filter = kTrackFilter;
    request.FilterIndex = 1;
    request.Title = title;
    request.DefaultExt = "kvtrack";
    return request;
}

// The icon the desktop shows for the program, in the sizes the theme installs.
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tornelle-%1.png").arg(size));
    return icon;
}

} // namespace

frmMain::frmMain(frmMainOptions opts)
    : options(std::move(opts)),
      ownDialogs(options.Dialogs ? nullptr : std::make_unique<PlatformDialogs>(this)),
      history(document, trace, state), context{document,
                                               trace,
                                               state,
                                               options.Dialogs ? *options.Dialogs : *ownDialogs,
                                               [this] { pbOpenGL->setFocus(); },
                                               [this](const QString& name,
                                                      std::vector<mMain::SegmentEdit>&& edits) {
                                                   history.Commit(name, std::move(edits));
                                                   sharedRide->Recompute();
                                               }},
      toolBar(new ucToolBar(this)), pbOpenGL(new OpenGLView(document, trace, camera, this)),
      panels(std::make_unique<SettingsPanels>(this)),
      sharedRide(new SharedRide(document, trace, this)),
      fileWatch(std::make_unique<mMain::OpenFileWatch>(
          context, history, [this](const QString& path) { return ReloadTrackFile(path); })) {
    setObjectName("frmMain");
    toolBar->setObjectName("ToolBar");
    // The toolbar stays reachable above the panels when the window is short.
    toolBar->raise();
    state.CaptionChanged = [this](const std::string& caption) {
        // "[*]" in a file name is text, not the toolkit's placeholder: doubled, Qt shows it once.
        setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
    };
    mTwips::SetGeometryInTwips(*toolBar, 0, 0, mMain::kClientWidth, mMain::kToolBarHeight);
    mTwips::SetGeometryInTwips(*pbOpenGL, mMain::kViewLeft, mMain::kViewTop, 6375, 4635);
    resize(mTwips::TwipsToPixels(mMain::kClientWidth), mTwips::TwipsToPixels(mMain::kClientHeight));

    connect(toolBar, &ucToolBar::ButtonClick, this, &frmMain::ToolBar_ButtonClick);
    connect(pbOpenGL, &OpenGLView::mouseMovedOver, toolBar, &ucToolBar::HideMouseOver);
    connect(pbOpenGL, &OpenGLView::selectionChanged, this, &frmMain::UpdateSettingsPanels);
    pbOpenGL->SetFatalErrorHandler([this](const QString& text, const QString& title) {
        context.Dialogs.ShowCriticalMessage(text, title);
        if (options.EndProgram) {
            options.EndProgram();
        } else {
            std::exit(EXIT_FAILURE);
        }
    });
    editors = std::make_unique<SegmentEditors>(context, *panels);
    ridePreview = new RidePreviewWindow(
        document, *sharedRide, [this](int32_t segment) { pbOpenGL->ClickSegment(segment); }, this);
    pbOpenGL->SetRide(sharedRide->Ride());
    connect(sharedRide, &SharedRide::changed, this,
            [this] { pbOpenGL->SetRide(sharedRide->Ride()); });
    // The panels write nothing while the view rides the track.
    connect(pbOpenGL, &OpenGLView::ridingChanged, this, [this](bool riding) {
        for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i)
            panels->conSegStyle(i).setEnabled(!riding);
        panels->conTrackSetting().setEnabled(!riding);
    });
    segmentTable = new SegmentTableWindow(
        context, *sharedRide,
        [this] {
            UpdateSettingsPanels();
            pbOpenGL->RenderFrame();
        },
        this);
    history.SetRefresh([this] {
        sharedRide->Recompute();
        UpdateSettingsPanels();
        pbOpenGL->RenderFrame();
    });
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    ride.ProgramFolder = (options.ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                          : options.ProgramFolder)
                             .toStdString();
    ride.GivenSimulator = options.Simulator.toStdString();
    CreateShortcuts();
}

frmMain::~frmMain() = default;

bool frmMain::Form_Load() {
    CreateToolBarButtons();
    if (pbOpenGL->SetupOpenGL() < 0)
        return false;
    mCamera3D::ResetCamera(camera);
    mKV_TraceTrack::ResetSpine(trace);
    pbOpenGL->SetViewReady(true);
    state.bTrackLoaded = false;
    mMain::UpdateTitle(state);
    UpdateSettingsPanels();
    Form_Resize();
    return true;
}

void frmMain::CreateToolBarButtons() {
    for (int i = 0; i < kButtonCount; ++i) {
        const mToolBarPictures::PicturePair pictures = mToolBarPictures::LoadPictures(i);
        toolBar->CreateButton(pictures.Normal, pictures.Disabled, kCommands[i].ToolTip);
        if (kCommands[i].SeparatorAfter)
            toolBar->CreateSeparator();
    }
}

bool frmMain::CommandEnabled(Command command) const {
    switch (kCommands[command].Enabled) {
    case EnabledWhen::Always:
        return true;
    case EnabledWhen::TrackLoaded:
        return state.bTrackLoaded;
    case EnabledWhen::SegmentsSelected:
        return mMain::CountSelectedSegments(trace) > 0;
    }
    return false;
}

void frmMain::AddWindowShortcut(const QKeySequence& keys, Command command) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, command] {
        if (camera.LookMode == mCamera3D::kLookOff && CommandEnabled(command))
            ToolBar_ButtonClick(command);
    });
}

void frmMain::CreateShortcuts() {
    for (int i = 0; i < kCommandCount; ++i) {
        const CommandSpec& spec = kCommands[i];
        const auto command = Command(i);
        if (spec.Keys == kNoKeys)
            continue;
        if (spec.Scope == KeysAct::OutsideLookMode) {
            AddWindowShortcut(QKeySequence(spec.Keys), command);
        } else {
            mMain::AddTextSafeShortcut(*this, QKeySequence(spec.Keys), [this, command] {
                if (CommandEnabled(command))
                    ToolBar_ButtonClick(command);
            });
        }
    }
    // A text box with typing not yet applied keeps these keys for its own undo.
    // F5 also closes the preview from its own window.
    auto* preview = new QShortcut(QKeySequence(Qt::Key_F5), this);
    preview->setContext(Qt::ApplicationShortcut);
    connect(preview, &QShortcut::activated, this, [this] { ridePreview->Toggle(); });
    // While riding the view takes F6 itself.
    auto* rideAlong = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(rideAlong, &QShortcut::activated, this, &frmMain::RideAlong);
    // F4 opens and closes the segment table from either window, in and out of look mode.
    mMain::AddTextSafeShortcut(*this, QKeySequence(Qt::Key_F4), [this] {
        segmentTable->Toggle();
    })->setContext(Qt::ApplicationShortcut);
    // Undo and redo act in the segment table's window too.
    for (QWidget* window : {static_cast<QWidget*>(this), static_cast<QWidget*>(segmentTable)}) {
        auto* undo = new QShortcut(QKeySequence::Undo, window);
        connect(undo, &QShortcut::activated, &history.Stack(), &QUndoStack::undo);
        for (const QKeySequence& keys :
             {QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
            auto* redo = new QShortcut(keys, window);
            connect(redo, &QShortcut::activated, &history.Stack(), &QUndoStack::redo);
        }
    }
}

void frmMain::ToolBar_ButtonClick(int Button) {
    switch (Button) {
    case CmdOpen:
        OpenCommand();
        break;
    case CmdSaveAs:
        SaveAsCommand();
        break;
    case CmdRide:
        mMain::RideTrack(context, ride);
        break;
    case CmdSelectAll:
        SelectAll(true);
        break;
    case CmdUnselectAll:
        SelectAll(false);
        break;
    case CmdAbout:
        // The about box reads the driver strings of the view's context.
        pbOpenGL->makeCurrent();
        context.Dialogs.ShowAboutBox();
        break;
    case CmdSave:
        SaveCommand();
        break;
    default:
        break;
    }
}

void frmMain::OpenCommand() {
    mFileDialog::FileDialogRequest request =
        TrackFileRequest(state.CurrentFileName, "Open Track File...");
    request.FileMustExist = true;
    if (!context.Dialogs.ShowOpenDialog(request))
        return;
    OpenTrackFile(request.FileName);
}

bool frmMain::ConfirmUnsavedChanges() {
    if (!state.bTrackModified)
        return true;
    switch (context.Dialogs.AskYesNoCancel(
        "There are unsaved changes to the current track.\r\nSave Changes?", "Unsaved Changes...")) {
    case MessageAnswer::Yes:
        return SaveAsCommand(); // a cancelled or failed save keeps the changes
    case MessageAnswer::No:
        return true;
    default: // Cancel
        return false;
    }
}

bool frmMain::OpenTrackFile(const QString& path) {
    if (!ConfirmUnsavedChanges())
        return false;
    if (ReadTrackFile(path)) {
        mCamera3D::ResetCamera(camera);
        UpdateSettingsPanels();
        pbOpenGL->RenderFrame();
        return true;
    }
    mKV_TraceTrack::ResetSpine(trace);
    sharedRide->Recompute();
    state.bTrackLoaded = false;
    history.Reset(); // the view no longer shows the track its steps would change
    fileWatch->Stop();
    context.Dialogs.ShowExclamationMessage("Error: Invalid Track File!", "Error");
    UpdateSettingsPanels();
    pbOpenGL->RenderFrame();
    return false;
}

bool frmMain::ReadTrackFile(const QString& path) {
    // Read apart, so that a refused file leaves the current document as it was. A track
    // without segments opens empty; one the tracer refuses counts as invalid.
    TrackDocument loaded;
    mKV_TraceTrack::TraceState traced;
    if (!LoadTrackFile(loaded, path.toStdString()) ||
        !(mKV_TraceTrack::TraceTrack(traced, loaded) || loaded.SegmentCount < 1))
        return false;
    document = std::move(loaded);
    trace = std::move(traced);
    state.CurrentFileName = path.toStdString();
    mKV_TraceTrack::BuildSpine(trace, document);
    sharedRide->Recompute(); // ends a ride along before the camera moves
    state.bTrackLoaded = true;
    history.Reset();
    mMain::UpdateTitle(state);
    fileWatch->Follow(path);
    return true;
}

bool frmMain::ReloadTrackFile(const QString& path) {
    const std::vector<bool> selected = trace.SegmentSelected;
    if (!ReadTrackFile(path))
        return false;
    // The camera stays; the selection too, where it still fits the track.
    if (selected.size() == trace.SegmentSelected.size())
        trace.SegmentSelected = selected;
    UpdateSettingsPanels();
    pbOpenGL->RenderFrame();
    return true;
}

bool frmMain::SaveAsCommand() {
    mFileDialog::FileDialogRequest request =
        TrackFileRequest(state.CurrentFileName, "Save Track File As...");
    request.OverwritePrompt = true;
    // The question names the file the writer will write, extension rule applied.
    request.WrittenName = [](const QString& chosen) {
        return QString::fromStdString(WithTrackExtension(chosen.toStdString()));
    };
    if (!context.Dialogs.ShowSaveDialog(request))
        return false;
    return SaveTrackTo(request.FileName.toStdString());
}

void frmMain::SaveCommand() {
    // A change by another program that has not settled yet is looked at first, so that Ctrl+S
    // never writes over it unasked.
    fileWatch->CheckNow();
    SaveTrackTo(state.CurrentFileName);
}

bool frmMain::SaveTrackTo(const std::string& path) {
    const SaveResult saved = SaveTrackFile(document, path);
    if (!saved.Saved) {
        context.Dialogs.ShowExclamationMessage(QString::fromStdString("Error: Unable to save \"" +
                                                                      saved.Path + "\"!\r\n" +
                                                                      saved.Error),
                                               "Error!");
        return false;
    }
    state.CurrentFileName = path;
    mMain::UpdateTitle(state);
    history.MarkSaved();
    fileWatch->Follow(QString::fromStdString(saved.Path));
    return true;
}

void frmMain::SelectAll(bool selected) {
    if (selected) {
        mKV_TraceTrack::SelectAllSegments(trace);
    } else {
        mKV_TraceTrack::UnselectAllSegments(trace);
    }
    UpdateSettingsPanels();
    pbOpenGL->RenderFrame();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        fileWatch->CheckNow();
    }
}

void frmMain::Form_Resize() {
    if (isMinimized())
        return;
    const mMain::MainLayout layout =
        mMain::ComputeMainLayout(mTwips::PixelsToTwips(width()), mTwips::PixelsToTwips(height()));
    mTwips::SetGeometryInTwips(*pbOpenGL, mMain::kViewLeft, mMain::kViewTop, layout.ViewWidth,
                               layout.ViewHeight);
    for (int i = 0; i < SettingsPanels::kSegStylePanels; ++i) {
        mTwips::SetGeometryInTwips(panels->conSegStyle(i), 0, layout.SegStyleTop,
                                   layout.SegStyleWidth, mMain::kSegStyleHeight);
    }
    mTwips::SetGeometryInTwips(panels->conTrackSetting(), 0, layout.TrackSettingTop,
                               mMain::kTrackSettingWidth, mMain::kTrackSettingHeight);
    toolBar->resize(width(), toolBar->height());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool frmMain::Form_Unload() {
    if (!ConfirmUnsavedChanges())
        return false;
    pbOpenGL->ReleaseOpenGL();
    mMain::RemoveRideTracks(ride);
    return true;
}

void frmMain::UpdateSettingsPanels() {
    mMain::UpdateSettingsPanels(context, *panels);
    for (int i = 0; i < kButtonCount; ++i)
        toolBar->ButtonEnabled(i, CommandEnabled(Command(i)));
    segmentTable->FollowSelection();
}

void frmMain::RideAlong() {
    if (pbOpenGL->Riding()) {
        pbOpenGL->EndRideAlong();
    } else if (state.bTrackLoaded && !pbOpenGL->StartRideAlong()) {
        context.Dialogs.ShowExclamationMessage(QString::fromStdString(sharedRide->Ride().NoStart),
                                               "Error!");
    }
}

// Entering and moving over the window answer alike: only one local file is taken.
void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedTrackFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedTrackFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenTrackFile(path);
}
