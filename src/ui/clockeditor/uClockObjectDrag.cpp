#include "ui/clockeditor/uClockObjectDrag.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"

#include <QMimeData>

QMimeData* NewClockObjectDrag(const TBaseClockObject& object) {
    auto* data = new QMimeData;
    data->setData(kClockObjectMime, QByteArray::number(object.Id));
    return data;
}

TBaseClockObject* DraggedClockObject(const QMimeData* data) {
    if (!data || !data->hasFormat(kClockObjectMime))
        return nullptr;
    bool ok = false;
    const int id = data->data(kClockObjectMime).toInt(&ok);
    if (!ok)
        return nullptr;
    if (id > BroadcastIdBase)
        return BroadcastList ? BroadcastList->FindBroadcast(id) : nullptr;
    return CategoryList ? CategoryList->FindById(id) : nullptr;
}
