#pragma once

#include "library/uEntityEditing.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TArFreqGroups;
class TArtistListModel;
class TDBMainBase;

// "Wykonawca": the name of one artist, up to two alias artists and the frequency group, each
// reference taken only while its box is ticked (-1 otherwise). "Wykonawcy": several artists at
// once, their number and only the frequency group.
class TArtistDialog final : public QDialog {
    Q_OBJECT
public:
    // One artist: a new one (`artistId` -1) or the stored artist, showing `fields`. The alias
    // lists read `store` (nullptr: the process-wide store) when first dropped down.
    TArtistDialog(TDBMainBase* store, int artistId, const TArtistFields& fields,
                  QWidget* parent = nullptr);
    // Several artists, starting at the frequency group `freqGroup`.
    TArtistDialog(int artistCount, int freqGroup, QWidget* parent = nullptr);
    ~TArtistDialog() override;

    // What the dialog shows; for several artists only FreqGroup counts.
    TArtistFields Fields() const;

    // Called by OK with the fields; false keeps the dialog open, the refusal having been shown
    // (a name another artist has).
    std::function<bool(const TArtistFields&)> Saving;

    void accept() override;

private:
    void AddAliasRow(QGridLayout& grid, const char* checkName, const char* comboName,
                     const QString& caption, int aliasId, QCheckBox*& check, QComboBox*& combo,
                     TArtistListModel*& list);
    void AddGroupRow(QGridLayout& grid, int freqGroup);
    int AliasOf(const QCheckBox* check, const QComboBox* combo, const TArtistListModel* list) const;
    void UpdateButtons();

    TDBMainBase* FStore = nullptr;
    int FArtistId = -1;
    bool FSeveral = false;
    // The group shown when its box was ticked but none could be chosen (one the settings no
    // longer have): kept as it was.
    int FFreqGroup = -1;
    TArtistListModel* FAlias1Artists = nullptr;
    TArtistListModel* FAlias2Artists = nullptr;

    // Named after their members (objectName).
    QLineEdit* edtName = nullptr;
    QLabel* lblCount = nullptr;
    QCheckBox* chkAlias1 = nullptr;
    QComboBox* cmbAlias1 = nullptr;
    QCheckBox* chkAlias2 = nullptr;
    QComboBox* cmbAlias2 = nullptr;
    QCheckBox* chkFreqGroup = nullptr;
    QComboBox* cmbFreqGroup = nullptr;
    QPushButton* btnOK = nullptr;
};

// The frequency groups by name, in Polish alphabetical order, each item's data its id; what the
// list held before is dropped.
void FillFreqGroups(QComboBox& combo, const TArFreqGroups& freqGroups);

// The longest artist name the library keeps.
inline constexpr int kArtistNameMax = 50;
