#pragma once
// A windowless control showing one picture centred, stretched or at its top-left corner, with a
// hint record it carries but does not show.

#include "platform/ui/TGraphicControl.h"
#include "widgets/AdvHintInfo.h"
#include "widgets/GDIPicture.h"

#include <memory>

class TAdvOfficeImage : public vcl::TGraphicControl
{
public:
    explicit TAdvOfficeImage(vcl::TComponent* AOwner);
    ~TAdvOfficeImage() override;

    TGDIPPicture* Picture() const { return m_picture.get(); }
    // Copies the picture and repaints.
    void SetPicture(TGDIPPicture* value);
    TAdvHintInfo* OfficeHint() const { return m_officeHint.get(); }
    void SetOfficeHint(TAdvHintInfo* value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool MouseInControl() const { return m_mouseInControl; }

    // Major, minor, release, build in one byte each, major highest.
    virtual int GetVersionNr() const;
    QString Version() const;
    // Writes are ignored: the version is the code's.
    void SetVersion(const QString&) {}

    // Draws the picture on the canvas as the control shows it.
    virtual void DrawPicture(vcl::TCanvas* ACanvas);

protected:
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool m_mouseInControl { false };
    std::unique_ptr<TAdvHintInfo> m_officeHint;
    std::unique_ptr<TGDIPPicture> m_picture;
    bool m_center { true };
    bool m_stretch { false };
};

// "major.minor.release.build" of a packed version number.
QString VersionNrToText(int versionNr);
