#include "OpenGLView.h"

#include "InputCodes.h"
#include "Picking.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <cmath>
#include <cstdlib>

namespace {

const char* const ContextErrorText = "Error: Unable to get an OpenGL Render Context Handle!";
const char* const ContextErrorTitle = "Error!";

void ShowFatalErrorAndQuit(const QString& text, const QString& title) {
    QMessageBox::critical(nullptr, title, text);
    std::exit(EXIT_FAILURE);
}

int32_t ToDevicePixels(double logical, double ratio) {
    return static_cast<int32_t>(std::lround(logical * ratio));
}

} // namespace

OpenGLView::OpenGLView(const mKavrano_TrackIO_1_3::TrackDocument& shownDocument,
                       mKV_TraceTrack::TraceState& traceState, mCamera3D::CameraState& cameraState,
                       QWidget* parent)
    : QOpenGLWidget(parent), document(shownDocument), trace(traceState), camera(cameraState),
      fatalError(ShowFatalErrorAndQuit), tmrMain(new QTimer(this)) {
    setObjectName("pbOpenGL");
    // Frames are drawn on request; a repaint shows the last one unless it must be redrawn.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    tmrMain->setObjectName("tmrMain");
    tmrMain->setInterval(1);
    connect(tmrMain, &QTimer::timeout, this, [this] { mCamera3D::UpdateCamera(camera, *this); });
}

int32_t OpenGLView::SetupOpenGL() {
    view.GLContext = isValid() ? mOGL3D::RenderContextReady : mOGL3D::NoRenderContext;
    if (view.GLContext < 0) {
        fatalError(ContextErrorText, ContextErrorTitle);
    }
    return view.GLContext;
}

void OpenGLView::SetFatalErrorHandler(FatalErrorHandler handler) {
    fatalError = std::move(handler);
}

void OpenGLView::SetViewReady(bool ready) {
    view.ViewReady = ready;
}

bool OpenGLView::DrawCurrentFrame() {
    return mOGL3D::DrawFrame(view, camera, trace, document.TrackStyle);
}

void OpenGLView::RenderFrame() {
    if (!isValid()) {
        return;
    }
    makeCurrent();
    if (!DrawCurrentFrame() || view.PickMode) {
        return;
    }
    frameOnScreen = true;
    update();
}

int32_t OpenGLView::PickAt(int32_t x, int32_t y) {
    if (!isValid()) {
        return mOGL3D::NoPick;
    }
    makeCurrent();
    const double ratio = devicePixelRatioF();
    return mOGL3D::PickAt(view, ToDevicePixels(x, ratio), ToDevicePixels(y, ratio),
                          mOGL3D::PickBufferBound(trace), [this] { RenderFrame(); });
}

bool OpenGLView::ReleaseOpenGL() {
    view.ViewReady = false;
    tmrMain->stop();
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
                       mOGL3D::ViewFovY, mOGL3D::ViewZFar);
    frameOnScreen = false;
}

void OpenGLView::paintGL() {
    if (!frameOnScreen) {
        DrawCurrentFrame();
    }
    frameOnScreen = false;
}

void OpenGLView::keyPressEvent(QKeyEvent* event) {
    const int32_t code = mCamera3D::KeyCodeFromQt(event->key());
    if (code < 0) {
        QOpenGLWidget::keyPressEvent(event);
        return;
    }
    mCamera3D::Camera_KeyDown(camera, *this, code);
}

void OpenGLView::keyReleaseEvent(QKeyEvent* event) {
    const int32_t code = mCamera3D::KeyCodeFromQt(event->key());
    if (code < 0) {
        QOpenGLWidget::keyReleaseEvent(event);
        return;
    }
    // A held key repeats its press only; the release comes when it is let go.
    if (!event->isAutoRepeat()) {
        mCamera3D::Camera_KeyUp(camera, code);
    }
}

void OpenGLView::mousePressEvent(QMouseEvent* event) {
    const int16_t button = mCamera3D::ButtonFromQt(event->button());
    const QPointF at = event->position();
    if (mCamera3D::Camera_MouseDown(camera, *this, button, static_cast<float>(at.x()),
                                    static_cast<float>(at.y()))) {
        return;
    }
    if (button != mCamera3D::ButtonLeft) {
        return;
    }
    const int32_t name = PickAt(static_cast<int32_t>(std::lround(at.x())),
                                static_cast<int32_t>(std::lround(at.y())));
    mOGL3D::TogglePickedSegment(trace, name);
    RenderFrame();
    emit selectionChanged();
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

void OpenGLView::CentreCursor() {
    const QRect frame = window()->frameGeometry();
    QCursor::setPos(static_cast<int>(std::lround(frame.x() + frame.width() / 2.0)),
                    static_cast<int>(std::lround(frame.y() + frame.height() / 2.0)));
}
