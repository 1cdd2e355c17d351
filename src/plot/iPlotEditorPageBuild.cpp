// Building an editor page from its table: tab sheets (nested page controls where a tab has tabs
// of its own), then rows of caption and control flowed top to bottom into as few columns as fit.

#include "plot/iPlotEditorPage.h"

#include "plot/iEditorPickers.h"

#include <algorithm>

using namespace vcl;

namespace {

constexpr int kGap = 2;
constexpr int kEditRow = 22;
constexpr int kCheckRow = 18;
constexpr int kActionRow = 27;
constexpr int kDisplayRow = 17;
constexpr int kGroupTop = 16;
constexpr int kGroupBottom = 4;
constexpr int kRadioItem = 17;
constexpr int kMaxColumnWidth = 270;
constexpr int kMinColumnWidth = 170;
constexpr int kMinCheckColumnWidth = 85;
constexpr int kAttachedWidth = 21; // the "..." button beside a file name

bool IsAction(TiEditorKind Kind)
{
    return Kind == TiEditorKind::Button || Kind == TiEditorKind::OpenPicker || Kind == TiEditorKind::SavePicker;
}

// A "..." picker sits at the right end of the row above it.
bool IsAttached(const TiEditorControlSpec& Spec)
{
    return IsAction(Spec.Kind) && Spec.Caption == QLatin1String("...");
}

// One line of the flow: a single control, a run of buttons side by side, or a group box.
struct Row
{
    std::vector<const TiEditorControlSpec*> Specs;
};

std::vector<Row> RowsOf(const std::vector<TiEditorControlSpec>& Controls)
{
    std::vector<Row> rows;
    for (const TiEditorControlSpec& c : Controls) {
        const bool joins = !rows.empty()
            && ((IsAction(c.Kind) && IsAction(rows.back().Specs.back()->Kind) && !IsAttached(c))
                || (IsAttached(c) && !IsAction(rows.back().Specs.back()->Kind)));
        if (joins)
            rows.back().Specs.push_back(&c);
        else
            rows.push_back(Row { { &c } });
    }
    return rows;
}

int HeightOf(const Row& R, int Width);

// Rows stacked top to bottom, starting a new column where the next one would pass Height: the
// number of columns used.
int ColumnsUsed(const std::vector<int>& Heights, int Height)
{
    int columns = 1;
    int y = 0;
    for (int h : Heights) {
        if (y > 0 && y + h > Height) {
            ++columns;
            y = 0;
        }
        y += h + (h > 0 ? kGap : 0);
    }
    return columns;
}

// The least height at which the rows fit into the given number of columns.
int BalancedHeight(const std::vector<int>& Heights, int Columns)
{
    int low = 0;
    int high = 0;
    for (int h : Heights) {
        low = std::max(low, h + kGap);
        high += h + kGap;
    }
    while (low < high) {
        const int mid = (low + high) / 2;
        if (ColumnsUsed(Heights, mid) <= Columns)
            high = mid;
        else
            low = mid + 1;
    }
    return high;
}

// Check boxes need less room than a caption with its control.
int MinColumnWidth(const std::vector<TiEditorControlSpec>& Controls)
{
    for (const TiEditorControlSpec& c : Controls)
        if (c.Kind != TiEditorKind::Check)
            return kMinColumnWidth;
    return kMinCheckColumnWidth;
}

std::vector<int> HeightsOf(const std::vector<Row>& Rows, int Width)
{
    std::vector<int> heights;
    for (const Row& r : Rows)
        heights.push_back(HeightOf(r, Width));
    return heights;
}

// A group box as wide as Width: its rows in as many columns as fit, balanced.
int HeightOfGroup(const TiEditorControlSpec& Group, int Width)
{
    const int inner = Width - 8;
    const int columns = std::max(1, inner / MinColumnWidth(Group.Children));
    const std::vector<Row> rows = RowsOf(Group.Children);
    return kGroupTop + kGroupBottom + BalancedHeight(HeightsOf(rows, inner / columns), columns);
}

int HeightOf(const Row& R, int Width)
{
    const TiEditorControlSpec& s = *R.Specs.front();
    switch (s.Kind) {
    case TiEditorKind::Check: return kCheckRow;
    case TiEditorKind::Radio: return kGroupTop + kRadioItem * static_cast<int>(s.Items.size()) + 4;
    case TiEditorKind::Group: return (s.Flags & TiEditorFlag::Hidden) ? 0 : HeightOfGroup(s, Width);
    case TiEditorKind::Display: return kDisplayRow;
    case TiEditorKind::Button:
    case TiEditorKind::OpenPicker:
    case TiEditorKind::SavePicker: return kActionRow;
    default: return kEditRow;
    }
}

int ControlWidth(const TiEditorControlSpec& Spec)
{
    switch (Spec.Kind) {
    case TiEditorKind::Number: return Spec.DateTimePage == TiEditorDateTimePage::None ? 70 : 70 - kAttachedWidth;
    case TiEditorKind::Integer: return Spec.UpDown ? 55 : 70;
    case TiEditorKind::Text: return 110;
    case TiEditorKind::List:
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: return 120;
    case TiEditorKind::Color: return 47;
    case TiEditorKind::Font: return 75;
    case TiEditorKind::Display: return 100;
    default: return 75;
    }
}

struct Placement
{
    int X { 0 };
    int Y { 0 };
    int Width { 0 };
    int Height { 0 };
};

// The rows top to bottom in equal columns, as few columns as fit in Area (at most as many as are
// at least MinWidth wide; beyond that the last column runs long).
std::vector<Placement> FlowColumns(const std::vector<Row>& Rows, const TRect& Area, int MinWidth)
{
    const int maxColumns = std::max(1, Area.Width() / MinWidth);
    for (int columns = 1;; ++columns) {
        const int width = std::min(kMaxColumnWidth, Area.Width() / columns);
        const std::vector<int> heights = HeightsOf(Rows, width - 6);
        std::vector<Placement> placed;
        int column = 0;
        int y = 0;
        bool overflow = false;
        for (int h : heights) {
            if (y > 0 && y + h > Area.Height() && column + 1 < columns) {
                ++column;
                y = 0;
            }
            placed.push_back(Placement { Area.Left + column * width, Area.Top + y, width, h });
            y += h + (h > 0 ? kGap : 0);
            overflow = overflow || y > Area.Height() + kGap;
        }
        if (!overflow || columns >= maxColumns)
            return placed;
    }
}

// The words of a property name: "TrackingSpanMinimum" -> "Tracking Span Minimum".
QString WordsOf(const QString& Property)
{
    QString words;
    for (int i = 0; i < Property.size(); ++i) {
        if (i > 0 && Property[i].isUpper() && !Property[i - 1].isUpper())
            words += QLatin1Char(' ');
        words += Property[i];
    }
    return words;
}

} // namespace

