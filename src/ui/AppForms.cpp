#include "ui/AppForms.h"

#include "platform/ui/TApplication.h"
#include "ui/FAbout.h"
#include "ui/FChNameList.h"
#include "ui/FChannelName.h"
#include "ui/FCopy.h"
#include "ui/FExit.h"
#include "ui/FFactory.h"
#include "ui/FHidData.h"
#include "ui/FInformation.h"
#include "ui/FLinkSel.h"
#include "ui/FLockPassWord.h"
#include "ui/FLockSetup.h"
#include "ui/FMain.h"
#include "ui/FMemo.h"
#include "ui/FNetWorkScan.h"
#include "ui/FNetworkSetup.h"
#include "ui/FPeqRst.h"
#include "ui/FProcess.h"
#include "ui/FRecallPreset.h"
#include "ui/FRs232CodeDoc.h"
#include "ui/FRs232CodeDocEnglish.h"
#include "ui/FStoreName.h"
#include "ui/FStorePreset.h"
#include "ui/FTest.h"

void CreateAppForms(vcl::TApplication& app)
{
    app.CreateForm(fmMain);
    app.CreateForm(fmHidData);
    app.CreateForm(fmPeqRst);
    app.CreateForm(fmAbout);
    app.CreateForm(fmRs232Code);
    app.CreateForm(fmRs232CodeEnglish);
    app.CreateForm(fmLockPassWord);
    app.CreateForm(fmLockSetup);
    app.CreateForm(fmNetwork);
    app.CreateForm(fmProcess);
    app.CreateForm(fmInformation);
    app.CreateForm(fmExit);
    app.CreateForm(fmMemo);
    app.CreateForm(fmRecallPreset);
    app.CreateForm(fmChannelName);
    app.CreateForm(fmStorePreset);
    app.CreateForm(fmFactory);
    app.CreateForm(fmTest);
    app.CreateForm(fmLinkSel);
    app.CreateForm(fmChNameList);
    app.CreateForm(fmStoreName);
    app.CreateForm(fmNetworkSetup);
    app.CreateForm(fmCopy);
}
