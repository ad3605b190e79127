// The program entry: the application object, the main window, the message loop.

#include "application.h"
#include "uMain.h"

int main(int argc, char** argv) {
    rv::Application application(argc, argv);
    rv::TfrmMain frmMain;
    application.setPrompt(&frmMain.prompt());
    frmMain.show();
    return application.exec();
}
