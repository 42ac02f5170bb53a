#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// One song or artist asked about in the statistics window: the name it is shown by and its id
// in the library.
struct TStatEntry {
    QString Name;
    int Id = -1;

    bool operator==(const TStatEntry&) const = default;
};

using TStatEntries = QList<TStatEntry>;

// The statistics window tells apart this many items at most (one colour each).
inline constexpr int MaxStatEntries = 20;

// The entries of the selected rows 0..count-1, in order; `entryAt` gives none for a row that is
// to be left out. When a (MaxStatEntries + 1)-th entry would be added, asks whether to go on
// with the first MaxStatEntries: true with those on Yes, false and no entries on No. Rows past
// that one are never read, so a selection of thousands costs no more than one of 21.
bool CollectStatEntries(int count, const std::function<std::optional<TStatEntry>(int)>& entryAt,
                        TStatEntries& entries);

inline const QString kStatLimitQuestion =
    QStringLiteral("Zostanie pokazane jedynie %d pozycji z pośród zaznaczonych. Czy kontynuować?");
