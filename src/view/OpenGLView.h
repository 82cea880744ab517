#pragma once

// The 3D view "pbOpenGL": hosts the GL context, draws frames on request, turns keys, mouse
// and its motion timer "tmrMain" into camera motion, picks segments on a left click, names
// the segment under a resting pointer and sums up the selection in a corner. It colours the
// track by the ride preview (C) and rides along the lap, timed by "tmrRide".
// It works on the program's document, tracer state, camera and ride preview; it owns none.

#include "Camera3D.h"
#include "FrameRendering.h"
#include "RideClock.h"
#include "RideColourMaps.h"
#include "RidePreview.h"
#include "SelectionEdits.h"
#include "TrackDocument.h"
#include "TrackTracer.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class ColourLegend;
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

    // The ride preview of the shown track, which outlives the view; call again whenever it
    // changed. A ride along in progress ends.
    void SetRide(const mKV_RidePreview::RidePreview& preview);

    // The track's colouring: the next way in the cycle, and the way now.
    void CycleColouring();
    mKV_RidePreview::ColourBy Colouring() const { return colourBy; }
    const ColourLegend& Legend() const { return *legend; }

    // Rides the lap from its start with the camera on the train; false, doing nothing, when the
    // preview has no lap. Leaving puts the view back on the camera, which the ride never moves.
    bool StartRideAlong();
    void EndRideAlong();
    bool Riding() const { return riding; }
    const mCamera3D::RideClock& RideAlongClock() const { return rideClock; }
    // The rider's view now; meaningful while riding.
    mKV_RidePreview::RidePose RiderPose() const;
    // The line in the top left corner while riding, "lblRideAlong".
    const QLabel& RideLine() const { return *lblRideAlong; }

    // Replaces the steady clock that times motion and rides (tests make time stand still).
    void SetClock(std::function<double()> seconds);

signals:
    // A left click outside look mode picked, changed the selection and redrew the view.
    void selectionChanged();
    // The mouse moved over the view; sent before the camera reacts.
    void mouseMovedOver();
    // A ride along started or ended.
    void ridingChanged(bool riding);

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
    void ShowColouring();
    // The keys of a ride along; every other key does nothing while riding.
    void RideKey(QKeyEvent* event);
    void TickRide();
    void ShowRideLine();
    // The legend in the bottom right corner.
    void PlaceLegend();

    const mKavrano_TrackIO_1_3::TrackDocument& document;
    mKV_TraceTrack::TraceState& trace;
    mCamera3D::CameraState& camera;
    mOGL3D::ViewState view;
    FatalErrorHandler fatalError;
    QTimer* tmrMain;
    QLabel* lblSelection;
    QElapsedTimer clock;
    std::function<double()> fakeClock;
    bool frameOnScreen = false; // the framebuffer holds the frame last drawn on request
    const mKV_RidePreview::RidePreview* ride = nullptr;
    mKV_RidePreview::ColourBy colourBy = mKV_RidePreview::ColourBy::SegmentType;
    std::vector<mKV_TraceTrack::Colour> pointColours; // one per spine point, or none
    ColourLegend* legend;
    QLabel* lblRideAlong;
    QTimer* tmrRide;
    mCamera3D::RideClock rideClock;
    bool riding = false;
};
