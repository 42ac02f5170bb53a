#pragma once

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

class TReportLibrary;
struct TReportChars;
struct TReportSong;

// The characteristics filter of a category slot: the values chosen in its clock row, its
// labels and how they are joined, and what a song must be to be drawn for it.
//
// Meaning (as the slot's candidate query draws songs):
// - characteristics: within a kind the values are alternatives; the kinds are joined by AND
//   when Any is set, else by OR. A song matches by its combination row of "chars". When no row
//   of "chars" matches the chosen values at all, the draw's query carries no characteristics
//   condition, so every song passes it;
// - labels: a song carries a label when either of its two labels is it; with both labels set
//   it must carry both (Any) or one of them; a name not in the labels table sets no condition;
// - years: the song's year is one of the "Lata" values (a text "1980-1989" a range, "1985",
//   "-1985" or "1985-" that year; a text that is no year sets no condition);
// - the three parts are joined by AND.
struct TSlotFilter {
    // Value ids of "Typ", "Tempo", "Język", "Nastrój", "Wokal", in this order.
    std::array<std::vector<int>, 5> Kinds{};
    std::vector<int> YearIds{};
    bool Any = true;
    QString Lab1{};
    QString Lab2{};

    bool operator==(const TSlotFilter&) const = default;
};

// Checks songs against slot filters; what a filter finds in "chars" is worked out once.
class TSlotFilterCheck {
public:
    // The library must outlive the object. Store errors throw SQLite::Exception.
    explicit TSlotFilterCheck(TReportLibrary& library) : Library(library) {}

    bool Matches(const TSlotFilter& filter, const TReportSong& song);

private:
    TReportLibrary& Library;
    // Whether any combination matches the kinds, by the kinds and the join.
    std::map<std::pair<std::array<std::vector<int>, 5>, bool>, bool> AnyRowMatches;

    bool CharsMatch(const TSlotFilter& filter, const TReportSong& song);
    bool LabelsMatch(const TSlotFilter& filter, const TReportSong& song);
};

// Whether the kinds' values admit the combination (every kind without values aside; false when
// no kind has values).
bool KindsAdmit(const std::array<std::vector<int>, 5>& kinds, bool any, const TReportChars& row);

// The years a "Lata" value text stands for, as [From, To]; nothing for a text that is no year.
struct TYearSpan {
    int From = 0;
    int To = 0;
    bool operator==(const TYearSpan&) const = default;
};
std::optional<TYearSpan> YearSpanOfText(const QString& text);
