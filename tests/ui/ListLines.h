#pragma once

#include <QListWidget>
#include <QStringList>

// The texts of a list's lines, top to bottom.
inline QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row)
        lines.append(list.item(row)->text());
    return lines;
}
