#pragma once

#include "dayplan/uPlayListEdits.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TResultSongData;

// "Edycja utworu": the start, length, fixed-hour mark, audio file and (for a blank) the text
// of one play-list position. OK stays disabled until the time, the start or the file changes;
// the other fields are taken only together with such a change.
class TResultItemEditForm final : public QDialog {
    Q_OBJECT
public:
    explicit TResultItemEditForm(const TResultSongData& position, QWidget* parent = nullptr);

    // The fields as they stand.
    TPositionEdit Edit() const;

private:
    // Named after their members (objectName).
    QLabel* lblArtist;
    QLabel* lblTitle;
    QLineEdit* edtInfo;
    QLineEdit* edtHour;
    QCheckBox* chbHour;
    QLineEdit* edtTime;
    QLabel* lblFileName;
    QLineEdit* edtFileName;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
