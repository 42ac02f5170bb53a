#pragma once

#include <QString>
#include <QStringList>

// "Charakterystyka" without its window: the values chosen for a characteristic ("Lista opcji")
// and the offered values not chosen yet ("Dostępne opcje"), moved between the two by "Dodaj",
// "Usuń" and "Zamień". The offered values keep the order they were offered in.
class TValueChoice {
public:
    // Chosen values that are not offered are kept as chosen.
    TValueChoice(const QStringList& offered, const QStringList& chosen);

    const QStringList& Chosen() const { return FChosen; }
    const QStringList& Available() const { return FAvailable; }

    // The selections; -1 for none. The first available value starts selected.
    int AvailableIndex() const { return FAvailableIndex; }
    int ChosenIndex() const { return FChosenIndex; }
    void SelectAvailable(int index);
    void SelectChosen(int index);

    bool CanAdd() const { return FAvailableIndex >= 0; }
    bool CanRemove() const { return FChosenIndex >= 0; }
    bool CanReplace() const;
    // The selected available value to the end of the chosen ones; the available value before
    // it (or the first) is selected next.
    void Add();
    // The selected chosen value back among the available ones, selected there.
    void Remove();
    // The selected available value in the place of the selected chosen one, which goes back.
    void Replace();

    // After any move: OK can be pressed.
    bool Touched() const { return FTouched; }
    // Whether the available values differ from those it was opened with: a change to report.
    bool Changed() const { return FAvailable != FStartAvailable; }
    // The chosen values as comma text.
    QString Text() const { return FChosen.join(QLatin1Char(',')); }

private:
    // Puts the value back among the available ones in the offered order.
    int ReturnToAvailable(const QString& value);

    QStringList FOffered;
    QStringList FChosen;
    QStringList FAvailable;
    QStringList FStartAvailable;
    int FAvailableIndex = -1;
    int FChosenIndex = -1;
    bool FTouched = false;
};
