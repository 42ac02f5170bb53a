#include "foundation/uAppPaths.h"

#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString programDir;

QString WithSeparator(const QString& dir) {
    QString d = QDir::fromNativeSeparators(dir);
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

} // namespace

void SetProgramDir(const QString& dir) {
    programDir = dir.isEmpty() ? QString() : WithSeparator(QFileInfo(dir).absoluteFilePath());
}

QString ProgramDir() {
    if (programDir.isEmpty())
        return WithSeparator(QCoreApplication::applicationDirPath());
    return programDir;
}

QString AppFilePath(const QString& name) {
    return ProgramDir() + name;
}

void EnsureDirectory(const QString& path) {
    if (!QFileInfo::exists(path))
        QDir().mkdir(path);
}

QString PlanDirName(TPlanKind kind) {
    switch (kind) {
    case pkHistory:
        return QStringLiteral("Plan/Historia");
    case pkCurrent:
        return QStringLiteral("Plan/Biezacy");
    case pkPlanned:
        return QStringLiteral("Plan/Plan");
    default:
        return {};
    }
}

QString PlanExtension(TPlanKind kind) {
    switch (kind) {
    case pkHistory:
        return QStringLiteral("plh");
    case pkCurrent:
        return QStringLiteral("plp");
    case pkPlanned:
        return QStringLiteral("plz");
    default:
        return {};
    }
}

QString DatedFilePath(const QString& dir, const QString& ext, const QDate& date) {
    const QString directory = AppFilePath(dir);
    EnsureDirectory(directory);
    return directory + QLatin1Char('/') + FormatDateKey(DateToDateTime(date), ext);
}

QString PlanFilePath(TPlanKind kind, const QDate& date) {
    const QString dir = PlanDirName(kind);
    if (dir.isEmpty())
        return {};
    return DatedFilePath(dir, PlanExtension(kind), date);
}

QString ExistingPlanFilePath(TPlanKind kind, const QDate& date) {
    const QString path = PlanFilePath(kind, date);
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}

QStringList ListPlanFiles(TPlanKind kind) {
    const QString dir = PlanDirName(kind);
    if (dir.isEmpty())
        return {};
    return QDir(AppFilePath(dir))
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
}

void DeletePlanFile(TPlanKind kind, const QDate& date) {
    const QString path = PlanFilePath(kind, date);
    if (!path.isEmpty() && QFileInfo::exists(path))
        QFile::remove(path);
}

QStringList DayFilesEndedByAcceptance(const QDate& date) {
    return {PlanFilePath(pkCurrent, date), PlanFilePath(pkPlanned, date),
            DatedFilePath(kListDir, QStringLiteral("dat"), date.addDays(-1))};
}

void DeleteDayFiles(const QDate& date) {
    for (const QString& path : DayFilesEndedByAcceptance(date))
        if (QFileInfo::exists(path))
            QFile::remove(path);
}

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Belvarin"), QStringLiteral("Pastelik2"));
}
