#pragma once

#include <QString>
#include <vector>

// A record label whose songs the draw never picks. The id (of the library's labels table) is
// what the draw compares; the text is only what the settings window shows.
struct TDisabledLabel {
    QString Text;
    int Id = -1;

    bool operator==(const TDisabledLabel&) const = default;
};

inline const QString DisabledLabelsFileName = QStringLiteral("etykiety.xml");

// The label blockades of "etykiety.xml", sorted by text (letter case ignored).
class TArDisabledLabels {
public:
    // Replaces the list by the file's. A missing file is silent and leaves no label disabled;
    // an unreadable one is reported, keeping what was read. Returns whether the file was read.
    bool Load();
    // Writes the file only when something changed; a failure is reported. The changed flag is
    // cleared either way. Returns false only when writing failed.
    bool Save();

    int Count() const { return static_cast<int>(FLabels.size()); }
    // Out of range throws std::out_of_range.
    QString LabelText(int index) const { return FLabels.at(index).Text; }
    int LabelId(int index) const { return FLabels.at(index).Id; }
    const std::vector<TDisabledLabel>& Labels() const { return FLabels; }

    // Whether songs of the label are refused. -1 is "no label" in a song, so it is never
    // disabled, not even by an entry read without an id.
    bool IsDisabled(int labelId) const;
    // A song carries two label ids; it is refused when either is disabled.
    bool IsAnyDisabled(int labelId1, int labelId2) const {
        return IsDisabled(labelId1) || IsDisabled(labelId2);
    }

    // Takes the whole list (sorted here) and marks the change.
    void Replace(std::vector<TDisabledLabel> labels);

    bool Changed() const { return FChanged; }
    void MarkChanged() { FChanged = true; }

private:
    void SetLabels(std::vector<TDisabledLabel> labels);

    std::vector<TDisabledLabel> FLabels;
    // The ids of FLabels, sorted, for the draw's lookups.
    std::vector<int> FIds;
    bool FChanged = false;
};
