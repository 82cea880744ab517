#pragma once

#include <QLineEdit>

// A text box for panel numbers: every typed character goes through mMain::FilterNumericKey,
// so only digits, "-", "." and Backspace reach the text, and Enter is reported instead of
// typed. Keys that type no character (arrows, Delete, Home, End) edit as usual.
class NumericTextBox : public QLineEdit {
    Q_OBJECT

public:
    NumericTextBox(int maxLength, QWidget* parent);

    // True while the box shows typing that was neither filled in nor applied with Enter.
    bool HasUncommittedText() const;
    // The document now holds what the box shows: an editor applied it.
    void MarkCommitted();

signals:
    void EnterPressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString committedText;
};
