#include <QApplication>

#include "app/AppMessages.h"
#include "app/AppPictures.h"
#include "app/CZRTProApp.h"
#include "app/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("NEXIL");
    QApplication::setApplicationName("NEXIL");
    QApplication::setApplicationDisplayName(QString::fromLatin1(AppMessages::kAppTitle));
    QApplication::setDesktopFileName("nexil-zrtpro");
    QApplication::setWindowIcon(AppIcon());

    CZRTProApp program(SingleInstance::DefaultName());
    if (!program.InitInstance(QApplication::arguments())) return 0;
    return QApplication::exec();
}
