#pragma once

#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Answers a modal dialog from inside its own event loop: `answer` runs, queued, once a modal
// widget other than `above` is active, so it never runs before the dialog is shown and no
// timer races the loop.
void AnswerNextModal(std::function<void(QWidget&)> answer, const QWidget* above = nullptr);

// The modal widget as T. Anything else fails the test and is closed, so that a wrong dialog
// cannot leave the test waiting.
template <typename T> T* ModalAs(QWidget& widget) {
    T* const typed = qobject_cast<T*>(&widget);
    if (typed == nullptr) {
        ADD_FAILURE() << "unexpected modal " << widget.metaObject()->className();
        widget.close();
    }
    return typed;
}

// Answers the next modal, which must be a T (see ModalAs).
template <typename T>
void AnswerNextModalAs(std::function<void(T&)> answer, const QWidget* above = nullptr) {
    AnswerNextModal(
        [answer](QWidget& modal) {
            if (T* typed = ModalAs<T>(modal))
                answer(*typed);
        },
        above);
}
