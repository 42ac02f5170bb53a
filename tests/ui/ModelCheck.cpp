#include "ModelCheck.h"

#include <QAbstractItemModelTester>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// One handler for every check alive at a time, in front of the handler that was there before.
int checksAlive = 0;
QtMessageHandler handlerBefore = nullptr;

// The tester reports through its own logging category; everything else goes on as before.
void FailOnModelReport(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg && context.category &&
        std::strcmp(context.category, "qt.modeltest") == 0) {
        ADD_FAILURE() << "item model check: " << text.toStdString();
        return;
    }
    if (handlerBefore)
        handlerBefore(type, context, text);
    else
        fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

TModelCheck::TModelCheck(QAbstractItemModel* model) {
    if (checksAlive++ == 0)
        handlerBefore = qInstallMessageHandler(FailOnModelReport);
    FTester = std::make_unique<QAbstractItemModelTester>(
        model, QAbstractItemModelTester::FailureReportingMode::Warning);
}

TModelCheck::~TModelCheck() {
    FTester.reset();
    if (--checksAlive == 0)
        qInstallMessageHandler(handlerBefore);
}
