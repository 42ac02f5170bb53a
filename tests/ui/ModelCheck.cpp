#include "ModelCheck.h"

#include <QAbstractItemModelTester>
#include <cstring>
#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The tester reports through its own logging category; everything else goes on as before.
void FailOnModelReport(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (context.category && std::strcmp(context.category, "qt.modeltest") == 0) {
        ADD_FAILURE() << "item model check: " << text.toStdString();
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

TModelCheck::TModelCheck(QAbstractItemModel* model) {
    FPreviousHandler = qInstallMessageHandler(FailOnModelReport);
    previousHandler = FPreviousHandler;
    FTester = std::make_unique<QAbstractItemModelTester>(
        model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

TModelCheck::~TModelCheck() {
    FTester.reset();
    qInstallMessageHandler(FPreviousHandler);
    previousHandler = nullptr;
}
