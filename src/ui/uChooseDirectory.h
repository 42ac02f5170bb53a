#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks for a directory: the chosen one, empty when none was chosen. Windows keep one of these
// as a replaceable member so they can be driven without a user.
using TChooseDirectory =
    std::function<QString(QWidget* parent, const QString& title, const QString& start)>;

// The system's directory dialog, starting at `start`.
QString ChooseDirectoryDialog(QWidget* parent, const QString& title, const QString& start);

inline const QString kChooseDirectoryTitle = QStringLiteral("Wybierz katalog");
