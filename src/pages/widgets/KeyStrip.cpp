#include "pages/widgets/KeyStrip.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

#include "pages/widgets/PageWidgetMessages.h"
#include "tree/widgets/TreePictures.h"

KeyStrip::KeyStrip(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(
        new QLabel(QCoreApplication::translate("PageWidgets", PageWidgetMessages::kKey), this));
    const struct {
        KeyPicture picture;
        QString text;
    } entries[] = {
        {KeyPicture::Conflict,
         QCoreApplication::translate("PageWidgets", PageWidgetMessages::kKeyConflict)},
        {KeyPicture::NonPageable,
         QCoreApplication::translate("PageWidgets", PageWidgetMessages::kKeyNonPageable)},
        {KeyPicture::AssignedPageable,
         QCoreApplication::translate("PageWidgets", PageWidgetMessages::kKeyAssigned)},
        {KeyPicture::UnassignedPageable,
         QCoreApplication::translate("PageWidgets", PageWidgetMessages::kKeyUnassigned)},
    };
    for (const auto& e : entries) {
        row->addSpacing(12);
        auto* picture = new QLabel(this);
        picture->setPixmap(KeyIcon(e.picture).pixmap(QSize(kPictureSize, kPictureSize),
                                                     picture->devicePixelRatioF()));
        picture->setFixedSize(kPictureSize, kPictureSize);
        row->addWidget(picture);
        row->addWidget(new QLabel(e.text, this));
    }
    row->addStretch(1);
}
