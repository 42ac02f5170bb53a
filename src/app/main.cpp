#include "foundation/uCommandLine.h"
#include "ui/uGuiPrompt.h"
#include "ui/uMainForm.h"
#include "ui/uProgressForm.h"

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
