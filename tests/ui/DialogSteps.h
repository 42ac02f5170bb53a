#pragma once

#include "FindChild.h"
#include "support/TestText.h"
#include "ui/uDialogRunner.h"

#include <QDialog>
#include <QPushButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

// What the user does in each dialog a window opens, in order: a step fills the dialog and
// answers whether it closed with OK.
using TStep = std::function<bool(QDialog&)>;

// A dialog runner that plays the steps one per dialog; a dialog with no step left fails the
// test and is cancelled. The queue must outlive the runner.
inline TDialogRunner RunSteps(std::deque<TStep>& steps) {
    return [&steps](QDialog& dialog) {
        if (steps.empty()) {
            ADD_FAILURE() << "unexpected dialog " << S(dialog.windowTitle());
            return false;
        }
        const TStep step = steps.front();
        steps.pop_front();
        return step(dialog);
    };
}

// The dialog as the kind the step expects; another dialog ends the test.
template <class T> T& As(QDialog& dialog) {
    T* typed = dynamic_cast<T*>(&dialog);
    if (!typed)
        throw std::runtime_error("another dialog opened: " + S(dialog.windowTitle()));
    return *typed;
}

// In a window of type T: `act`, then OK ("btnOK") clicked, or with `ok` false the window closed
// without it, as "Anuluj" and Escape close it.
template <class T> TStep ActThenClose(std::function<void(T&)> act, bool ok) {
    return [act, ok](QDialog& dialog) {
        auto& window = As<T>(dialog);
        act(window);
        if (ok)
            FindChild<QPushButton>(window, "btnOK")->click();
        else
            window.reject();
        return window.result() == QDialog::Accepted;
    };
}
