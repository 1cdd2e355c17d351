#pragma once
// Reaches the device controller's link state for tests that start from a state no link of theirs
// could bring about (a transport opened by the test itself, an acknowledge already awaited).

#include "controller/DeviceController.h"

class DeviceControllerProbe
{
public:
    explicit DeviceControllerProbe(DeviceController& controller) : C(controller) {}

    LCommProc*& CommProc() { return C.CommProc; }
    LUsbProc*& UsbProc() { return C.UsbProc; }
    LNetProc*& NetProc() { return C.NetProc; }
    bool& Linked() { return C.Linked; }
    int& CurPresetNo() { return C.CurPresetNo; }
    int& PostLoadState() { return C.PostLoadState; }
    int& AckState() { return C.AckState; }

private:
    DeviceController& C;
};
