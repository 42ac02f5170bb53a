#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Kopia audycji": the name under which a copy of a broadcast is kept.
class TBroadcastCopyDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TBroadcastCopyDialog(const QString& name, QWidget* parent = nullptr);

    QString Name() const;

private:
    // Named after their members (objectName).
    QLineEdit* edtName = nullptr;
    QPushButton* btnOK = nullptr;
};
