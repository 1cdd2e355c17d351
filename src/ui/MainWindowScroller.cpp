#include "ui/MainWindowScroller.h"

#include "platform/ui/TForm.h"

#include <QScrollBar>

#include <algorithm>

namespace {

int BarSize(const QScrollBar& bar)
{
    return bar.sizeHint().height() > 0 ? std::max(bar.sizeHint().width(), bar.sizeHint().height()) : 16;
}

} // namespace

MainWindowScroller::MainWindowScroller(vcl::TForm& form, QSize design)
    : m_form(form), m_design(design), m_horz(new QScrollBar(Qt::Horizontal, &form)), m_vert(new QScrollBar(Qt::Vertical, &form))
{
    m_horz->hide();
    m_vert->hide();
    QObject::connect(m_horz, &QScrollBar::valueChanged, [this](int v) {
        if (!m_syncing)
            SetPosition(v, m_pos.height());
    });
    QObject::connect(m_vert, &QScrollBar::valueChanged, [this](int v) {
        if (!m_syncing)
            SetPosition(m_pos.width(), v);
    });
}

QSize MainWindowScroller::ContentExtent() const
{
    int right = 0, bottom = 0;
    for (int i = 0; i < m_form.ControlCount(); ++i) {
        const vcl::TControl* c = m_form.Controls(i);
        if (!c->Visible())
            continue;
        right = std::max(right, c->Left() + c->Width() + m_pos.width());
        bottom = std::max(bottom, c->Top() + c->Height() + m_pos.height());
    }
    return { right, bottom };
}

void MainWindowScroller::Shift(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (int i = 0; i < m_form.ControlCount(); ++i) {
        vcl::TControl* c = m_form.Controls(i);
        c->SetBounds(c->Left() - dx, c->Top() - dy, c->Width(), c->Height());
    }
}

void MainWindowScroller::Fit()
{
    const bool on = m_form.Width() < m_design.width() || m_form.Height() < m_design.height();
    if (!on) {
        SetPosition(0, 0);
        m_horz->hide();
        m_vert->hide();
        return;
    }
    const QSize extent = ContentExtent();
    const int bar = BarSize(*m_vert);
    const int w = m_form.ClientWidth(), h = m_form.ClientHeight();
    // A bar takes room from the other direction, which may then need its own bar.
    bool horzShown = extent.width() > w, vertShown = extent.height() > h;
    vertShown = vertShown || (horzShown && extent.height() > h - bar);
    horzShown = horzShown || (vertShown && extent.width() > w - bar);
    const QSize range(std::max(0, extent.width() - (w - (vertShown ? bar : 0))),
                      std::max(0, extent.height() - (h - (horzShown ? bar : 0))));
    PlaceBars(range, horzShown, vertShown);
    SetPosition(std::min(m_pos.width(), range.width()), std::min(m_pos.height(), range.height()));
}

void MainWindowScroller::PlaceBars(QSize range, bool horzShown, bool vertShown)
{
    const bool was = m_syncing;
    m_syncing = true;
    const int bar = BarSize(*m_vert);
    const int top = m_form.ClientOrigin().y();
    const int w = m_form.ClientWidth(), h = m_form.ClientHeight();
    m_horz->setGeometry(0, top + h - bar, std::max(0, w - (vertShown ? bar : 0)), bar);
    m_horz->setRange(0, range.width());
    m_horz->setPageStep(std::max(1, w));
    m_horz->setSingleStep(30);
    m_horz->setVisible(horzShown);
    m_vert->setGeometry(w - bar, top, bar, std::max(0, h - (horzShown ? bar : 0)));
    m_vert->setRange(0, range.height());
    m_vert->setPageStep(std::max(1, h));
    m_vert->setSingleStep(30);
    m_vert->setVisible(vertShown);
    m_horz->raise();
    m_vert->raise();
    m_syncing = was;
}

void MainWindowScroller::SetPosition(int horz, int vert)
{
    horz = std::clamp(horz, 0, std::max(0, !m_horz->isHidden() ? m_horz->maximum() : 0));
    vert = std::clamp(vert, 0, std::max(0, !m_vert->isHidden() ? m_vert->maximum() : 0));
    Shift(horz - m_pos.width(), vert - m_pos.height());
    m_pos = QSize(horz, vert);
    const bool was = m_syncing;
    m_syncing = true;
    m_horz->setValue(horz);
    m_vert->setValue(vert);
    m_syncing = was;
}
