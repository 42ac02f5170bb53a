#include "ui/uBusyAnimation.h"

#include <QPainter>
#include <QtMath>

namespace {

constexpr int DotCount = 8;
constexpr int FrameMs = 100;

} // namespace

TBusyAnimation::TBusyAnimation(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    FTimer.setInterval(FrameMs);
    connect(&FTimer, &QTimer::timeout, this, [this] {
        FFrame = (FFrame + 1) % DotCount;
        update();
    });
}

void TBusyAnimation::Start() {
    FTimer.start();
}

void TBusyAnimation::Stop() {
    FTimer.stop();
}

void TBusyAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre = rect().center();
    const qreal radius = qMin(width(), height()) / 2.0 - 4;
    const QColor lit = palette().color(QPalette::Highlight);
    for (int i = 0; i < DotCount; ++i) {
        const qreal angle = 2 * M_PI * i / DotCount;
        // The dots behind the lit one fade out, so the ring seems to turn.
        const int age = (FFrame - i + DotCount) % DotCount;
        QColor colour = lit;
        colour.setAlphaF(1.0 - 0.8 * age / (DotCount - 1));
        painter.setBrush(colour);
        painter.drawEllipse(centre + QPointF(radius * qCos(angle), radius * qSin(angle)), 3, 3);
    }
}