QString TiPlotEditorPage::ControlName(const TiEditorPageSpec& Page, const TiEditorControlSpec& Control)
{
    if (!Control.Name.isEmpty())
        return Control.Name;
    switch (Control.Kind) {
    case TiEditorKind::Check: return Page.Prefix + Control.Property + QStringLiteral("CheckBox");
    case TiEditorKind::List:
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: return Page.Prefix + Control.Property + QStringLiteral("ComboBox");
    case TiEditorKind::Color:
    case TiEditorKind::Font: return Page.Prefix + Control.Property + QStringLiteral("Picker");
    case TiEditorKind::Radio: return Page.Prefix + Control.Property + QStringLiteral("RadioGroup");
    case TiEditorKind::Number:
    case TiEditorKind::Integer:
    case TiEditorKind::Text: return Page.Prefix + Control.Property + QStringLiteral("Edit");
    default: return Control.Property; // buttons, pickers and displays carry their own names
    }
}

TiPlotEditorPage::TiPlotEditorPage(const TiEditorPageSpec& Spec, TiCustomEditorForm* Form, TWinControl* Sheet,
                                   const TRect& Area, UserChangeHandler OnUserChange)
    : m_spec(Spec), m_form(Form), m_onUserChange(std::move(OnUserChange))
{
    if (Spec.PageControlName.isEmpty())
        BuildControls(Spec.Tabs.front().Controls, Sheet, Area, Spec.Tabs.front().Flags);
    else
        BuildTabs(Spec.Tabs, Spec.PageControlName, Sheet, Area, 0);
}

