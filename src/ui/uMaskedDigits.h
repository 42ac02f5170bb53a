#pragma once

#include <QString>
#include <optional>

// Reading the digits typed so far into a masked time box.

// The digit at `index` when one has been typed there.
inline std::optional<int> DigitAt(const QString& text, int index) {
    if (index >= text.size() || !text[index].isDigit())
        return std::nullopt;
    return text[index].digitValue();
}

// No digit there yet, or one no higher than `highest`.
inline bool AtMost(const QString& text, int index, int highest) {
    const auto digit = DigitAt(text, index);
    return !digit || *digit <= highest;
}
