#pragma once

#include "ui/uNamed.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

// An action of a window, its keys working anywhere in the window, named after its member
// (objectName) so tests find it.
inline QAction* NewWindowAction(QWidget& window, const QString& caption, const QKeySequence& keys,
                                const char* name) {
    auto* action = Named(new QAction(caption, &window), name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}
