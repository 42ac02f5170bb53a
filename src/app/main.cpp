#include "foundation/uCommandLine.h"
#include "ui/uGuiPrompt.h"
#include "ui/uMainForm.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dobieralnik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dobieralnik"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    TGuiPrompt prompt;
    SetPrompt(&prompt);

    QStringList args = QApplication::arguments();
    QString error;
    if (!TakeProgramDirOption(args, &error)) {
        prompt.ShowMessage(TBoxKind::bkError, error);
        return 2;
    }

    TMainForm mainForm;
    mainForm.show();
    const int result = QApplication::exec();
    SetPrompt(nullptr);
    return result;
}
