#pragma once
// Loads shared libraries by name at run time and looks up their exported names.

#include <cstdint>
#include <string>

namespace vcl
{

// 0 means not loaded.
using TModuleHandle = uintptr_t;

// The file a library name stands for: the Windows names of our HID and setup libraries map to
// our own shared libraries; any other name is used as given.
std::string ModuleFileName(const std::u16string& name);

// Loads the library when handle is 0; true when the handle is non-zero afterwards. Our own
// libraries are looked for in $ZQ9_LIBRARY_DIR when it is set, else beside the executable and
// then on the loader's search path.
bool LoadModule(TModuleHandle& handle, const std::u16string& name);
void UnloadModule(TModuleHandle& handle);

// The address exported under name (letter case must match), or null.
void* GetModuleSymbol(TModuleHandle handle, const std::u16string& name);
// As GetModuleSymbol; accu stays true only while every lookup finds its name.
void* GetModuleSymbolEx(TModuleHandle handle, const std::u16string& name, bool& accu);

} // namespace vcl