void TiPlotEditorPage::BuildTabs(const std::vector<TiEditorTabSpec>& Tabs, const QString& PageControlName,
                                 TWinControl* Parent, const TRect& Area, int Flags)
{
    auto* pages = new TiComponentEditorPageControl(m_form);
    pages->SetName(PageControlName);
    pages->SetParent(Parent);
    pages->SetBounds(Area.Left, Area.Top, Area.Width(), Area.Height());
    m_pageControls.push_back(pages);
    // Every tab first, so that the sheets have their final size before anything is placed on them.
    std::vector<TTabSheet*> sheets;
    for (const TiEditorTabSpec& tab : Tabs) {
        auto* sheet = new TTabSheet(m_form);
        sheet->SetCaption(tab.Caption);
        sheet->SetPageControl(pages);
        sheet->SetTabVisible(tab.TabVisible);
        if (tab.Flags)
            m_flaggedSheets.emplace_back(sheet, tab.Flags);
        sheets.push_back(sheet);
    }
    for (size_t i = 0; i < Tabs.size(); ++i) {
        const TiEditorTabSpec& tab = Tabs[i];
        TTabSheet* sheet = sheets[i];
        const int flags = Flags | tab.Flags;
        const TRect inner(4, 4, sheet->Width() - 4, sheet->Height() - 4);
        if (tab.Tabs.empty()) {
            BuildControls(tab.Controls, sheet, inner, flags);
            continue;
        }
        // Own controls in a band across the top, as low as their columns allow; the nested tabs below.
        int band = 0;
        if (!tab.Controls.empty()) {
            const int columns = std::max(1, inner.Width() / kMinColumnWidth);
            const int width = std::min(kMaxColumnWidth, inner.Width() / columns);
            band = BalancedHeight(HeightsOf(RowsOf(tab.Controls), width - 6), columns) + kGap;
            BuildControls(tab.Controls, sheet, TRect(inner.Left, inner.Top, inner.Right, inner.Top + band), flags);
        }
        BuildTabs(tab.Tabs, tab.PageControlName, sheet, TRect(inner.Left, inner.Top + band, inner.Right, inner.Bottom),
                  flags);
    }
    pages->SetActivePageIndex(0);
}

void TiPlotEditorPage::BuildControls(const std::vector<TiEditorControlSpec>& Controls, TWinControl* Parent,
                                     const TRect& Area, int Flags)
{
    const std::vector<Row> rows = RowsOf(Controls);
    const std::vector<Placement> placed = FlowColumns(rows, Area, MinColumnWidth(Controls));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Placement& at = placed[i];
        const int width = at.Width - 6;
        int actionX = at.X;
        for (const TiEditorControlSpec* spec : rows[i].Specs) {
            TControl* control = CreateControl(*spec, Parent, Flags);
            if (spec->Kind == TiEditorKind::Group) {
                const bool hidden = spec->Flags & TiEditorFlag::Hidden;
                control->SetBounds(at.X, at.Y, width, hidden ? 40 : at.Height);
                control->SetVisible(!hidden);
                BuildControls(spec->Children, static_cast<TWinControl*>(control),
                              TRect(6, kGroupTop, width - 2, at.Height - kGroupBottom), Flags | spec->Flags);
                continue;
            }
            if (IsAttached(*spec)) {
                control->SetBounds(at.X + width - kAttachedWidth, at.Y, kAttachedWidth, 21);
                continue;
            }
            if (IsAction(spec->Kind)) {
                control->SetBounds(actionX, at.Y + 2, 75, 25);
                actionX += 79;
                continue;
            }
            if (spec->Kind == TiEditorKind::Check || spec->Kind == TiEditorKind::Radio) {
                control->SetBounds(at.X, at.Y, width, at.Height - kGap);
                continue;
            }
            const bool attached = rows[i].Specs.size() > 1 || spec->DateTimePage != TiEditorDateTimePage::None;
            const int right = at.X + width - (attached ? kAttachedWidth + 2 : 0) - (spec->UpDown ? 15 : 0);
            const int w = ControlWidth(*spec);
            control->SetBounds(right - w, at.Y, w, spec->Kind == TiEditorKind::Display ? 16 : 21);
            auto* caption = new TLabel(m_form);
            caption->SetParent(Parent);
            caption->SetAutoSize(false);
            caption->SetCaption(spec->Caption.isEmpty() ? WordsOf(spec->Property) : spec->Caption);
            caption->SetBounds(at.X, at.Y + 3, std::max(0, right - w - at.X - 4), 16);
            m_bound.back().Caption = caption;
            if (spec->DateTimePage != TiEditorDateTimePage::None) {
                auto* picker = new TiComponentEditorValueConverterPicker(m_form);
                picker->SetName(ControlName(m_spec, *spec).chopped(4) + QStringLiteral("DateTimePicker"));
                picker->SetParent(Parent);
                picker->SetCaption(QStringLiteral("..."));
                picker->SetHint(QStringLiteral("Date/Time Editor"));
                picker->SetDefaultPage(spec->DateTimePage == TiEditorDateTimePage::DateTime
                                           ? TiValueConverterPageType::ivcptDateTime
                                           : TiValueConverterPageType::ivcptInterval);
                picker->SetAssociate(static_cast<TiComponentEditorEdit*>(control));
                picker->SetBounds(picker->Left() + 2, picker->Top(), kAttachedWidth, picker->Height());
            }
            if (spec->UpDown) {
                auto* spinner = new TiUpDown(m_form);
                spinner->SetName(ControlName(m_spec, *spec).chopped(4) + QStringLiteral("UpDown"));
                spinner->SetParent(Parent);
                spinner->SetMin(spec->UpDown->Min);
                spinner->SetMax(spec->UpDown->Max);
                spinner->SetIncrement(spec->UpDown->Increment);
                spinner->SetAssociate(static_cast<TiComponentEditorEdit*>(control));
                m_bound.back().UpDown = spinner;
            }
        }
    }
}

