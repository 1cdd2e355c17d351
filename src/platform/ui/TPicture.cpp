#include "platform/ui/TPicture.h"

namespace vcl {

TPicture::~TPicture()
{
    if (m_bitmap)
        m_bitmap->OnChange = nullptr;
}

TBitmap* TPicture::Ensure()
{
    if (!m_bitmap) {
        m_bitmap = std::make_unique<TBitmap>();
        m_bitmap->OnChange = [this](TObject*) { Changed(); };
    }
    return m_bitmap.get();
}

TBitmap* TPicture::Bitmap()
{
    return Ensure();
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::Assign(TPersistent* Source)
{
    if (Source == nullptr) {
        if (m_bitmap) {
            m_bitmap->OnChange = nullptr;
            m_bitmap.reset();
        }
        Changed();
        return;
    }
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (picture == this)
            return;
        Assign(picture->m_bitmap.get());
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (bitmap != m_bitmap.get())
            Ensure()->Assign(bitmap);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::LoadFromFile(const QString& FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    Ensure()->Assign(&loaded);
}

void TPicture::SaveToFile(const QString& FileName)
{
    if (m_bitmap)
        m_bitmap->SaveToFile(FileName);
}

} // namespace vcl
