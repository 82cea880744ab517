#pragma once

#include <QLineEdit>

// A text box for panel numbers: every typed character goes through mMain::FilterNumericKey,
// so only digits, "-", "." and Backspace reach the text, and Enter is reported instead of
// typed. Keys that type no character (arrows, Delete, Home, End) edit as usual.
class NumericTextBox : public QLineEdit {
    Q_OBJECT

public:
    NumericTextBox(int maxLength, QWidget* parent);

signals:
    void EnterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
