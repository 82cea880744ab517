#pragma once

// The 3D view "pbOpenGL": hosts the GL context, draws frames on request, turns keys, mouse
// and its motion timer "tmrMain" into camera motion, picks segments on a left click, names
// the segment under a resting pointer and sums up the selection in a corner.
// It works on the program's document, tracer state and camera; it owns none of them.

#include "Camera3D.h"
#include "FrameRendering.h"
#include "SelectionEdits.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QString>
#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

class OpenGLView : public QOpenGLWidget, private mCamera3D::CameraHost {
    Q_OBJECT

public:
    // Shows a fatal error and ends the program.
    using FatalErrorHandler = std::function<void(const QString& text, const QString& title)>;

    OpenGLView(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
               mKV_TraceTrack::TraceState& traceState, mCamera3D::CameraState& cameraState,
               QWidget* parent = nullptr);

    // The context comes into being when the view is first shown, so call this after showing
    // the window. Without a context the fatal-error handler gets the error and its title, and
    // the result is negative.
    int32_t SetupOpenGL();
    // Replaces the default handler, a critical message box followed by the end of the program.
    void SetFatalErrorHandler(FatalErrorHandler handler);

    // Frames are drawn only once start-up has set up the camera and the spine.
    void SetViewReady(bool ready);
    const mOGL3D::ViewState& View() const { return view; }

    // Draws ground and track now, puts the frame on screen and brings the summary up to date.
    void RenderFrame() override;

    // The pick name under (x, y) in the view's pixels, origin top left: a segment index, the
    // ground's name, or kNoPick. Shows nothing.
    int32_t PickAt(int32_t x, int32_t y);

    // What a left click that picked `name` does with `action` (a plain click toggles that
    // segment's selection, any other name clears it); redraws and sends selectionChanged.
    void ClickSegment(int32_t name,
                      mKV_TraceTrack::ClickAction action = mKV_TraceTrack::ClickAction::Toggle);

    // The line over the scene that sums up the selection, "lblSelection"; hidden without one.
    const QLabel& SelectionLabel() const { return *lblSelection; }

    // Stops drawing and the motion; the context itself goes with the widget.
    bool ReleaseOpenGL();

signals:
    // A left click outside look mode picked, changed the selection and redrew the view.
    void selectionChanged();
    // The mouse moved over the view; sent before the camera reacts.
    void mouseMovedOver();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double-click is no press: a double-click is one click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void SetMotionTimer(bool enabled) override;
    void SetCursorHidden(bool hidden) override;
    void CentreCursor() override;
    double Seconds() override;
    bool DrawCurrentFrame();
    // Home and F: the whole track, or the selected segments, in view.
    void FrameTrack(bool selectedOnly);
    void ShowSegmentTip(const QPoint& at, const QPoint& globalAt);

    const mKavrano_TrackIO_1_3::TrackDocument& document;
    mKV_TraceTrack::TraceState& trace;
    mCamera3D::CameraState& camera;
    mOGL3D::ViewState view;
    FatalErrorHandler fatalError;
    QTimer* tmrMain;
    QLabel* lblSelection;
    QElapsedTimer clock;
    bool frameOnScreen = false; // the framebuffer holds the frame last drawn on request
};
