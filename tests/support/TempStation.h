#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// A throw-away station directory made the program directory for the fixture's lifetime,
// with the per-user settings pointed into it too.
class TTempStation {
public:
    TTempStation();
    ~TTempStation();

    QString Dir() const { return TempDir.path(); }
    QString Path(const QString& name) const { return TempDir.filePath(name); }

    // Copies the repository's default station files into the directory.
    void CopyDefaultStation() const;

private:
    QTemporaryDir TempDir;
};
