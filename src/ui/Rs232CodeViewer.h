#pragma once
// What both RS-232 protocol document viewers share: one centred column (the rich text and ten
// pictures) that scrolls by keys, wheel and scroll bars, and a window that reopens at its normal size.
// The title lines and the pages come from the embedded document of the viewer's language; the pages
// are drawn when the viewer is first shown.

#include "platform/ui/TForm.h"

#include <array>

class QScrollBar;
class TAdvOfficeImage;
class TRTFLabel;

class TRs232CodeViewer : public vcl::TForm
{
public:
    void FormResize(vcl::TObject* Sender);
    void FormKeyDown(vcl::TObject* Sender, vcl::WORD& Key, vcl::TShiftState Shift);
    void FormMouseWheelUp(vcl::TObject* Sender, vcl::TShiftState Shift, vcl::TPoint MousePos, bool& Handled);
    void FormMouseWheelDown(vcl::TObject* Sender, vcl::TShiftState Shift, vcl::TPoint MousePos, bool& Handled);
    void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
    void FormShow(vcl::TObject* Sender);

    // Scroll positions, each kept within 0 .. content extent - visible extent.
    int VertPosition() const { return m_vert; }
    int HorzPosition() const { return m_horz; }
    void SetVertPosition(int value);
    void SetHorzPosition(int value);
    int VertRange() const;
    int HorzRange() const;

    TRTFLabel* RTFLabel { nullptr };
    std::array<TAdvOfficeImage*, 10> AdvOfficeImages {};

protected:
    TRs232CodeViewer(vcl::TComponent* owner, const QString& name, const QString& caption, int width, int height,
                     const std::array<int, 10>& pictureTops, const QString& language);
    void SizeChanged() override;
    void DoShow() override;

private:
    void PlaceContent();
    void SyncScrollBars();
    void DrawPages();

    std::array<int, 10> m_pictureTops;
    std::array<int, 10> m_pictureHeights {};
    QString m_language;
    bool m_pagesDrawn { false };
    int m_columnLeft { 50 };
    int m_vert { 0 };
    int m_horz { 0 };
    QScrollBar* m_vertBar { nullptr };
    QScrollBar* m_horzBar { nullptr };
    bool m_syncing { false };
};
