#pragma once

#include <QLatin1String>

// Gives a new widget or action the object name its member has, so tests find it by name.
template <class T> T* Named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}
