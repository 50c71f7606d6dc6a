#include "settings/settings_banner.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// A gear of eight teeth around a hole, centred on the origin.
QPainterPath gear(qreal outer, qreal inner, qreal hole)
{
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal from = (i - 0.5) * M_PI / teeth;
        const qreal to = (i + 0.5) * M_PI / teeth;
        const QPointF a(radius * qCos(from), radius * qSin(from));
        const QPointF b(radius * qCos(to), radius * qSin(to));
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.lineTo(b);
    }
    path.closeSubpath();
    path.addEllipse(QPointF(0, 0), hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

} // namespace

SettingsBanner::SettingsBanner(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(56);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SettingsBanner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();

    QLinearGradient band(r.topLeft(), r.topRight());
    band.setColorAt(0.0, QColor(0x16, 0x3a, 0x5f));
    band.setColorAt(1.0, QColor(0x2b, 0x7a, 0x9e));
    p.fillRect(r, band);

    // Soft rings on the right, so the band is not a flat block.
    p.setPen(QPen(QColor(255, 255, 255, 28), 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(r.right() - 60, r.center().y() + 8), 46, 46);
    p.setPen(QPen(QColor(255, 255, 255, 18), 6));
    p.drawEllipse(QPointF(r.right() - 130, r.top() - 4), 30, 30);

    p.save();
    p.translate(30, r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(gear(17, 13, 5.5));
    p.restore();

    QFont title = font();
    title.setPointSizeF(font().pointSizeF() * 1.45);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF text(58, 6, r.width() - 70, r.height() / 2);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, tr("Settings"));

    QFont sub = font();
    sub.setPointSizeF(font().pointSizeF() * 0.95);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 210));
    p.drawText(QRectF(58, r.height() / 2 + 4, r.width() - 70, r.height() / 2 - 6),
               Qt::AlignLeft | Qt::AlignTop, tr("Company details, display formats and document numbers"));
}
