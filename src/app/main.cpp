#include "foundation/uCommandLine.h"
#include "ui/uGuiPrompt.h"
#include "ui/uMainForm.h"
#include "ui/uProgressForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dobieralnik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dobieralnik"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // Qt's own dialogs (choosing a file or a folder) speak Polish too, where the translations
    // are installed; without them they stay in English and everything else works the same.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    TGuiPrompt prompt;
    SetPrompt(&prompt);

    QStringList args = QApplication::arguments();
    QString error;
    if (!TakeProgramDirOption(args, &error)) {
        prompt.ShowMessage(TBoxKind::bkError, error);
        return 2;
    }

    // Long work (the statistics upgrade, generating a day) runs in the "Postęp" window.
    SetProgressWindowFactory(TProgressForm::Factory());

    int result = 0;
    {
        TMainForm mainForm;
        mainForm.show();
        result = QApplication::exec();
    } // the stores are released with the window, while the prompt can still report
    SetProgressWindowFactory({});
    SetPrompt(nullptr);
    return result;
}
