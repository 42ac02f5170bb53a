#pragma once

#include <QString>

class QMimeData;
class TBaseClockObject;

// What is dragged from the available objects onto a clock: the id of a category-list object or
// of a broadcast, looked up again when it is dropped (the lists may have changed meanwhile).

inline const QString kClockObjectMime = QStringLiteral("application/x-dobieralnik-clock-object");

QMimeData* NewClockObjectDrag(const TBaseClockObject& object);
// The category-list object or broadcast the drag names; nullptr when it names none (any more).
TBaseClockObject* DraggedClockObject(const QMimeData* data);
