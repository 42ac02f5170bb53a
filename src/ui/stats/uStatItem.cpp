#include "ui/stats/uStatItem.h"

#include <array>

QColor StatItemColor(int index) {
    static const std::array<QRgb, 20> colors = {
        0x008000, 0x00FFFF, 0x00FF00, 0xFFFF00, 0x800000, 0xC0C0C0, 0xC0DCC0,
        0x000080, 0x808000, 0x800080, 0x0000FF, 0x808080, 0xFF00FF, 0xFFFFFF,
        0xFF0000, 0x808080, 0xA6CAF0, 0x008080, 0xC0C0C0, 0x000000,
    };
    const auto size = static_cast<int>(colors.size());
    return QColor::fromRgb(colors[static_cast<size_t>(((index % size) + size) % size)]);
}
