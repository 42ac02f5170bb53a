#pragma once

#include <QDialog>
#include <functional>

// Runs a modal dialog and answers whether it closed with OK. Windows open their dialogs through
// one of these, so a test can fill and close them without a user.
using TDialogRunner = std::function<bool(QDialog&)>;

inline bool RunModalDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}
