#pragma once

#include <QDialog>

class QListView;
class QPushButton;
class QStringListModel;

// "Etykiety": one label picked from the library's labels, the current one selected.
class TLabelChooserDialog final : public QDialog {
    Q_OBJECT
public:
    TLabelChooserDialog(const QStringList& labels, const QString& current,
                        QWidget* parent = nullptr);

    // Empty when none is selected.
    QString Chosen() const;

private:
    QStringListModel* FModel = nullptr;

    // Named after their members (objectName).
    QListView* lvLabels = nullptr;
    QPushButton* btnOK = nullptr;
};
