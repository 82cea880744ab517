#include "OpenGLView.h"

#include "CameraFraming.h"
#include "ColourLegend.h"
#include "InputCodes.h"
#include "Picking.h"
#include "RideOnTrack.h"
#include "SegmentTexts.h"

#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const char* const kContextErrorText = "Error: Unable to get an OpenGL Render Context Handle!";
const char* const kContextErrorTitle = "Error!";

void ShowFatalErrorAndQuit(const QString& text, const QString& title) {
    QMessageBox::critical(nullptr, title, text);
    std::exit(EXIT_FAILURE);
}

bool MovesCamera(int32_t code) {
    using namespace mCamera3D;
    return code == kKeyW || code == kKeyS || code == kKeyA || code == kKeyD || code == kKeyPageUp ||
           code == kKeyPageDown;
}

int32_t ToDevicePixels(double logical, double ratio) {
    return static_cast<int32_t>(std::lround(logical * ratio));
}

int32_t Rounded(double value) {
    return static_cast<int32_t>(std::lround(value));
}

mKV_TraceTrack::ClickAction ClickActionFor(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier)
        return mKV_TraceTrack::ClickAction::AddRange;
    if (modifiers & Qt::ControlModifier)
        return mKV_TraceTrack::ClickAction::ByType;
    return mKV_TraceTrack::ClickAction::Toggle;
}

// A wheel notch is 120 eighths of a degree; turned away from the user it is positive.
constexpr double kWheelNotch = 120.0;

// The ride moves at about the display's rate.
constexpr int kRideTickMilliseconds = 16;

// A line of white text over a translucent backdrop in the view's top left corner, where the
// frame's own pixels stay as drawn.
QLabel* MakeCornerLine(const char* name, QWidget* view) {
    auto* line = new QLabel(view);
    line->setObjectName(name);
    line->setStyleSheet("QLabel { color: white; background: rgba(0, 0, 0, 160); "
                        "padding: 2px 6px; }");
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->move(4, 4);
    line->hide();
    return line;
}

void SetLine(QLabel& line, const QString& text) {
    if (text != line.text()) {
        line.setText(text);
        line.adjustSize();
    }
    line.setVisible(!text.isEmpty());
}

// Keys that, while riding, the ride takes before any window shortcut (Escape's UnSelect All).
bool IsRideKey(int key) {
    return key == Qt::Key_Escape || key == Qt::Key_F6 || key == Qt::Key_Space ||
           key == Qt::Key_Plus || key == Qt::Key_Equal || key == Qt::Key_Minus || key == Qt::Key_C;
}

} // namespace

OpenGLView::OpenGLView(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
                       mKV_TraceTrack::TraceState& traceState, mCamera3D::CameraState& cameraState,
                       QWidget* parent)
    : QOpenGLWidget(parent), document(shownDocument), trace(traceState), camera(cameraState),
      fatalError(ShowFatalErrorAndQuit), tmrMain(new QTimer(this)),
      lblSelection(MakeCornerLine("lblSelection", this)), legend(new ColourLegend(this)),
      lblRideAlong(MakeCornerLine("lblRideAlong", this)), tmrRide(new QTimer(this)) {
    setObjectName("pbOpenGL");
    // Frames are drawn on request; a repaint shows the last one unless it must be redrawn.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    tmrMain->setObjectName("tmrMain");
    tmrMain->setInterval(1);
    connect(tmrMain, &QTimer::timeout, this, [this] { mCamera3D::UpdateCamera(camera, *this); });
    clock.start();
    tmrRide->setObjectName("tmrRide");
    tmrRide->setInterval(kRideTickMilliseconds);
    connect(tmrRide, &QTimer::timeout, this, &OpenGLView::TickRide);
}

int32_t OpenGLView::SetupOpenGL() {
    view.GLContext = isValid() ? mOGL3D::kRenderContextReady : mOGL3D::kNoRenderContext;
    if (view.GLContext < 0)
        fatalError(kContextErrorText, kContextErrorTitle);
    return view.GLContext;
}

void OpenGLView::SetFatalErrorHandler(FatalErrorHandler handler) {
    fatalError = std::move(handler);
}

void OpenGLView::SetViewReady(bool ready) {
    view.ViewReady = ready;
}

bool OpenGLView::DrawCurrentFrame() {
    mOGL3D::FrameLook look{pointColours};
    mKV_RidePreview::RidePose rider;
    if (riding) {
        rider = RiderPose();
        look.Rider = &rider;
    }
    return mOGL3D::DrawFrame(view, camera, trace, document.TrackStyle, look);
}

void OpenGLView::RenderFrame() {
    if (!isValid())
        return;
    makeCurrent();
    if (!DrawCurrentFrame())
        return;
    frameOnScreen = true;
    update();
    if (riding) {
        lblSelection->hide();
        ShowRideLine();
        return;
    }
    lblRideAlong->hide();
    SetLine(*lblSelection,
            QString::fromStdString(mKV_TraceTrack::SelectionSummary(trace, document)));
}

