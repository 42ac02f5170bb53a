#pragma once

#include <QString>

// Texts the exports show to the user.

// A song position that lasts longer than the song stored in the library ("artist - title",
// the excess in seconds).
inline const QString PositionLongerText = QStringLiteral(
    "Czas pozycji \"%s\" jest dłuższy o %s sekund od rzeczywistego czasu tej pozycji zapisanego "
    "w bazie danych. Może to zaowocować ciszą podczas odtwarzania playlisty. Czy mimo to "
    "kontynuować?");
// A music position cut short by the next one ("artist - title", the shortening in seconds).
inline const QString PositionShortenedText =
    QStringLiteral("Pozycja \"%s\" została skrócona o %s sekund. Czy wyciszyć tę pozycję?");
inline const QString ShortenedTitle = QStringLiteral("Opcja");
inline const QString DontAskAgainCaption = QStringLiteral("Nie pokazuj tego okna");
// Either file could not be written (the reason).
inline const QString ExportWriteErrorText = QStringLiteral("Błąd przy zapisie pliku mix. (%s)");
