#pragma once
// The whole program's windows without a device: no HID devices or serial ports are visible and the
// connection search does not start. Ending it frees the windows and clears the form pointers.

#include "platform/ui/TApplication.h"
#include "platform/ui/TTimer.h"
#include "ui/AppForms.h"
#include "ui/FMain.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

void ClearFormPointers();

struct NoDeviceProgram
{
    NoDeviceProgram()
    {
        static QTemporaryDir emptyRoot;
        if (!std::getenv("ZQ9_HID_ROOT"))
            setenv("ZQ9_HID_ROOT", emptyRoot.path().toLocal8Bit().constData(), 1);
        if (!std::getenv("ZQ9_SERIAL_PORTS"))
            setenv("ZQ9_SERIAL_PORTS", "", 1);
        app = std::make_unique<vcl::TApplication>(argc, argv);
        CreateAppForms(*app);
        fmMain->tmStartConnect->SetEnabled(false);
    }
    ~NoDeviceProgram()
    {
        app.reset();
        ClearFormPointers();
    }
    NoDeviceProgram(const NoDeviceProgram&) = delete;
    NoDeviceProgram& operator=(const NoDeviceProgram&) = delete;

    int argc { 1 };
    char name[8] { "test_ui" };
    char* argv[2] { name, nullptr };
    std::unique_ptr<vcl::TApplication> app;
};
