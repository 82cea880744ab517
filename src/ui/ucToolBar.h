#pragma once

#include "ToolBarState.h"

#include <QWidget>

// A flat toolbar of 16x16 picture buttons and etched separators placed from left to right.
// The button under the pointer gets a raised bevel, which turns sunken while it is pressed; a
// selected button shows a light backdrop; a disabled one shows its greyed picture and can be
// neither hovered nor clicked. Indexes count buttons from 0 in order of creation; operations
// given an index out of range do nothing.
class ucToolBar : public QWidget {
    Q_OBJECT

public:
    explicit ucToolBar(QWidget* parent = nullptr);

    void CreateButton(const QPixmap& NormalImage, const QPixmap& DisabledImage,
                      const QString& ToolTip);
    void CreateSeparator();
    void ButtonEnabled(int iButton, bool bIsEnabled);
    void ButtonSelected(int iButton, bool bIsSelected);
    bool ButtonIsSelected(int iButton) const;
    bool ButtonIsEnabled(int iButton) const;
    QString ButtonToolTip(int iButton) const;
    int ButtonCount() const;

    // Removes the hover bevel; the owner calls it when the pointer moves over its other
    // controls, since the bar does not notice the pointer leaving.
    void HideMouseOver();

    QSize sizeHint() const override;

signals:
    void ButtonClick(int Button);
    // The button the pointer moved onto, or -1 when the bevel was removed.
    void ButtonHover(int Button);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double-click is no press: a double-click is one click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowMouseOver(int i);
    void DrawButtonDown(int i);
    void DrawButtonUp();

    ToolBarState state;
};
