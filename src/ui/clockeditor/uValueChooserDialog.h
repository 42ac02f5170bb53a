#pragma once

#include "clocks/uValueChoice.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

// "Charakterystyka": the values chosen for a characteristic, picked from those offered.
class TValueChooserDialog final : public QDialog {
    Q_OBJECT
public:
    TValueChooserDialog(const QStringList& offered, const QStringList& chosen,
                        QWidget* parent = nullptr);

    const TValueChoice& Choice() const { return FChoice; }

private:
    void ShowChoice();
    void Run(void (TValueChoice::*move)());

    TValueChoice FChoice;

    // Named after their members (objectName).
    QListWidget* lstChosen = nullptr;
    QComboBox* cmbAvailable = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnReplace = nullptr;
    QPushButton* btnOK = nullptr;
};