int32_t OpenGLView::PickAt(int32_t x, int32_t y) {
    // Only what a frame would show can be picked, and nothing from the train.
    if (!isValid() || !view.ViewReady || riding)
        return mOGL3D::kNoPick;
    const double ratio = devicePixelRatioF();
    return mOGL3D::PickAt(camera, trace, document.TrackStyle, ToDevicePixels(width(), ratio),
                          ToDevicePixels(height(), ratio), ToDevicePixels(x, ratio),
                          ToDevicePixels(y, ratio));
}

void OpenGLView::FrameTrack(bool selectedOnly) {
    const std::vector<Vector3D> points = mCamera3D::TrackPoints(trace, selectedOnly);
    if (mCamera3D::FrameCamera(camera, points, double(width()) / std::max(height(), 1)))
        RenderFrame();
}

bool OpenGLView::ReleaseOpenGL() {
    view.ViewReady = false;
    tmrMain->stop();
    tmrRide->stop();
    if (view.GLContext > 0) {
        doneCurrent();
        view.GLContext = 0;
    }
    return true;
}

void OpenGLView::initializeGL() {
    mOGL3D::InitGLState();
}

void OpenGLView::resizeGL(int width, int height) {
    const double ratio = devicePixelRatioF();
    mOGL3D::ResizeView(ToDevicePixels(width, ratio), ToDevicePixels(height, ratio),
                       mOGL3D::kViewFovY, mOGL3D::kViewZFar);
    frameOnScreen = false;
    PlaceLegend();
}

void OpenGLView::paintGL() {
    if (!frameOnScreen)
        DrawCurrentFrame();
    frameOnScreen = false;
}

bool OpenGLView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        ShowSegmentTip(help->pos(), help->globalPos());
        return true;
    }
    // In look mode the moving keys steer even with Ctrl or Shift held, so no window shortcut
    // (Ctrl+S, Ctrl+Shift+S) may take them; a ride keeps its own keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((camera.LookMode != mCamera3D::kLookOff &&
             MovesCamera(mCamera3D::KeyCodeFromQt(key))) ||
            (riding && IsRideKey(key))) {
            event->accept();
            return true;
        }
    }
    return QOpenGLWidget::event(event);
}

void OpenGLView::keyPressEvent(QKeyEvent* event) {
    if (riding) {
        RideKey(event);
        return;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && event->key() == Qt::Key_C) {
        CycleColouring();
        return;
    }
    if (plain && (event->key() == Qt::Key_Home || event->key() == Qt::Key_F)) {
        FrameTrack(event->key() == Qt::Key_F);
        return;
    }
    const int32_t code = mCamera3D::KeyCodeFromQt(event->key());
    if (code < 0) {
        QOpenGLWidget::keyPressEvent(event);
        return;
    }
    // A repeat of a held key adds nothing the timer does not already do; on a slow frame the
    // repeats would pile up and keep the camera moving after the release.
    if (!event->isAutoRepeat())
        mCamera3D::Camera_KeyDown(camera, *this, code);
}

void OpenGLView::keyReleaseEvent(QKeyEvent* event) {
    const int32_t code = mCamera3D::KeyCodeFromQt(event->key());
    if (code < 0) {
        QOpenGLWidget::keyReleaseEvent(event);
        return;
    }
    // A held key repeats its press only; the release comes when it is let go.
    if (!event->isAutoRepeat())
        mCamera3D::Camera_KeyUp(camera, code);
}

void OpenGLView::mousePressEvent(QMouseEvent* event) {
    if (riding)
        return;
    const int16_t button = mCamera3D::ButtonFromQt(event->button());
    const QPointF at = event->position();
    if (mCamera3D::Camera_MouseDown(camera, *this, button, static_cast<float>(at.x()),
                                    static_cast<float>(at.y())))
        return;
    if (button != mCamera3D::kButtonLeft)
        return;
    ClickSegment(PickAt(Rounded(at.x()), Rounded(at.y())), ClickActionFor(event->modifiers()));
}

void OpenGLView::ClickSegment(int32_t name, mKV_TraceTrack::ClickAction action) {
    mKV_TraceTrack::ClickSegment(trace, document, name, action);
    RenderFrame();
    emit selectionChanged();
}

void OpenGLView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void OpenGLView::mouseReleaseEvent(QMouseEvent*) {
    mCamera3D::Camera_MouseUp(camera);
}

void OpenGLView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMovedOver();
    const QPointF at = event->position();
    mCamera3D::Camera_MouseMove(camera, *this, static_cast<float>(at.x()),
                                static_cast<float>(at.y()));
}

void OpenGLView::focusOutEvent(QFocusEvent* event) {
    // Keys let go elsewhere never reach the view; held ones would move the camera for ever.
    mCamera3D::ReleaseAllKeys(camera);
    QOpenGLWidget::focusOutEvent(event);
}

void OpenGLView::wheelEvent(QWheelEvent* event) {
    if (riding)
        return;
    const QPoint turn = event->angleDelta();
    // Some systems turn a wheel with Shift held into a sideways one.
    const int eighths = turn.y() != 0 ? turn.y() : turn.x();
    mCamera3D::Camera_Wheel(camera, *this, static_cast<float>(eighths / kWheelNotch),
                            event->modifiers() & Qt::ShiftModifier,
                            event->modifiers() & Qt::ControlModifier);
}

