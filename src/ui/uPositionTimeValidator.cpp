#include "ui/uPositionTimeValidator.h"

#include <QLineEdit>
#include <optional>

namespace {

// The digit at `index` when one has been typed there.
std::optional<int> DigitAt(const QString& text, int index) {
    if (index >= text.size() || !text[index].isDigit())
        return std::nullopt;
    return text[index].digitValue();
}

bool AtMost(const QString& text, int index, int highest) {
    const auto digit = DigitAt(text, index);
    return !digit || *digit <= highest;
}

} // namespace

TPositionTimeValidator::TPositionTimeValidator(bool withHours, QObject* parent)
    : QValidator(parent), FWithHours(withHours) {}

QValidator::State TPositionTimeValidator::validate(QString& input, int&) const {
    const int minutes = FWithHours ? 3 : 0;
    const int seconds = minutes + 3;
    bool valid = AtMost(input, minutes, 5) && AtMost(input, seconds, 5);
    if (FWithHours)
        valid = valid && AtMost(input, 0, 2) && (DigitAt(input, 0) != 2 || AtMost(input, 1, 3));
    return valid ? Acceptable : Invalid;
}

void TPositionTimeValidator::Apply(QLineEdit& edit, bool withHours) {
    edit.setInputMask(withHours ? QStringLiteral("99:99:99.999") : QStringLiteral("99:99.999"));
    edit.setValidator(new TPositionTimeValidator(withHours, &edit));
}
