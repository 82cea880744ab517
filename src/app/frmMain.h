#pragma once

// The main window: start-up, the toolbar's commands, layout and shut-down. It owns the
// program's one document, tracer state, camera and flags, and the controls that show them.

#include "AppContext.h"
#include "Camera3D.h"
#include "EditHistory.h"
#include "MainState.h"
#include "RideTrack.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace mMain {
class OpenFileWatch;
}
class OpenGLView;
class RidePreviewWindow;
class SettingsPanels;
class SegmentEditors;
class SharedRide;
class SegmentTableWindow;
class UserDialogs;
class ucToolBar;

struct frmMainOptions {
    UserDialogs* Dialogs = nullptr;   // null: the platform's dialogs, owned by the window
    QString ProgramFolder;            // empty: the folder of the executable
    QString Simulator;                // tornelle --simulator PATH; empty: none
    std::function<void()> EndProgram; // null: the process ends at once
};

class frmMain : public QWidget {
    Q_OBJECT

public:
    // The window's commands; the first six are the toolbar's buttons, in the same order. Save
    // has a shortcut only.
    enum Command { CmdOpen, CmdSaveAs, CmdRide, CmdSelectAll, CmdUnselectAll, CmdAbout, CmdSave };

    explicit frmMain(frmMainOptions options = {});
    ~frmMain() override;

    // Start-up; call once the window is shown, since the GL context exists only then. False
    // when there is no context: the error was shown and the program ended.
    bool Form_Load();

    // Runs command Button, a button index or any other Command.
    void ToolBar_ButtonClick(int Button);

    // The Open command after its dialog: asks about unsaved changes, then reads the track or
    // shows the invalid-file message. True when the track was opened.
    bool OpenTrackFile(const QString& path);

    mKavrano_TrackIO_1_3::TrackDocument& Document() { return document; }
    mKV_TraceTrack::TraceState& Trace() { return trace; }
    mCamera3D::CameraState& Camera() { return camera; }
    mMain::MainState& State() { return state; }
    AppContext& Context() { return context; }
    OpenGLView& View() { return *pbOpenGL; }
    ucToolBar& ToolBar() { return *toolBar; }
    SettingsPanels& Panels() { return *panels; }
    RidePreviewWindow& RidePreview() { return *ridePreview; }
    const SharedRide& Ride() const { return *sharedRide; }
    SegmentTableWindow& SegmentTable() { return *segmentTable; }
    mMain::EditHistory& History() { return history; }

    // Shows the panel that matches the selection, sets the buttons that depend on it and
    // selects the segment table's rows.
    void UpdateSettingsPanels();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateToolBarButtons();
    void CreateShortcuts();
    // A window-wide shortcut that runs `command` outside look mode and while the command is
    // enabled; in look mode the keys the camera takes go to the view.
    void AddWindowShortcut(const QKeySequence& keys, Command command);
    // Whether `command` may run now: its button is enabled and its shortcut acts only then.
    bool CommandEnabled(Command command) const;
    void Form_Resize();
    // True when the window may close.
    bool Form_Unload();
    // True when the document may be replaced: no unsaved changes, or the user saved them or
    // chose to drop them.
    bool ConfirmUnsavedChanges();
    void OpenCommand();
    // Reads the track at path into the editor, as the file now open, its history cleared; the
    // view is the caller's to refresh. False when it cannot be read: nothing changed.
    bool ReadTrackFile(const QString& path);
    // Reads the file at path, the one open, again after another program changed it, keeping
    // the camera and the selection. False when it cannot be read: nothing changed.
    bool ReloadTrackFile(const QString& path);
    // True when the track was written.
    bool SaveAsCommand();
    // Writes the track back to the file it was opened from or last saved as.
    void SaveCommand();
    // Writes the whole document to path; on success it becomes the current file and the
    // caption loses its "*". A failure is shown and changes nothing. True when written.
    bool SaveTrackTo(const std::string& path);
    void SelectAll(bool selected);
    // F6: rides the lap in the view, or ends the ride; a track without a lap says why.
    void RideAlong();

    frmMainOptions options;
    std::unique_ptr<UserDialogs> ownDialogs;
    mKavrano_TrackIO_1_3::TrackDocument document;
    mKV_TraceTrack::TraceState trace;
    mCamera3D::CameraState camera;
    mMain::MainState state;
    mMain::EditHistory history;
    AppContext context;
    ucToolBar* toolBar;
    OpenGLView* pbOpenGL;
    std::unique_ptr<SettingsPanels> panels;
    std::unique_ptr<SegmentEditors> editors;
    SharedRide* sharedRide;
    RidePreviewWindow* ridePreview;
    SegmentTableWindow* segmentTable;
    mMain::RideSession ride;
    std::unique_ptr<mMain::OpenFileWatch> fileWatch;
};
