#pragma once

#include "SegmentFieldTable.h"

#include <QLineEdit>

#include <optional>

// A text box for panel numbers: every typed character goes through mMain::FilterNumericKey,
// so only digits, "-", "." and Backspace reach the text, and Enter is reported instead of
// typed. Keys that type no character (arrows, Delete, Home, End) edit as usual. The typing
// limit holds for the user only: a fill shows its whole text. Drops are left to the window.
//
// While its text is the one last filled in or applied, the box stands for the exact stored
// value behind that text, not for the parse of the text, so an apply leaves values the user
// did not touch as they were.
class NumericTextBox : public QLineEdit {
    Q_OBJECT

public:
    NumericTextBox(int typingLimit, QWidget* parent);

    int TypingLimit() const { return typingLimit; }

    // A fill: shows the stored value `stored` in `unit`.
    void ShowStored(float stored, mKavrano_TrackIO_1_3::FieldUnit unit);
    // The value an apply stores: the exact value behind an unchanged text, otherwise the parsed
    // text shown in `unit`, stored. The box then counts as applied with that value.
    float ApplyStored(mKavrano_TrackIO_1_3::FieldUnit unit);

    // True while the box shows typing that was neither filled in nor applied.
    bool HasUncommittedText() const;

signals:
    void EnterPressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Narrows the panel's face until eight characters fit the box without scrolling.
    void FitFont();

    int typingLimit;
    QString committedText;
    std::optional<float> committedValue; // none before the first fill
};
