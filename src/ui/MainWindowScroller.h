#pragma once
// Scroll bars for a window smaller than its design size: the window's controls keep their design
// places and move together under the bars, so every one of them can be brought into view.

#include <QSize>

class QScrollBar;

namespace vcl {
class TForm;
}

class MainWindowScroller
{
public:
    MainWindowScroller(vcl::TForm& form, QSize design);

    // Bars on while the window is narrower or lower than its design size, off (the content back in
    // its place) otherwise. Runs before the window's resize rules, which only act where no bar is.
    void Fit();
    int HorzPosition() const { return m_pos.width(); }
    int VertPosition() const { return m_pos.height(); }
    void SetPosition(int horz, int vert);
    QScrollBar* HorzBar() const { return m_horz; }
    QScrollBar* VertBar() const { return m_vert; }

private:
    // How far the content reaches, as it lies with no scrolling.
    QSize ContentExtent() const;
    void Shift(int dx, int dy);
    void PlaceBars(QSize range, bool horzShown, bool vertShown);

    vcl::TForm& m_form;
    QSize m_design;
    QSize m_pos { 0, 0 };
    QScrollBar* m_horz;
    QScrollBar* m_vert;
    bool m_syncing { false };
};
