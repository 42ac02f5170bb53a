#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// "OK" and "Anuluj" at the foot of a dialog, accepting and rejecting it; returns "OK" (named
// btnOK) for the dialogs that enable it only after a change.
QPushButton* AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout);
// A lone "OK" (named btnOK, the default button) for a dialog that must be answered.
QPushButton* AddOkButton(QDialog& dialog, QBoxLayout& layout);
