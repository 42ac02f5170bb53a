#pragma once

#include <QValidator>

class QLineEdit;

// Typing in the masked time boxes of the edit window: "HH:MM:SS.mmm" for a start, "MM:SS.mmm"
// for a length. The first digit of minutes and seconds takes only 0-5; in a start the first
// digit of the hours takes only 0-2, and after a 2 the second digit no 4-9. Places not yet
// typed are accepted.
class TPositionTimeValidator final : public QValidator {
    Q_OBJECT
public:
    TPositionTimeValidator(bool withHours, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // Gives the box its mask and this validator.
    static void Apply(QLineEdit& edit, bool withHours);

private:
    bool FWithHours;
};
