#include "ui/clockeditor/uAnyDelegate.h"

#include <QComboBox>

QWidget* TAnyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cmbAny"));
    box->addItems({QStringLiteral("AND"), QStringLiteral("OR")});
    // The choice is taken as soon as it is made.
    connect(box, &QComboBox::activated, this, [this, box] {
        emit const_cast<TAnyDelegate*>(this)->commitData(box);
        emit const_cast<TAnyDelegate*>(this)->closeEditor(box);
    });
    return box;
}

void TAnyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentText(index.data().toString());
}

void TAnyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentText());
}
