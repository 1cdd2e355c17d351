#pragma once
// The one list of names our HID and setup libraries export and the binder binds.
//
// Each entry names its entry-point type; FARPROC marks a name that the libraries answer with
// "not supported" through a generated stub.

// HID library: X(export, type).
#define ZQ9_HID_EXPORTS(X) \
    X(HidD_Hello, FARPROC) \
    X(HidD_GetHidGuid, PHidD_GetHidGuid) \
    X(HidD_GetPreparsedData, PHidD_GetPreparsedData) \
    X(HidD_FreePreparsedData, PHidD_FreePreparsedData) \
    X(HidD_GetConfiguration, PHidD_GetConfiguration) \
    X(HidD_SetConfiguration, PHidD_SetConfiguration) \
    X(HidD_FlushQueue, PHidD_FlushQueue) \
    X(HidD_GetFeature, PHidD_GetFeature) \
    X(HidD_SetFeature, PHidD_SetFeature) \
    X(HidD_GetNumInputBuffers, PHidD_GetNumInputBuffers) \
    X(HidD_SetNumInputBuffers, PHidD_SetNumInputBuffers) \
    X(HidD_GetAttributes, PHidD_GetAttributes) \
    X(HidD_GetManufacturerString, PHidD_GetManufacturerString) \
    X(HidD_GetProductString, PHidD_GetProductString) \
    X(HidD_GetSerialNumberString, PHidD_GetSerialNumberString) \
    X(HidD_GetPhysicalDescriptor, PHidD_GetPhysicalDescriptor) \
    X(HidD_GetIndexedString, PHidD_GetIndexedString) \
    X(HidD_GetInputReport, PHidD_GetInputReport) \
    X(HidD_SetOutputReport, PHidD_SetOutputReport) \
    X(HidP_GetCaps, PHidP_GetCaps) \
    X(HidP_GetLinkCollectionNodes, PHidP_GetLinkCollectionNodes) \
    X(HidP_GetSpecificButtonCaps, PHidP_GetSpecificButtonCaps) \
    X(HidP_GetSpecificValueCaps, PHidP_GetSpecificValueCaps) \
    X(HidP_GetData, PHidP_GetData) \
    X(HidP_SetData, PHidP_SetData) \
    X(HidP_MaxDataListLength, PHidP_MaxDataListLength) \
    X(HidP_GetUsages, PHidP_GetUsages) \
    X(HidP_GetUsagesEx, PHidP_GetUsagesEx) \
    X(HidP_SetUsages, PHidP_SetUsages) \
    X(HidP_UnsetUsages, PHidP_UnsetUsages) \
    X(HidP_MaxUsageListLength, PHidP_MaxUsageListLength) \
    X(HidP_GetUsageValue, PHidP_GetUsageValue) \
    X(HidP_GetScaledUsageValue, PHidP_GetScaledUsageValue) \
    X(HidP_GetUsageValueArray, PHidP_GetUsageValueArray) \
    X(HidP_SetUsageValue, PHidP_SetUsageValue) \
    X(HidP_SetScaledUsageValue, PHidP_SetScaledUsageValue) \
    X(HidP_SetUsageValueArray, PHidP_SetUsageValueArray) \
    X(HidP_UsageListDifference, FARPROC) \
    X(HidP_TranslateUsagesToI8042ScanCodes, FARPROC) \
    X(HidP_GetExtendedAttributes, PHidP_GetExtendedAttributes) \
    X(HidP_InitializeReportForID, PHidP_InitializeReportForID)

// Second entry points bound to a HID export: X(entry point, export, type).
#define ZQ9_HID_ALIASES(X) \
    X(HidP_GetButtons, HidP_GetUsages, PHidP_GetUsages) \
    X(HidP_GetButtonsEx, HidP_GetUsagesEx, PHidP_GetUsagesEx) \
    X(HidP_SetButtons, HidP_SetUsages, PHidP_SetUsages) \
    X(HidP_UnsetButtons, HidP_UnsetUsages, PHidP_UnsetUsages) \
    X(HidP_MaxButtonListLength, HidP_MaxUsageListLength, PHidP_MaxUsageListLength)

