#include "import/uImportWork.h"

#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <utility>

namespace {

// Lets the window repaint and hear "Przerwij" a few times a second: often enough to feel
// at once, seldom enough that ten thousand files do not wait on the screen.
class TEventPacer {
public:
    TEventPacer() { FSince.start(); }
    void Tick() {
        if (FSince.elapsed() < kEveryMs)
            return;
        ProcessPendingEvents();
        FSince.restart();
    }

private:
    static constexpr qint64 kEveryMs = 40;
    QElapsedTimer FSince;
};

QString SongText(const TSongData& song) {
    return song.ArtistName + QStringLiteral(" - ") + song.Title;
}

bool IsTicked(const TDatFileEntry& entry) {
    return entry.IsSong() && entry.Song->Selected;
}

void RunInWindow(TBasePrgressObject& work, const QString& operation,
                 const std::function<void()>& run) {
    const std::unique_ptr<TProgressWindow> window = NewProgressWindow();
    window->SetOperation(operation);
    window->Attach(&work);
    window->Procedure = run;
    window->Execute();
    window->Attach(nullptr);
}

} // namespace

TDatReadWork::TDatReadWork(QStringList files, TImportOptions options, IImportChoices& choices)
    : FFiles(std::move(files)), FOptions(std::move(options)), FChoices(choices) {}

void TDatReadWork::Run() {
    TBusyGuard busy;
    TDatFileReader reader(FOptions, FChoices);
    List.clear();
    List.reserve(FFiles.size());
    SetProgressMax(static_cast<int>(FFiles.size()));
    TEventPacer pacer;
    for (const QString& file : FFiles) {
        if (FCancelled)
            break;
        ReportMessage(QFileInfo(file).fileName());
        List.push_back(reader.Read(file));
        StepProgress();
        pacer.Tick();
    }
    reader.Finish();
}

TSongsImportWork::TSongsImportWork(TDatFileList& list, IImportChoices& choices)
    : FList(list), FChoices(choices) {}

void TSongsImportWork::Run() {
    TBusyGuard busy;
    TSongImporter importer(FChoices);
    int ticked = 0;
    for (const TDatFileEntry& entry : FList)
        ticked += IsTicked(entry) ? 1 : 0;
    SetProgressMax(ticked);
    TEventPacer pacer;
    for (TDatFileEntry& entry : FList) {
        if (FCancelled)
            break;
        if (!IsTicked(entry))
            continue;
        ReportMessage(SongText(*entry.Song));
        importer.Import(entry);
        StepProgress();
        pacer.Tick();
    }
    Result = importer.Finish();
}

void RunImportWork(TDatReadWork& work) {
    RunInWindow(work, kReadingDatFiles, [&work] { work.Run(); });
}

void RunImportWork(TSongsImportWork& work) {
    RunInWindow(work, kImportingSongs, [&work] { work.Run(); });
}
