#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Właściwości audycji": how long a broadcast lasts in this clock, in whole minutes from its
// begin; the end follows the minutes as they are typed.
class TBroadcastPropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    TBroadcastPropertiesDialog(const QString& name, int beginSeconds, int lengthSeconds,
                               QWidget* parent = nullptr);

    int Minutes() const;

private:
    void ShowEnd();

    int FBegin;

    // Named after their members (objectName).
    QSpinBox* edtMinutes = nullptr;
    QLabel* lblEnd = nullptr;
    QPushButton* btnOK = nullptr;
};

// "Reklama o - Właściwości": the title the advertisement blank's position carries.
class TTitleDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TTitleDialog(const QString& title, QWidget* parent = nullptr);

    QString Title() const;

private:
    // Named after their members (objectName).
    QLineEdit* edtTitle = nullptr;
    QPushButton* btnOK = nullptr;
};
