#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

// The window's child of that type named so (objectName). A missing one fails the test and
// ends it, rather than letting it run on with a null pointer.
template <class T> T* FindChild(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        ADD_FAILURE() << "no child named " << name;
        throw std::runtime_error(std::string("no child named ") + name);
    }
    return child;
}
