#pragma once

#include <QString>

inline const QString DrawSettingsFileName = QStringLiteral("dobieranie.xml");

// How the draw behaves beyond the restriction settings, kept in "dobieranie.xml"
// (`<draw relax="1"/>`).
//
// With RelaxWhenNoCandidate a category slot whose candidates all fail some restriction does not
// stop the day: the draw gives up the rules one by one (separation, then the artist's frequency,
// then the song's frequency, then the time blockades) and takes the least-played song that keeps
// the rest; the rules it gave up are recorded with the placement. Without the file the slot
// stops the day, as it always did on stations made before the setting existed.
class TArDrawSettings {
public:
    // A missing file is silent and leaves the setting off; a file that cannot be read whole is
    // reported and leaves it off too (what could be read of it is not trusted). Returns whether
    // the file was read.
    bool Load();
    // Writes the file only when the setting was changed; a failure is reported. The changed
    // flag is cleared either way. Returns false only when writing failed. Nothing but a change
    // writes it, so a file that could not be read stays as it is unless the user sets the value.
    bool Save();

    bool RelaxWhenNoCandidate() const { return FRelax; }
    // Marks the settings changed only when the value differs.
    void SetRelaxWhenNoCandidate(bool value);

    bool Changed() const { return FChanged; }

private:
    bool FRelax = false;
    bool FChanged = false;
};
