#pragma once
// The skin's pictures as PNG files built into the program (the generator under tools/skin writes
// the table at build time).

#include <cstddef>
#include <span>

namespace skin {

struct SkinPicture
{
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

std::span<const SkinPicture> SkinPictures();

} // namespace skin
