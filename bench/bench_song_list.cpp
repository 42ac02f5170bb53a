// Times the song list ("Utwory") on a large library: opening it until the first screen of rows
// is drawn, one keystroke of the filter until the list shows its result, and the memory the
// program holds with the list open.
//
//   bench_song_list [SONGS]        a demo station of SONGS songs (50000) made in a scratch dir
//   bench_song_list --dir STATION  an existing station

#include "cli/uDemoStation.h"
#include "dayplan/uStores.h"
#include "foundation/uAppPaths.h"
#include "library/uDBMainBase.h"
#include "library/uSongListQuery.h"
#include "ui/library/uSongsViewForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Resident memory of this process in MB.
double ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QTemporaryDir scratch;
    QString dir;
    if (const qsizetype at = args.indexOf(QStringLiteral("--dir"));
        at > 0 && at + 1 < args.size()) {
        dir = args[at + 1];
    } else {
        TDemoStationOptions options;
        options.Songs = args.size() > 1 ? args[1].toInt() : 50000;
        QString error;
        dir = scratch.path();
        std::printf("making a demo station of %d songs...\n", options.Songs);
        if (CreateDemoStation(dir, options, {}, &error) != TStationCreation::scCreated) {
            std::fprintf(stderr, "no station: %s\n", qPrintable(error));
            return 1;
        }
    }
    SetProgramDir(dir);
    if (!BringUpStores()) {
        std::fprintf(stderr, "the station's stores did not come up\n");
        return 1;
    }
    const double before = ResidentMb();

    const int runs = 5;
    {
        // The query alone: the ids in the list's order, then the first page of rows.
        double ids = 0, page = 0;
        for (int run = 0; run < runs; ++run) {
            TSongListQuery list(*MainBase);
            QElapsedTimer timer;
            timer.start();
            list.Run();
            ids += Ms(timer);
            timer.restart();
            list.RowAt(0);
            page += Ms(timer);
        }
        std::printf("the list's ids read:                  %7.1f ms\n", ids / runs);
        std::printf("its first page of rows:               %7.1f ms\n", page / runs);
    }
    double open = 0, keystroke = 0;
    int rows = 0, filtered = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        TSongsViewUse use;
        use.MultiSelect = true;
        use.BrowseOnly = true;
        TSongsViewForm form(*MainBase, use);
        form.show();
        QApplication::processEvents();
        open += Ms(timer);
        rows = form.Count();

        auto* filter = form.findChild<QLineEdit*>(QStringLiteral("edtFilter"));
        timer.restart();
        filter->setText(QStringLiteral("m"));
        form.findChild<QTableView*>(QStringLiteral("tvSongs"))->viewport()->repaint();
        QApplication::processEvents();
        keystroke += Ms(timer);
        filtered = form.Count();
        if (run == runs - 1)
            std::printf("resident memory with the list open: %.1f MB (%.1f MB before it)\n",
                        ResidentMb(), before);
    }
    std::printf("songs listed: %d, after the filter \"m\": %d\n", rows, filtered);
    std::printf("open until the first screen is drawn: %7.1f ms\n", open / runs);
    std::printf("one filter keystroke:                 %7.1f ms\n", keystroke / runs);
    ReleaseStores();
    return 0;
}
