#include "frame/uieditorstartup.h"

#include "frame/uitranslations.h"

#include <QApplication>
#include <QDebug>

void InitNonApplicationWindowsUIEditor()
{
    if (!QCoreApplication::instance()) {
        // QApplication keeps references to argc and argv for its whole life.
        static int argc = 1;
        static char name[] = "uieditor";
        static char* argv[] = {name, nullptr};
        // Deliberately never destroyed: the host owns the process's lifetime,
        // and tearing Qt down during static destruction is unsafe.
        new QApplication(argc, argv);
    }
    UiTranslations::install();
    qDebug().noquote() << QString(57, QLatin1Char('*'));
}
