#pragma once

#include <QDialog>

class QLabel;

// The about box: the program's name and version and the OpenGL driver's vendor, renderer and
// version, read from the context that is current when the box is created (the main window's
// view context; the box creates none of its own).
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void Form_Load();
    void btnOkay_Click();

    QLabel* lblVendor = nullptr;
    QLabel* lblRenderer = nullptr;
    QLabel* lblVersion = nullptr;
};
