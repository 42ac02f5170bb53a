#pragma once

#include <QString>

class QPrinter;
class QTreeView;

// Printing the play list as the view shows it: the visible columns in their on-screen order
// and proportions, the header, every row with its colours and bold fixed-hour rows.

// The rows as an HTML table.
QString ResultRowsHtml(const QTreeView& view);
// Prints that table, as many pages as it takes.
void PrintResultRows(const QTreeView& view, QPrinter& printer);
