#pragma once
// Lists and edits every channel name.

#include "platform/ui/TForm.h"

class TfmChNameList : public vcl::TForm
{
public:
    explicit TfmChNameList(vcl::TComponent* owner);
    ~TfmChNameList() override;
};

extern TfmChNameList* fmChNameList;
