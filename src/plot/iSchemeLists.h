#pragma once
// The class of a colour scheme's property list tells where the scheme came from: the user's
// scheme file or the library's own.

#include "platform/core/TStringList.h"

class TiUserSchemeList : public vcl::TStringList
{
};

class TiZarvikSchemeList : public vcl::TStringList
{
};
