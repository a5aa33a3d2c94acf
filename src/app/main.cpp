#include <QApplication>

#include "app/AppPictures.h"
#include "app/CZRTProApp.h"
#include "app/CommandLineInfo.h"
#include "app/SingleInstance.h"
#include "lang/ProgramLanguage.h"

int main(int argc, char** argv) {
    if (const auto status = AnswerInfoOption(argc, argv)) return *status;
    QApplication application(argc, argv);
    ProgramLanguage language;
    language.InstallInApplication();
    QApplication::setOrganizationName("NEXIL");
    QApplication::setApplicationName("NEXIL");
    // No display name: Qt would append it to every dialog's caption, and the
    // captions are the program's own texts.
    QApplication::setDesktopFileName("nexil-zrtpro");
    QApplication::setWindowIcon(AppIcon());

    CZRTProApp program(SingleInstance::DefaultName());
    if (!program.InitInstance(QApplication::arguments())) return 0;
    return QApplication::exec();
}
