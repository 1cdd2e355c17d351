// Program entry: builds the application, creates every window, runs the loop.
#include "device/Constants.h"
#include "platform/core/Exception.h"
#include "platform/ui/TApplication.h"
#include "plot/iPlotOutputForms.h"
#include "ui/AppForms.h"

int main(int argc, char** argv)
{
    vcl::TApplication application(argc, argv);
    try {
        vcl::Application->Initialize();
        iInstallPlotOutputForms();
        vcl::Application->SetMainFormOnTaskBar(true);
        vcl::Application->SetTitle(QString::fromStdString(APP_TITLE + " " + APP_VERSION));
        CreateAppForms(*vcl::Application);
        vcl::Application->Run();
    } catch (const vcl::Exception& e) {
        vcl::Application->ShowException(&e);
    } catch (...) {
        const vcl::Exception e(QString {});
        vcl::Application->ShowException(&e);
    }
    return 0;
}
