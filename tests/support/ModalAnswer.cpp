#include "ModalAnswer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMetaObject>

#include <gtest/gtest.h>

namespace {

// Long enough for any dialog to show on a loaded machine (a count of turns is not: they pass
// faster than a busy display shows a window); a dialog that never shows fails the test
// instead of hanging it.
constexpr int kMaxWaitMs = 30000;

void TryAnswer(std::function<void(QWidget&)> answer, const QWidget* above,
               QDeadlineTimer deadline) {
    QWidget* const modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != above) {
        answer(*modal);
        return;
    }
    if (deadline.hasExpired()) {
        ADD_FAILURE() << "no modal dialog was shown";
        return;
    }
    QMetaObject::invokeMethod(
        qApp,
        [answer = std::move(answer), above, deadline]() mutable {
            TryAnswer(std::move(answer), above, deadline);
        },
        Qt::QueuedConnection);
}

} // namespace

void AnswerNextModal(std::function<void(QWidget&)> answer, const QWidget* above) {
    QMetaObject::invokeMethod(
        qApp,
        [answer = std::move(answer), above]() mutable {
            TryAnswer(std::move(answer), above, QDeadlineTimer(kMaxWaitMs));
        },
        Qt::QueuedConnection);
}
