#include "ColourLegend.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kPadding = 6;
constexpr int kGradientWidth = 160;
constexpr int kGradientHeight = 10;
constexpr int kGradientStops = 32;

// Whole numbers without their ".0", as a legend reads best.
QString LegendNumber(mKV_RidePreview::ColourBy by, double value) {
    if (by == mKV_RidePreview::ColourBy::Speed)
        return QString::number(value, 'f', 0);
    QString text = QString::fromStdString(mKV_RidePreview::SignedTenths(value));
    if (text.endsWith(".0"))
        text.chop(2);
    return text;
}

QColor ToQColor(const mKV_TraceTrack::Colour& c) {
    return QColor::fromRgbF(c.r, c.g, c.b);
}

} // namespace

ColourLegend::ColourLegend(QWidget* parent) : QWidget(parent) {
    setObjectName("wgtColourLegend");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ColourLegend::ShowScale(mKV_RidePreview::ColourBy shownBy,
                             const mKV_RidePreview::ColourScale& shownScale) {
    by = shownBy;
    scale = shownScale;
    title = QString::fromStdString(mKV_RidePreview::ColourByName(by));
    labels = {LegendNumber(by, scale.Low), LegendNumber(by, scale.Centre),
              LegendNumber(by, scale.High)};
    const QFontMetrics metrics = fontMetrics();
    const int width = std::max(metrics.horizontalAdvance(title),
                               kGradientWidth + metrics.horizontalAdvance(labels[2]));
    resize(width + 2 * kPadding, 3 * kPadding + 2 * metrics.height() + kGradientHeight);
    setVisible(by != mKV_RidePreview::ColourBy::SegmentType);
    update();
}

void ColourLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 160));
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(Qt::white);
    painter.drawText(kPadding, kPadding + metrics.ascent(), title);
    const QRect bar(kPadding, 2 * kPadding + metrics.height(), kGradientWidth, kGradientHeight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= kGradientStops; ++i) {
        const double f = double(i) / kGradientStops;
        gradient.setColorAt(f, ToQColor(mKV_RidePreview::ScaleColour(
                                   by, scale, scale.Low + (scale.High - scale.Low) * f)));
    }
    painter.fillRect(bar, gradient);
    const int baseline = bar.bottom() + kPadding / 2 + metrics.ascent();
    painter.drawText(bar.left(), baseline, labels[0]);
    painter.drawText(bar.center().x() - metrics.horizontalAdvance(labels[1]) / 2, baseline,
                     labels[1]);
    painter.drawText(bar.right() - metrics.horizontalAdvance(labels[2]) / 2, baseline, labels[2]);
}
