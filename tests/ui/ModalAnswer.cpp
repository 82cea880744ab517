#include "ModalAnswer.h"

#include <QApplication>
#include <QMetaObject>

#include <gtest/gtest.h>

namespace {

// Enough event-loop turns for any dialog to show; a dialog that never shows fails the test
// instead of hanging it.
constexpr int kMaxTurns = 10000;

void TryAnswer(std::function<void(QWidget&)> answer, const QWidget* above, int turnsLeft) {
    QWidget* const modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != above) {
        answer(*modal);
        return;
    }
    if (turnsLeft == 0) {
        ADD_FAILURE() << "no modal dialog was shown";
        return;
    }
    QMetaObject::invokeMethod(
        qApp,
        [answer = std::move(answer), above, turnsLeft]() mutable {
            TryAnswer(std::move(answer), above, turnsLeft - 1);
        },
        Qt::QueuedConnection);
}

} // namespace

void AnswerNextModal(std::function<void(QWidget&)> answer, const QWidget* above) {
    QMetaObject::invokeMethod(
        qApp,
        [answer = std::move(answer), above]() mutable {
            TryAnswer(std::move(answer), above, kMaxTurns);
        },
        Qt::QueuedConnection);
}
