#include "library/uFileJournal.h"

#include "foundation/uMsgLog.h"
#include "foundation/uTextFile.h"
#include "library/uDBMainBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace {

// The journal lives beside the library's tables and is empty but for the moments between a
// change's commit and the end of its file work.
const char* const kJournalTable = "FileJournal";
const char* const kStepColumn = "Step";
const char* const kKindColumn = "Kind";
const char* const kPathColumn = "Path";
const char* const kContentColumn = "Content";

void EnsureJournal(SQLite::Database& db) {
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2 INTEGER PRIMARY KEY, %3 INTEGER, "
                           "%4 TEXT, %5 BLOB)")
                .arg(QLatin1String(kJournalTable), QLatin1String(kStepColumn),
                     QLatin1String(kKindColumn), QLatin1String(kPathColumn),
                     QLatin1String(kContentColumn))
                .toStdString());
}

bool JournalExists(SQLite::Database& db) {
    return db.tableExists(kJournalTable);
}

bool WriteStep(const TFileStep& step, TWholeWrite mode, QString* error) {
    QDir().mkpath(QFileInfo(step.Path).absolutePath());
    QString reason;
    if (WriteWholeFile(step.Path, step.Content, &reason, mode))
        return true;
    *error = FileSaveErrorText(step.Path, reason);
    return false;
}

bool CarryOut(const TFileStep& step, QString* error) {
    if (step.Kind == TFileStepKind::fsWrite)
        return WriteStep(step, TWholeWrite::wwReplace, error);
    QFile file(step.Path);
    if (!file.exists() || file.remove())
        return true;
    *error = FileSaveErrorText(step.Path, file.errorString());
    return false;
}

} // namespace

bool ProbeFileSteps(const TFileSteps& steps, QString* error) {
    for (const TFileStep& step : steps)
        if (step.Kind == TFileStepKind::fsWrite && !WriteStep(step, TWholeWrite::wwTryOnly, error))
            return false;
    return true;
}

void RecordFileSteps(TDBMainBase& base, const TFileSteps& steps) {
    SQLite::Database& db = base.Connection();
    EnsureJournal(db);
    SQLite::Statement insert(db, QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (?, ?, ?)")
                                     .arg(QLatin1String(kJournalTable), QLatin1String(kKindColumn),
                                          QLatin1String(kPathColumn), QLatin1String(kContentColumn))
                                     .toStdString());
    for (const TFileStep& step : steps) {
        insert.bind(1, static_cast<int>(step.Kind));
        insert.bind(2, step.Path.toStdString());
        insert.bind(3, step.Content.constData(), static_cast<int>(step.Content.size()));
        insert.exec();
        insert.reset();
    }
}

bool FinishFileSteps(TDBMainBase& base, QString* error) {
    SQLite::Database& db = base.Connection();
    if (!JournalExists(db))
        return true;
    TFileSteps steps;
    {
        SQLite::Statement select(db,
                                 QStringLiteral("SELECT %1, %2, %3 FROM %4 ORDER BY %5")
                                     .arg(QLatin1String(kKindColumn), QLatin1String(kPathColumn),
                                          QLatin1String(kContentColumn),
                                          QLatin1String(kJournalTable), QLatin1String(kStepColumn))
                                     .toStdString());
        while (select.executeStep()) {
            TFileStep step;
            step.Kind = static_cast<TFileStepKind>(select.getColumn(0).getInt());
            step.Path = QString::fromStdString(select.getColumn(1).getString());
            const SQLite::Column content = select.getColumn(2);
            step.Content =
                QByteArray(static_cast<const char*>(content.getBlob()), content.getBytes());
            steps.push_back(std::move(step));
        }
    }
    for (const TFileStep& step : steps)
        if (!CarryOut(step, error))
            return false;
    db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(kJournalTable)).toStdString());
    return true;
}

bool HasFileSteps(TDBMainBase& base) {
    SQLite::Database& db = base.Connection();
    return JournalExists(db) && db.execAndGet(QStringLiteral("SELECT count(*) FROM %1")
                                                  .arg(QLatin1String(kJournalTable))
                                                  .toStdString())
                                        .getInt() > 0;
}
