#include "ui/report/uReportColors.h"

#include <QColor>

QBrush ResultBackground(TRuleResult result) {
    switch (result) {
    case TRuleResult::Broken:
        return QBrush(QColor(255, 205, 205));
    case TRuleResult::Relaxed:
        return QBrush(QColor(255, 232, 176));
    case TRuleResult::Ok:
        break;
    }
    return {};
}
