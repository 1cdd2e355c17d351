#pragma once

// The control library's style interface: one call recolours a control after a named look.

// Named looks, in their stored order (a stream or caller may rely on the ordinal).
enum class TStylePreset {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

// Implemented by controls that offer the named looks. The implementer's own lifetime rules apply:
// holding an IComponentStyle never keeps the control alive.
class IComponentStyle {
public:
    virtual void SetComponentStyle(TStylePreset AStyle) = 0;

protected:
    IComponentStyle() = default;
    IComponentStyle(const IComponentStyle&) = default;
    IComponentStyle& operator=(const IComponentStyle&) = default;
    ~IComponentStyle() = default;
};
