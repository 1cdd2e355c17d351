#pragma once
// Holds one picture (a bitmap here) for a control, loads and saves it, and reports changes.

#include "platform/ui/TBitmap.h"

#include <memory>

namespace vcl {

class TPicture : public TPersistent
{
public:
    TPicture() = default;
    ~TPicture() override;

    TNotifyEvent OnChange;

    // Another picture, a bitmap, or nullptr (which empties this one).
    void Assign(TPersistent* Source) override;

    TGraphic* Graphic() const { return m_bitmap.get(); }
    void SetGraphic(TGraphic* value) { Assign(value); }
    // The bitmap, made empty on first use.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* value) { Assign(value); }

    int Width() const { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const { return m_bitmap ? m_bitmap->Height() : 0; }

    // A failed load raises and keeps the picture as it was.
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName);

private:
    void Changed();
    TBitmap* Ensure();

    std::unique_ptr<TBitmap> m_bitmap;
};

} // namespace vcl
