#include "ui/uResultPrint.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QPrinter>
#include <QTextDocument>
#include <QTreeView>

namespace {

// The columns the user sees, left to right.
QList<int> VisibleColumns(const QTreeView& view) {
    const QHeaderView& header = *view.header();
    QList<int> columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical))
            columns << logical;
    }
    return columns;
}

QString CellStyle(const QModelIndex& index) {
    QString style;
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QColor>() && background.value<QColor>().isValid())
        style += QStringLiteral("background-color:%1;").arg(background.value<QColor>().name());
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        style += QStringLiteral("color:%1;").arg(foreground.value<QColor>().name());
    if (index.data(Qt::FontRole).value<QFont>().bold())
        style += QStringLiteral("font-weight:bold;");
    // Times and single words break badly; the page has room enough for them whole.
    if (!index.data().toString().contains(QLatin1Char(' ')))
        style += QStringLiteral("white-space:nowrap;");
    return style;
}

} // namespace

QString ResultRowsHtml(const QTreeView& view) {
    const QAbstractItemModel* model = view.model();
    const QList<int> columns = VisibleColumns(view);
    int totalWidth = 0;
    for (int column : columns)
        totalWidth += view.header()->sectionSize(column);

    QString html =
        QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"2\" style=\"border-collapse:collapse;\"><thead><tr>");
    for (int column : columns) {
        const int percent =
            totalWidth > 0 ? view.header()->sectionSize(column) * 100 / totalWidth : 0;
        html += QStringLiteral("<th align=\"left\" width=\"%1%\">%2</th>")
                    .arg(percent)
                    .arg(model->headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead><tbody>");
    for (int row = 0; row < model->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column : columns) {
            const QModelIndex index = model->index(row, column);
            html += QStringLiteral("<td style=\"%1\">%2</td>")
                        .arg(CellStyle(index), index.data().toString().toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</tbody></table>");
    return html;
}

void PrintResultRows(const QTreeView& view, QPrinter& printer) {
    QTextDocument document;
    QFont font = view.font();
    font.setPointSizeF(9);
    document.setDefaultFont(font);
    document.setHtml(ResultRowsHtml(view));
    document.print(&printer);
}
