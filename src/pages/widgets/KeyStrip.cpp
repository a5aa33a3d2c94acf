#include "pages/widgets/KeyStrip.h"

#include <QHBoxLayout>
#include <QLabel>

#include "pages/widgets/PageWidgetMessages.h"
#include "tree/widgets/TreePictures.h"

KeyStrip::KeyStrip(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(new QLabel(QString::fromLatin1(PageWidgetMessages::kKey), this));
    const struct {
        KeyPicture picture;
        const char* text;
    } entries[] = {
        {KeyPicture::Conflict, PageWidgetMessages::kKeyConflict},
        {KeyPicture::NonPageable, PageWidgetMessages::kKeyNonPageable},
        {KeyPicture::AssignedPageable, PageWidgetMessages::kKeyAssigned},
        {KeyPicture::UnassignedPageable, PageWidgetMessages::kKeyUnassigned},
    };
    for (const auto& e : entries) {
        row->addSpacing(12);
        auto* picture = new QLabel(this);
        picture->setPixmap(KeyPixmap(e.picture));
        picture->setFixedSize(16, 16);
        row->addWidget(picture);
        row->addWidget(new QLabel(QString::fromLatin1(e.text), this));
    }
    row->addStretch(1);
}
