#include "ui/clockeditor/uClockTimeDialog.h"

#include "foundation/uArUtils.h"
#include "ui/uDialogButtons.h"
#include "ui/uMaskedDigits.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Minutes and seconds take only 0-5 in their tens place; hours are free.
class TClockTimeValidator final : public QValidator {
public:
    TClockTimeValidator(int hourDigits, QObject* parent)
        : QValidator(parent), FHourDigits(hourDigits) {}

    State validate(QString& input, int&) const override {
        const int minutes = FHourDigits + 1;
        return AtMost(input, minutes, 5) && AtMost(input, minutes + 3, 5) ? Acceptable : Invalid;
    }

private:
    int FHourDigits;
};

QString TimeText(int seconds, int hourDigits) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, hourDigits, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TClockTimeDialog::TClockTimeDialog(TUse use, int seconds, bool ticked, bool wideHours,
                                   QWidget* parent)
    : QDialog(parent), FUse(use), FStartSeconds(seconds), FStartTicked(ticked) {
    setWindowTitle(QStringLiteral("Czas"));
    const int hourDigits = use == TUse::Hour && wideHours ? 3 : 2;
    // A time beyond what the box can show is shown as the most it can hold.
    const int most = (hourDigits == 3 ? 999 : 99) * 3600 + 59 * 60 + 59;
    FStartSeconds = qBound(0, seconds, most);

    edtTime = new QLineEdit(this);
    edtTime->setObjectName(QStringLiteral("edtTime"));
    edtTime->setInputMask(hourDigits == 3 ? QStringLiteral("999:99:99;0")
                                          : QStringLiteral("99:99:99;0"));
    edtTime->setValidator(new TClockTimeValidator(hourDigits, edtTime));
    edtTime->setText(TimeText(FStartSeconds, hourDigits));
    edtTime->setMinimumWidth(120);
    chbExact = new QCheckBox(QStringLiteral("Dokładny czas"), this);
    chbExact->setObjectName(QStringLiteral("chbExact"));
    chbExact->setChecked(ticked);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Czas:"), edtTime);
    fields->addRow(QString(), chbExact);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    btnOK = AddOkCancelButtons(*this, *layout);

    connect(chbExact, &QCheckBox::toggled, this, &TClockTimeDialog::UpdateControls);
    UpdateControls();
}

void TClockTimeDialog::UpdateControls() {
    // A start hour is typed only while it is to be fixed.
    edtTime->setEnabled(FUse == TUse::PlayTime || chbExact->isChecked());
}

int TClockTimeDialog::Seconds() const {
    // The mask's blank is the digit 0, which text() would leave out ("00:03:30" as ":3:3").
    return ParseDurationHMS(edtTime->displayText());
}

bool TClockTimeDialog::Ticked() const {
    return chbExact->isChecked();
}

bool TClockTimeDialog::Changed() const {
    return Seconds() != FStartSeconds || Ticked() != FStartTicked;
}
