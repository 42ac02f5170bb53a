#include "ui/uPositionTimeValidator.h"

#include "ui/uMaskedDigits.h"

#include <QLineEdit>

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
