#pragma once

#include <QString>
#include <QWidget>

// A panel that holds other controls under a title strip: the strip runs across the full width
// at the top, a line lies under it and a thin raised border runs round the edge. Contained
// controls keep the positions their owner gives them (in twips, see Twips.h); resizing the
// panel moves only its own strip and border.
class ucContainer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignment)

public:
    // Title alignments.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignRight = 1;
    static constexpr int kAlignCenter = 2;

    // Height of the title strip.
    static constexpr int kTitleHeightTwips = 210;

    explicit ucContainer(QWidget* parent = nullptr);

    QString Title() const;
    void SetTitle(const QString& sVal);

    int Alignment() const;
    // Values other than the three alignments are ignored.
    void SetAlignment(int aVal);

    // True: the strip takes the active-caption colours; false: the highlight colours (the
    // initial ones).
    void SetInBackground(bool bVal);

signals:
    // The pointer moved over the title strip or the panel's own surface.
    void MouseMoved();
    void TitleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect TitleRect() const;
    bool IsOverTitle(QPoint point) const;

    QString titleText;
    int titleAlignment = kAlignCenter;
    bool bInBackground = false;
    bool bTitlePressed = false;
};