// Setup families with ANSI and wide exports: X(family, A type, W type).
#define ZQ9_SETUP_AW(X) \
    X(SetupGetInfInformation, FARPROC, FARPROC) \
    X(SetupQueryInfFileInformation, FARPROC, FARPROC) \
    X(SetupQueryInfVersionInformation, FARPROC, FARPROC) \
    X(SetupGetInfFileList, FARPROC, FARPROC) \
    X(SetupOpenInfFile, FARPROC, FARPROC) \
    X(SetupOpenAppendInfFile, FARPROC, FARPROC) \
    X(SetupFindFirstLine, FARPROC, FARPROC) \
    X(SetupFindNextMatchLine, FARPROC, FARPROC) \
    X(SetupGetLineByIndex, FARPROC, FARPROC) \
    X(SetupGetLineCount, FARPROC, FARPROC) \
    X(SetupGetLineText, FARPROC, FARPROC) \
    X(SetupGetStringField, FARPROC, FARPROC) \
    X(SetupGetMultiSzField, FARPROC, FARPROC) \
    X(SetupGetFileCompressionInfo, FARPROC, FARPROC) \
    X(SetupDecompressOrCopyFile, FARPROC, FARPROC) \
    X(SetupGetSourceFileLocation, FARPROC, FARPROC) \
    X(SetupGetSourceFileSize, FARPROC, FARPROC) \
    X(SetupGetTargetPath, FARPROC, FARPROC) \
    X(SetupSetSourceList, FARPROC, FARPROC) \
    X(SetupAddToSourceList, FARPROC, FARPROC) \
    X(SetupRemoveFromSourceList, FARPROC, FARPROC) \
    X(SetupQuerySourceList, FARPROC, FARPROC) \
    X(SetupFreeSourceList, FARPROC, FARPROC) \
    X(SetupPromptForDisk, FARPROC, FARPROC) \
    X(SetupCopyError, FARPROC, FARPROC) \
    X(SetupRenameError, FARPROC, FARPROC) \
    X(SetupDeleteError, FARPROC, FARPROC) \
    X(SetupSetDirectoryId, FARPROC, FARPROC) \
    X(SetupSetDirectoryIdEx, FARPROC, FARPROC) \
    X(SetupGetSourceInfo, FARPROC, FARPROC) \
    X(SetupInstallFile, FARPROC, FARPROC) \
    X(SetupInstallFileEx, FARPROC, FARPROC) \
    X(SetupSetPlatformPathOverride, FARPROC, FARPROC) \
    X(SetupQueueCopy, FARPROC, FARPROC) \
    X(SetupQueueDefaultCopy, FARPROC, FARPROC) \
    X(SetupQueueCopySection, FARPROC, FARPROC) \
    X(SetupQueueDelete, FARPROC, FARPROC) \
    X(SetupQueueDeleteSection, FARPROC, FARPROC) \
    X(SetupQueueRename, FARPROC, FARPROC) \
    X(SetupQueueRenameSection, FARPROC, FARPROC) \
    X(SetupCommitFileQueue, FARPROC, FARPROC) \
    X(SetupScanFileQueue, FARPROC, FARPROC) \
    X(SetupCopyOEMInf, FARPROC, FARPROC) \
    X(SetupCreateDiskSpaceList, FARPROC, FARPROC) \
    X(SetupDuplicateDiskSpaceList, FARPROC, FARPROC) \
    X(SetupQueryDrivesInDiskSpaceList, FARPROC, FARPROC) \
    X(SetupQuerySpaceRequiredOnDrive, FARPROC, FARPROC) \
    X(SetupAdjustDiskSpaceList, FARPROC, FARPROC) \
    X(SetupAddToDiskSpaceList, FARPROC, FARPROC) \
    X(SetupAddSectionToDiskSpaceList, FARPROC, FARPROC) \
    X(SetupAddInstallSectionToDiskSpaceList, FARPROC, FARPROC) \
    X(SetupRemoveFromDiskSpaceList, FARPROC, FARPROC) \
    X(SetupRemoveSectionFromDiskSpaceList, FARPROC, FARPROC) \
    X(SetupRemoveInstallSectionFromDiskSpaceList, FARPROC, FARPROC) \
    X(SetupIterateCabinet, FARPROC, FARPROC) \
    X(SetupDefaultQueueCallback, FARPROC, FARPROC) \
    X(SetupInstallFromInfSection, FARPROC, FARPROC) \
    X(SetupInstallFilesFromInfSection, FARPROC, FARPROC) \
    X(SetupInstallServicesFromInfSection, FARPROC, FARPROC) \
    X(SetupInstallServicesFromInfSectionEx, FARPROC, FARPROC) \
    X(SetupInitializeFileLog, FARPROC, FARPROC) \
    X(SetupLogFile, FARPROC, FARPROC) \
    X(SetupRemoveFileLogEntry, FARPROC, FARPROC) \
    X(SetupQueryFileLog, FARPROC, FARPROC) \
    X(SetupLogError, FARPROC, FARPROC) \
    X(SetupDiCreateDeviceInfoListEx, FARPROC, FARPROC) \
    X(SetupDiGetDeviceInfoListDetail, FARPROC, FARPROC) \
    X(SetupDiCreateDeviceInfo, FARPROC, FARPROC) \
    X(SetupDiOpenDeviceInfo, FARPROC, FARPROC) \
    X(SetupDiGetDeviceInstanceId, FARPROC, FARPROC) \
    X(SetupDiEnumDriverInfo, FARPROC, FARPROC) \
    X(SetupDiGetSelectedDriver, FARPROC, FARPROC) \
    X(SetupDiSetSelectedDriver, FARPROC, FARPROC) \
    X(SetupDiGetDriverInfoDetail, FARPROC, FARPROC) \
    X(SetupDiGetClassDevs, FARPROC, PSetupDiGetClassDevsW) \
    X(SetupDiGetClassDevsEx, FARPROC, FARPROC) \
    X(SetupDiGetINFClass, FARPROC, FARPROC) \
    X(SetupDiBuildClassInfoListEx, FARPROC, FARPROC) \
    X(SetupDiGetClassDescription, FARPROC, FARPROC) \
    X(SetupDiGetClassDescriptionEx, FARPROC, FARPROC) \
    X(SetupDiInstallClass, FARPROC, FARPROC) \
    X(SetupDiInstallClassEx, FARPROC, FARPROC) \
    X(SetupDiOpenClassRegKeyEx, FARPROC, FARPROC) \
    X(SetupDiCreateDevRegKey, FARPROC, FARPROC) \
    X(SetupDiGetHwProfileListEx, FARPROC, FARPROC) \
    X(SetupDiGetDeviceRegistryProperty, PSetupDiGetDeviceRegistryPropertyA, PSetupDiGetDeviceRegistryPropertyW) \
    X(SetupDiSetDeviceRegistryProperty, FARPROC, FARPROC) \
    X(SetupDiGetDeviceInstallParams, FARPROC, FARPROC) \
    X(SetupDiGetClassInstallParams, FARPROC, FARPROC) \
    X(SetupDiSetDeviceInstallParams, FARPROC, FARPROC) \
    X(SetupDiSetClassInstallParams, FARPROC, FARPROC) \
    X(SetupDiGetDriverInstallParams, FARPROC, FARPROC) \
    X(SetupDiSetDriverInstallParams, FARPROC, FARPROC) \
    X(SetupDiGetClassImageListEx, FARPROC, FARPROC) \
    X(SetupDiGetClassDevPropertySheets, FARPROC, FARPROC) \
    X(SetupDiClassNameFromGuid, FARPROC, FARPROC) \
    X(SetupDiClassNameFromGuidEx, FARPROC, FARPROC) \
    X(SetupDiClassGuidsFromName, FARPROC, FARPROC) \
    X(SetupDiClassGuidsFromNameEx, FARPROC, FARPROC) \
    X(SetupDiGetHwProfileFriendlyName, FARPROC, FARPROC) \
    X(SetupDiGetHwProfileFriendlyNameEx, FARPROC, FARPROC) \
    X(SetupDiGetActualSectionToInstall, FARPROC, FARPROC)