void OpenGLView::ShowSegmentTip(const QPoint& at, const QPoint& globalAt) {
    const int32_t name =
        camera.LookMode == mCamera3D::kLookOff ? PickAt(at.x(), at.y()) : mOGL3D::kNoPick;
    const std::string tip = mKV_TraceTrack::SegmentTooltip(trace, document, name);
    if (tip.empty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(globalAt, QString::fromStdString(tip), this);
    }
}

void OpenGLView::SetMotionTimer(bool enabled) {
    if (!enabled) {
        tmrMain->stop();
    } else if (!tmrMain->isActive()) {
        tmrMain->start();
    }
}

void OpenGLView::SetCursorHidden(bool hidden) {
    if (hidden) {
        setCursor(Qt::BlankCursor);
    } else {
        unsetCursor();
    }
}

double OpenGLView::Seconds() {
    return fakeClock ? fakeClock() : clock.nsecsElapsed() / 1e9;
}

void OpenGLView::SetClock(std::function<double()> seconds) {
    fakeClock = std::move(seconds);
}

void OpenGLView::SetRide(const mKV_RidePreview::RidePreview& preview) {
    ride = &preview;
    if (riding)
        EndRideAlong();
    ShowColouring();
}

void OpenGLView::CycleColouring() {
    colourBy = mKV_RidePreview::NextColourBy(colourBy);
    ShowColouring();
    RenderFrame();
}

void OpenGLView::ShowColouring() {
    if (!ride)
        return;
    pointColours = mKV_RidePreview::SpineColours(colourBy, *ride, trace);
    legend->ShowScale(colourBy, mKV_RidePreview::ScaleOf(colourBy, ride->Peaks));
    PlaceLegend();
}

void OpenGLView::PlaceLegend() {
    legend->move(width() - legend->width() - 4, height() - legend->height() - 4);
}

bool OpenGLView::StartRideAlong() {
    if (riding || !ride || !ride->Started || ride->Samples.empty())
        return false;
    // The camera stays where it is, still, until the ride ends.
    if (camera.LookMode != mCamera3D::kLookOff) {
        camera.LookMode = mCamera3D::kLookOff;
        mCamera3D::ShowMouseCursor(camera, *this);
    }
    mCamera3D::ReleaseAllKeys(camera);
    camera.MouseButton = 0;
    mCamera3D::UpdateCamera(camera, *this); // stops the motion timer
    riding = true;
    mCamera3D::StartRideClock(rideClock, ride->Peaks.Duration, Seconds());
    tmrRide->start();
    setFocus();
    QToolTip::hideText();
    RenderFrame();
    emit ridingChanged(true);
    return true;
}

void OpenGLView::EndRideAlong() {
    if (!riding)
        return;
    riding = false;
    tmrRide->stop();
    RenderFrame();
    emit ridingChanged(false);
}

mKV_RidePreview::RidePose OpenGLView::RiderPose() const {
    if (!ride || !ride->Started || ride->Samples.empty())
        return {};
    return mKV_RidePreview::PoseAt(*ride, trace, rideClock.LapSeconds);
}

void OpenGLView::RideKey(QKeyEvent* event) {
    const double now = Seconds();
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F6:
        EndRideAlong();
        return;
    case Qt::Key_Space:
        mCamera3D::PauseRideClock(rideClock, now);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        mCamera3D::ChangeRideRate(rideClock, now, 1);
        break;
    case Qt::Key_Minus:
        mCamera3D::ChangeRideRate(rideClock, now, -1);
        break;
    case Qt::Key_C:
        CycleColouring();
        return;
    default:
        return;
    }
    if (rideClock.Paused || mCamera3D::RideClockEnded(rideClock)) {
        tmrRide->stop();
    } else {
        tmrRide->start();
    }
    RenderFrame();
}

void OpenGLView::TickRide() {
    mCamera3D::AdvanceRideClock(rideClock, Seconds());
    if (mCamera3D::RideClockEnded(rideClock))
        tmrRide->stop();
    RenderFrame();
}

void OpenGLView::ShowRideLine() {
    if (mCamera3D::RideClockEnded(rideClock)) {
        SetLine(*lblRideAlong, QString::fromStdString(mKV_RidePreview::DescribeRideEnd(*ride)));
        return;
    }
    QString line = QString::fromStdString(
        mKV_RidePreview::DescribeMoment(mKV_RidePreview::MomentAt(*ride, rideClock.LapSeconds)));
    const double rate = mCamera3D::kRideRates[rideClock.RateIndex];
    if (rate != 1.0)
        line += QString::fromUtf8(" · ×") + QString::number(rate);
    if (rideClock.Paused)
        line += QString::fromUtf8(" · paused");
    SetLine(*lblRideAlong, line);
}

void OpenGLView::CentreCursor() {
    const QRect frame = window()->frameGeometry();
    QCursor::setPos(static_cast<int>(std::lround(frame.x() + frame.width() / 2.0)),
                    static_cast<int>(std::lround(frame.y() + frame.height() / 2.0)));
}
