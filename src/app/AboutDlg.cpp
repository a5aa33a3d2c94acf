#include "app/AboutDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "Version.h"
#include "app/AppMessages.h"
#include "app/AppPictures.h"

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("App", AppMessages::kAboutCaption));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 12);
    grid->setHorizontalSpacing(16);
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("App", AppMessages::kAboutVersion)
                                   .arg(QLatin1String(kZrtVersion)),
                               this),
                    0, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("App", AppMessages::kAboutLine2), this),
                    1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 2, 0, 1, 2);
    setFixedSize(sizeHint());
}