// Setup names without variants: X(export, type).
#define ZQ9_SETUP_PLAIN(X) \
    X(SetupOpenMasterInf, FARPROC) \
    X(SetupCloseInfFile, FARPROC) \
    X(SetupFindNextLine, FARPROC) \
    X(SetupGetFieldCount, FARPROC) \
    X(SetupGetIntField, FARPROC) \
    X(SetupGetBinaryField, FARPROC) \
    X(SetupCancelTemporarySourceList, FARPROC) \
    X(SetupOpenFileQueue, FARPROC) \
    X(SetupCloseFileQueue, FARPROC) \
    X(SetupDestroyDiskSpaceList, FARPROC) \
    X(SetupPromptReboot, FARPROC) \
    X(SetupInitDefaultQueueCallback, FARPROC) \
    X(SetupInitDefaultQueueCallbackEx, FARPROC) \
    X(SetupTermDefaultQueueCallback, FARPROC) \
    X(SetupTerminateFileLog, FARPROC) \
    X(SetupOpenLog, FARPROC) \
    X(SetupCloseLog, FARPROC) \
    X(SetupDiCreateDeviceInfoList, FARPROC) \
    X(SetupDiGetDeviceInfoListClass, FARPROC) \
    X(SetupDiDeleteDeviceInfo, FARPROC) \
    X(SetupDiEnumDeviceInfo, FARPROC) \
    X(SetupDiDestroyDeviceInfoList, PSetupDiDestroyDeviceInfoList) \
    X(SetupDiRegisterDeviceInfo, FARPROC) \
    X(SetupDiBuildDriverInfoList, FARPROC) \
    X(SetupDiCancelDriverInfoSearch, FARPROC) \
    X(SetupDiDestroyDriverInfoList, FARPROC) \
    X(SetupDiBuildClassInfoList, FARPROC) \
    X(SetupDiCallClassInstaller, FARPROC) \
    X(SetupDiSelectDevice, FARPROC) \
    X(SetupDiSelectBestCompatDrv, FARPROC) \
    X(SetupDiInstallDevice, FARPROC) \
    X(SetupDiInstallDriverFiles, FARPROC) \
    X(SetupDiRegisterCoDeviceInstallers, FARPROC) \
    X(SetupDiRemoveDevice, FARPROC) \
    X(SetupDiUnremoveDevice, FARPROC) \
    X(SetupDiMoveDuplicateDevice, FARPROC) \
    X(SetupDiChangeState, FARPROC) \
    X(SetupDiOpenClassRegKey, FARPROC) \
    X(SetupDiOpenDevRegKey, FARPROC) \
    X(SetupDiDeleteDevRegKey, FARPROC) \
    X(SetupDiGetHwProfileList, FARPROC) \
    X(SetupDiLoadClassIcon, FARPROC) \
    X(SetupDiDrawMiniIcon, FARPROC) \
    X(SetupDiGetClassBitmapIndex, FARPROC) \
    X(SetupDiGetClassImageList, FARPROC) \
    X(SetupDiGetClassImageIndex, FARPROC) \
    X(SetupDiDestroyClassImageList, FARPROC) \
    X(SetupDiAskForOEMDisk, FARPROC) \
    X(SetupDiSelectOEMDrv, FARPROC) \
    X(SetupDiGetWizardPage, FARPROC) \
    X(SetupDiGetSelectedDevice, FARPROC) \
    X(SetupDiSetSelectedDevice, FARPROC)

