// Times the clock editor on a full day's clock of the default station (the weekday clock: 24
// hours, 384 rows with the news broadcasts' items): opening the file in a new window and showing
// it, scrolling from the first row to the last, and dropping one more category onto it.
// Runs on the offscreen platform unless another is chosen.

#include "BenchStation.h"
#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "ui/clockeditor/uTimerForm.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>
#include <memory>

namespace {

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir dir;
    if (!OpenScratchStation(dir))
        return 1;
    const QString path = QDir(dir.filePath(QStringLiteral("Zegary")))
                             .filePath(QStringLiteral("Dzień powszedni.ctm"));

    const int runs = 10;
    double open = 0, scroll = 0, drop = 0;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto* editor = new TTimerForm;
        editor->setAttribute(Qt::WA_DeleteOnClose, false);
        editor->OpenFile(path);
        editor->show();
        QApplication::processEvents();
        open += Ms(timer);
        rows = editor->Clock().RowCount();

        auto* tree = editor->findChild<QTreeView*>(QStringLiteral("TreeClock"));
        timer.restart();
        for (int step = 0; step <= 20; ++step) {
            tree->verticalScrollBar()->setValue(tree->verticalScrollBar()->maximum() * step / 20);
            QApplication::processEvents();
        }
        scroll += Ms(timer);

        QAbstractItemModel* objects =
            editor->findChild<QListView*>(QStringLiteral("TreeCat"))->model();
        const std::unique_ptr<QMimeData> drag(objects->mimeData({objects->index(1, 0)}));
        timer.restart();
        tree->model()->dropMimeData(drag.get(), Qt::CopyAction, 10, 0, {});
        QApplication::processEvents();
        drop += Ms(timer);
        delete editor;
    }
    std::printf("clock: %d top-level rows\n", rows);
    std::printf("open and show:   %8.1f ms\n", open / runs);
    std::printf("scroll through:  %8.1f ms (21 steps)\n", scroll / runs);
    std::printf("drop one object: %8.1f ms\n", drop / runs);

    FreeBroadcastList();
    FreeCategoryList();
    DoneOptions();
    return 0;
}
