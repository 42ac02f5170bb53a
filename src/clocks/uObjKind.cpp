#include "clocks/uObjKind.h"

QString ObjKindName(TObjKind kind) {
    switch (kind) {
    case otCategory:
        return QStringLiteral("Kategoria podstawowa");
    case otPlayList:
        return QStringLiteral("Lista");
    case otBlank:
        return QStringLiteral("Pusta");
    default:
        return QString();
    }
}

QString ObjKindDescription(TObjKind kind) {
    switch (kind) {
    case otCategory:
        return QStringLiteral(
            "Kategoria ta obejmuje wszystkie utwory o zdefiniowanej charakterystyce.");
    case otUndefined:
        return QStringLiteral("Niezdefiniowana kategoria");
    case otPlayList:
        return QStringLiteral("Lista ściśle zdefiniowanych utworów.\r\nUwaga! Usunięcie utworu z "
                              "bazy danych spowoduje usunięcie go z tej kategorii, jeśli tu "
                              "występował.");
    case otBlank:
        return QStringLiteral("Kategoria ta powinna mieć ściśle zdefiniowany czas. W audycji "
                              "będzie to cisza o określonym czasie.");
    case otBroadcast:
        return QStringLiteral("Audycja składa się z uprzednio zdefiniowanych kategorii, "
                              "ułożonych sekwencyjnie. Podane czasy należy zawsze traktować jako "
                              "względne.");
    default:
        return QString();
    }
}
