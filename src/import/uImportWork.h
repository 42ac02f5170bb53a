#pragma once

#include "import/uDatFileList.h"
#include "import/uImportOptions.h"
#include "import/uImportRun.h"
#include "library/uProgress.h"

#include <QString>
#include <QStringList>
#include <atomic>

class IImportChoices;

// The two long steps of an import as operations a progress window runs: reading the chosen
// files into the import list, and storing the ticked songs. Each reports its number of steps
// (files, or ticked songs), one step per file or song with its name as the information line,
// and, asked to stop ("Przerwij"), stops between two of them: what was read or stored before
// the stop stays whole, nothing after it is touched. The window, the command line and the
// benchmarks run the same operations.

class TDatReadWork final : public TBasePrgressObject {
public:
    TDatReadWork(QStringList files, TImportOptions options, IImportChoices& choices);

    // Reads the files in order into List (ReadDatFiles, file by file).
    void Run();
    void Cancel() override { FCancelled = true; }
    bool Cancelled() const { return FCancelled; }

    // Every file read, in order; after a stop, the files read before it.
    TDatFileList List;

private:
    QStringList FFiles;
    TImportOptions FOptions;
    IImportChoices& FChoices;
    std::atomic<bool> FCancelled = false;
};

class TSongsImportWork final : public TBasePrgressObject {
public:
    TSongsImportWork(TDatFileList& list, IImportChoices& choices);

    // ImportSelected, song by song; after a stop every song stored so far is kept (its unit
    // of work committed) and no later one is stored.
    void Run();
    void Cancel() override { FCancelled = true; }
    bool Cancelled() const { return FCancelled; }

    TImportResult Result;

private:
    TDatFileList& FList;
    IImportChoices& FChoices;
    std::atomic<bool> FCancelled = false;
};

// Runs the work in a new progress window (NewProgressWindow) with the operation text; without
// a window factory installed (the command line, tests), at once.
void RunImportWork(TDatReadWork& work);
void RunImportWork(TSongsImportWork& work);

// The progress window's operation texts.
inline const QString kReadingDatFiles = QStringLiteral("Odczyt plików dat");
inline const QString kImportingSongs = QStringLiteral("Import utworów do bazy");
