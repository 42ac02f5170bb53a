#pragma once

#include <QStringList>
#include <QtGlobal>
#include <memory>

class QAbstractItemModel;
class QAbstractItemModelTester;

// Runs Qt's item model checks over a model for as long as it lives: every rule the model breaks
// (after any change of its rows or data) fails the running test with Qt's report.
class TModelCheck {
public:
    explicit TModelCheck(QAbstractItemModel* model);
    ~TModelCheck();
    TModelCheck(const TModelCheck&) = delete;
    TModelCheck& operator=(const TModelCheck&) = delete;

private:
    std::unique_ptr<QAbstractItemModelTester> FTester;
};
