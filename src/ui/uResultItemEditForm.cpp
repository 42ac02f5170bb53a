#include "ui/uResultItemEditForm.h"

#include "foundation/uArUtils.h"
#include "library/uSongData.h"
#include "ui/uNamed.h"
#include "ui/uPositionTimeValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Only music has an audio file the director may point elsewhere.
const QString kMusicCategory = QStringLiteral("1");

} // namespace

TResultItemEditForm::TResultItemEditForm(const TResultSongData& position, QWidget* parent)
    : QDialog(parent), lblArtist(Named(new QLabel(position.ArtistName, this), "lblArtist")),
      lblTitle(Named(new QLabel(position.Title, this), "lblTitle")),
      edtInfo(Named(new QLineEdit(position.Title, this), "edtInfo")),
      edtHour(Named(new QLineEdit(this), "edtHour")),
      chbHour(Named(new QCheckBox(QStringLiteral("Dokładna godzina"), this), "chbHour")),
      edtTime(Named(new QLineEdit(this), "edtTime")),
      lblFileName(Named(new QLabel(QStringLiteral("Plik muzyczny:"), this), "lblFileName")),
      edtFileName(Named(new QLineEdit(position.FullFileName(), this), "edtFileName")),
      btnOK(Named(new QPushButton(QStringLiteral("OK"), this), "btnOK")),
      btnCancel(Named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel")) {
    setWindowTitle(QStringLiteral("Edycja utworu"));

    TPositionTimeValidator::Apply(*edtHour, true);
    TPositionTimeValidator::Apply(*edtTime, false);
    edtHour->setText(FormatDurationMs(position.Hour, true));
    edtTime->setText(FormatDurationMs(position.SongTime, false));
    chbHour->setChecked(position.OwnHour);
    lblTitle->setVisible(!position.Blank);
    edtInfo->setVisible(position.Blank);
    const bool music = position.Category == kMusicCategory;
    lblFileName->setVisible(music);
    edtFileName->setVisible(music);
    lblArtist->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    edtFileName->setMinimumWidth(360);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Wykonawca:"), this), 0, 0);
    fields->addWidget(lblArtist, 0, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Tytuł:"), this), 1, 0);
    fields->addWidget(lblTitle, 1, 1, 1, 2);
    fields->addWidget(edtInfo, 1, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Godzina:"), this), 2, 0);
    fields->addWidget(edtHour, 2, 1);
    fields->addWidget(chbHour, 2, 2);
    fields->addWidget(new QLabel(QStringLiteral("Czas:"), this), 3, 0);
    fields->addWidget(edtTime, 3, 1);
    fields->addWidget(lblFileName, 4, 0);
    fields->addWidget(edtFileName, 4, 1, 1, 2);
    fields->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    btnOK->setEnabled(false);
    btnOK->setDefault(true);
    const auto enableOk = [this] { btnOK->setEnabled(true); };
    connect(edtHour, &QLineEdit::textChanged, this, enableOk);
    connect(edtTime, &QLineEdit::textChanged, this, enableOk);
    connect(edtFileName, &QLineEdit::textChanged, this, enableOk);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TPositionEdit TResultItemEditForm::Edit() const {
    return {ParseDurationMs(edtTime->text(), false), edtFileName->text(), chbHour->isChecked(),
            ParseDurationMs(edtHour->text(), true), edtInfo->text()};
}
