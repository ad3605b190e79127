// The program entry: the application object, the main window, the message loop. A case file named
// on the command line opens once the window shows.

#include "application.h"
#include "uMain.h"

#include <QTimer>

int main(int argc, char** argv) {
    rv::Application application(argc, argv);
    rv::TfrmMain frmMain;
    application.setPrompt(&frmMain.prompt());
    frmMain.show();
    if (const QString caseFile = rv::caseFileArgument(application.arguments()); !caseFile.isEmpty())
        QTimer::singleShot(0, &frmMain, [&frmMain, caseFile] { frmMain.openCaseFile(caseFile); });
    return application.exec();
}
