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

// Queued, so that it never runs before the dialog's own loop; again until the dialog shows.
void AnswerQueued(std::function<void(QWidget&)> answer, const QWidget* above,
                  QDeadlineTimer deadline) {
    QMetaObject::invokeMethod(
        qApp,
        [answer = std::move(answer), above, deadline]() mutable {
            QWidget* const modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != above) {
                answer(*modal);
            } else if (deadline.hasExpired()) {
                ADD_FAILURE() << "no modal dialog was shown";
            } else {
                AnswerQueued(std::move(answer), above, deadline);
            }
        },
        Qt::QueuedConnection);
}

} // namespace

void AnswerNextModal(std::function<void(QWidget&)> answer, const QWidget* above) {
    AnswerQueued(std::move(answer), above, QDeadlineTimer(kMaxWaitMs));
}
