#pragma once

#include <QString>
#include <QStringList>

// What the import takes from the per-user settings, section "ImportOpt".
struct TImportOptions {
    // What becomes label 1 and label 2 of a song: lsQuality the "Jak" value, lsCode the "Kod"
    // value, anything else nothing.
    int ToLabel1Id = -1;
    int ToLabel2Id = -1;
    // Further directories searched for audio files, in search order.
    QStringList Paths;

    bool operator==(const TImportOptions&) const = default;
};

enum TLabelSource : int { lsNone = -1, lsQuality = 0, lsCode = 1 };

inline const QString kImportOptionsGroup = QStringLiteral("ImportOpt");

// A missing value takes its default; when the section cannot be read, or a value is there but
// is not what it should be, every value takes its default.
TImportOptions LoadImportOptions();
// Writes all three values. False when the settings could not be written; telling the user is
// the caller's business, as only the caller knows what was being saved.
bool SaveImportOptions(const TImportOptions& options);
