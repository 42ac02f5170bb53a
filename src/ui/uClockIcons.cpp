#include "ui/uClockIcons.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace {

struct TKindLook {
    QChar Letter;
    QColor Tile;
};

TKindLook LookOf(int kind) {
    switch (kind) {
    case otCategory:
        return {QLatin1Char('K'), QColor(0x2e, 0x7d, 0x32)};
    case otPlayList:
        return {QLatin1Char('L'), QColor(0x15, 0x65, 0xc0)};
    case otBlank:
        return {QLatin1Char('P'), QColor(0x61, 0x61, 0x61)};
    case otBroadcast:
        return {QLatin1Char('A'), QColor(0xc6, 0x28, 0x28)};
    case otBroadcastItem:
        return {QChar(0x2022), QColor(0xef, 0x6c, 0x00)};
    default:
        return {QLatin1Char('?'), QColor(0x9e, 0x9e, 0x9e)};
    }
}

QIcon PaintIcon(int kind) {
    const TKindLook look = LookOf(kind);
    QPixmap tile(16, 16);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.Tile);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(tile.rect(), Qt::AlignCenter, look.Letter);
    return QIcon(tile);
}

} // namespace

QIcon ClockKindIcon(int kind) {
    static QHash<int, QIcon> icons;
    auto found = icons.find(kind);
    if (found == icons.end())
        found = icons.insert(kind, PaintIcon(kind));
    return *found;
}
