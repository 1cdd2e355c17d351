#pragma once
// The base the plot control and the library's other controls derive from.

#include "plot/iVCLComponent.h"

class TiCustomComponent : public TiVCLComponent
{
public:
    using TiVCLComponent::TiVCLComponent;
};
