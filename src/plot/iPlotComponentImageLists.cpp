#include "plot/iPlotComponent.h"

#include "platform/core/Exception.h"

vcl::TImageList* TiPlotComponent::ImageList(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FImageLists.size()))
        throw vcl::Exception(QStringLiteral("ImageList Index must be 0-2"));
    return FImageLists[static_cast<std::size_t>(Index)].get();
}
