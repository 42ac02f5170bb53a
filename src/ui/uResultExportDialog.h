#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The play list's save dialog "Zapisz jako..." for the ".mix" and ".txt" exports: opened in
// `dir` with `fileName`, the filter entry `filterIndex` (1 ".mix", 2 ".txt") chosen, asking
// before a file is replaced; the extension added to a bare name follows the chosen entry.
void PrepareExportDialog(QFileDialog& dialog, const QString& dir, const QString& fileName,
                         int filterIndex);
// Runs the dialog; empty when cancelled.
QString ExecExportDialog(QWidget* parent, const QString& dir, const QString& fileName,
                         int filterIndex);