TControl* TiPlotEditorPage::CreateControl(const TiEditorControlSpec& Spec, TWinControl* Parent, int Flags)
{
    TControl* control = nullptr;
    switch (Spec.Kind) {
    case TiEditorKind::Check: {
        auto* box = new TiComponentEditorCheckBox(m_form);
        box->SetAutoSize(false);
        box->SetCaption(Spec.Caption.isEmpty() ? WordsOf(Spec.Property) : Spec.Caption);
        control = box;
        break;
    }
    case TiEditorKind::Number:
    case TiEditorKind::Integer:
    case TiEditorKind::Text: control = new TiComponentEditorEdit(m_form); break;
    case TiEditorKind::List:
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: {
        auto* combo = new TiComponentEditorComboBox(m_form);
        combo->SetStyle(Spec.Kind == TiEditorKind::EditList ? TComboBoxStyle::csDropDown
                                                            : TComboBoxStyle::csDropDownList);
        combo->SetDropDownCount(12);
        for (const QString& item : Spec.Items)
            combo->Items()->Add(item);
        control = combo;
        break;
    }
    case TiEditorKind::Color: control = new TiComponentEditorColorPicker(m_form); break;
    case TiEditorKind::Font: control = new TiComponentEditorFontPicker(m_form); break;
    case TiEditorKind::Radio: {
        auto* group = new TiComponentEditorRadioGroup(m_form);
        group->SetCaption(Spec.Caption.isEmpty() ? WordsOf(Spec.Property) : Spec.Caption);
        for (const QString& item : Spec.Items)
            group->Items()->Add(item);
        control = group;
        break;
    }
    case TiEditorKind::Group: control = new TiComponentEditorGroupBox(m_form); break;
    case TiEditorKind::Button: control = new TiComponentEditorButton(m_form); break;
    case TiEditorKind::OpenPicker: control = new TiComponentEditorOpenPicker(m_form); break;
    case TiEditorKind::SavePicker: control = new TiComponentEditorSavePicker(m_form); break;
    case TiEditorKind::Display: control = new TLabel(m_form); break;
    }
    control->SetParent(Parent);
    if (Spec.Kind == TiEditorKind::Group || IsAction(Spec.Kind))
        control->SetCaption(Spec.Caption);
    if (Spec.Kind == TiEditorKind::Display)
        static_cast<TLabel*>(control)->SetAutoSize(false);
    if (Spec.Kind != TiEditorKind::Group)
        control->SetName(ControlName(m_spec, Spec));
    m_bound.push_back(Bound { &Spec, control, nullptr, nullptr, Flags | Spec.Flags });
    BindUserChange(Spec, control);
    return control;
}

void TiPlotEditorPage::BindUserChange(const TiEditorControlSpec& Spec, TControl* Control)
{
    auto report = [this, &Spec](TObject*) {
        if (m_onUserChange)
            m_onUserChange(Spec);
    };
    switch (Spec.Kind) {
    case TiEditorKind::Check: static_cast<TiComponentEditorCheckBox*>(Control)->OnClick = report; break;
    case TiEditorKind::Number:
    case TiEditorKind::Integer:
    case TiEditorKind::Text: static_cast<TiComponentEditorEdit*>(Control)->OnUpdate = report; break;
    case TiEditorKind::List:
    case TiEditorKind::EditList:
    case TiEditorKind::NameList: static_cast<TiComponentEditorComboBox*>(Control)->OnChange = report; break;
    case TiEditorKind::Color: static_cast<TiComponentEditorColorPicker*>(Control)->OnChange = report; break;
    case TiEditorKind::Font: static_cast<TiComponentEditorFontPicker*>(Control)->OnChange = report; break;
    // The group's click is the user's pick; its OnChange also follows Disable.
    case TiEditorKind::Radio: static_cast<TiComponentEditorRadioGroup*>(Control)->OnClick = report; break;
    default: break;
    }
}

void TiPlotEditorPage::ShowStripParts(bool Strip)
{
    for (auto& [sheet, flags] : m_flaggedSheets)
        if (flags & TiEditorFlag::StripOnly)
            sheet->SetTabVisible(Strip);
    for (const Bound& b : m_bound) {
        // Controls on a strip-chart tab go with their tab.
        if (!(b.Spec->Flags & TiEditorFlag::StripOnly))
            continue;
        b.Control->SetVisible(Strip);
        if (b.Caption)
            b.Caption->SetVisible(Strip);
        if (b.UpDown)
            b.UpDown->SetVisible(Strip);
    }
}
