#pragma once

#include <QDate>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

// Everything the program stores lives in its program directory: by default the directory
// of the running executable, or the one given with --dir.
void SetProgramDir(const QString& dir);
QString ProgramDir(); // with a trailing separator

// The program directory followed by the name. No check that the file exists.
QString AppFilePath(const QString& name);

// Creates the directory when it is missing (one level only; a failure shows later,
// when a file in it cannot be written).
void EnsureDirectory(const QString& path);

enum TPlanKind : int { pkHistory = 1, pkCurrent = 2, pkPlanned = 3 };

QString PlanDirName(TPlanKind kind); // empty for a kind that names no file
QString PlanExtension(TPlanKind kind);

// <program dir>/<dir>/YYYYMMDD.<ext>; the directory is created on first request.
QString DatedFilePath(const QString& dir, const QString& ext, const QDate& date);
// The dated file of the kind; empty for any other kind.
QString PlanFilePath(TPlanKind kind, const QDate& date);
// As PlanFilePath, but empty when the file does not exist.
QString ExistingPlanFilePath(TPlanKind kind, const QDate& date);
// Bare names of the files in the kind's directory, in the order the file system gives them.
// A missing directory gives an empty list and is not created.
QStringList ListPlanFiles(TPlanKind kind);
void DeletePlanFile(TPlanKind kind, const QDate& date);
// The files an accepted day no longer has: its pending and planned files, and the previous
// day's draw list.
QStringList DayFilesEndedByAcceptance(const QDate& date);
// Deletes those of them that exist.
void DeleteDayFiles(const QDate& date);

inline const QString kPlanDir = QStringLiteral("Plan");
inline const QString kListDir = QStringLiteral("List");

// The per-user settings ("registry") of the program, an INI file with the sections
// "MainWnd", "TimerWnd", "Paths", "ImportOpt", ...
std::unique_ptr<QSettings> UserSettings();
