#pragma once

#include "import/uImportChoices.h"
#include "settings/uCharacteristics.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Nieznana opcja": what a characteristic word of an imported song that is neither a value nor
// an alias stands for: a new value ("Dodaj do listy", preselected), one of the kind's values
// ("Zastąp wartością", optionally remembered), or nothing ("Zignoruj"). The import waits for
// the answer, so only OK closes it.
class TUnknownOptionForm final : public QDialog {
    Q_OBJECT
public:
    // `values`: the kind's values, offered in this order; `question`: the text shown.
    TUnknownOptionForm(const TCharValueList& values, const QString& question,
                       QWidget* parent = nullptr);

    // The choice; ValueId and Always only with uaReplace.
    TUnknownValueAnswer Answer() const;

    // Escape and the window's close button do nothing: there is no "no answer".
    void reject() override {}

private:
    void ShowState();

    // Named after their members (objectName).
    QLabel* lblQuestion = nullptr;
    QRadioButton* rdbAdd = nullptr;
    QRadioButton* rdbReplace = nullptr;
    QComboBox* cmbValues = nullptr;
    QCheckBox* chbAlways = nullptr;
    QRadioButton* rdbIgnore = nullptr;
    QPushButton* btnOK = nullptr;
};
