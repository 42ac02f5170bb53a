#include "ui/uMainForm.h"

#include "foundation/uAppPaths.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    EnsureDirectory(AppFilePath(kPlanDir));
    setWindowTitle(QStringLiteral("Dobieralnik"));
    resize(1000, 700);
}