// Device-interface names also bound under their older names: X(export, older name, type).
#define ZQ9_SETUP_IFACE(X) \
    X(SetupDiEnumDeviceInterfaces, SetupDiEnumInterfaceDevice, PSetupDiEnumDeviceInterfaces) \
    X(SetupDiGetDeviceInterfaceAlias, SetupDiGetInterfaceDeviceAlias, FARPROC) \
    X(SetupDiDeleteDeviceInterfaceData, SetupDiDeleteInterfaceDeviceData, FARPROC) \
    X(SetupDiRemoveDeviceInterface, SetupDiRemoveInterfaceDevice, FARPROC) \
    X(SetupDiInstallDeviceInterfaces, SetupDiInstallInterfaceDevices, FARPROC) \
    X(SetupDiOpenDeviceInterfaceRegKey, SetupDiOpenInterfaceDeviceRegKey, FARPROC) \
    X(SetupDiDeleteDeviceInterfaceRegKey, SetupDiDeleteInterfaceDeviceRegKey, FARPROC)

// Device-interface families also bound under their older names: X(family, older family, A type, W type).
#define ZQ9_SETUP_IFACE_AW(X) \
    X(SetupDiCreateDeviceInterface, SetupDiCreateInterfaceDevice, FARPROC, FARPROC) \
    X(SetupDiOpenDeviceInterface, SetupDiOpenInterfaceDevice, FARPROC, FARPROC) \
    X(SetupDiGetDeviceInterfaceDetail, SetupDiGetInterfaceDeviceDetail, PSetupDiGetDeviceInterfaceDetailA, FARPROC) \
    X(SetupDiCreateDeviceInterfaceRegKey, SetupDiCreateInterfaceDeviceRegKey, FARPROC, FARPROC)

// ZQ9_IS_STUB(type) is 1 for FARPROC and 0 for any typed entry, so one list can tell the two apart.
#define ZQ9_HID_PROBE_FARPROC ~, 1
#define ZQ9_HID_SECOND_(a, b, ...) b
#define ZQ9_HID_SECOND(...) ZQ9_HID_SECOND_(__VA_ARGS__)
#define ZQ9_HID_CAT_(a, b) a##b
#define ZQ9_HID_CAT(a, b) ZQ9_HID_CAT_(a, b)
#define ZQ9_IS_STUB(type) ZQ9_HID_SECOND(ZQ9_HID_PROBE_##type, 0, ~)
