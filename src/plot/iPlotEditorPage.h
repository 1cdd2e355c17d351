#pragma once
// One page of the plot editor built from its table: creates the tab sheets, group boxes, captions
// and editing controls (named page prefix + property + kind, owned by the form), writes an
// object's published properties into them silently, and writes them back in the page's order.

#include "plot/iEditorBasicComponents.h"
#include "plot/iPlotEditorPageTable.h"

#include "platform/core/PublishedProperties.h"
#include "platform/ui/TLabel.h"

#include <functional>
#include <vector>

class TiPlotEditorPage
{
public:
    struct Bound
    {
        const TiEditorControlSpec* Spec { nullptr };
        vcl::TControl* Control { nullptr };
        vcl::TLabel* Caption { nullptr };
        TiUpDown* UpDown { nullptr };
        int Flags { 0 }; // the control's own and those of the tabs it is on
    };
    // Called with the control's table entry whenever the user changes one of the page's values.
    using UserChangeHandler = std::function<void(const TiEditorControlSpec& Spec)>;

    // Builds the page on Sheet inside Area; the controls are owned by Form.
    TiPlotEditorPage(const TiEditorPageSpec& Spec, TiCustomEditorForm* Form, vcl::TWinControl* Sheet,
                     const vcl::TRect& Area, UserChangeHandler OnUserChange);

    const TiEditorPageSpec& Spec() const { return m_spec; }
    // The control's composed name: prefix + property + kind.
    static QString ControlName(const TiEditorPageSpec& Page, const TiEditorControlSpec& Control);

    // Writes the object's properties into the controls; no control reports a change.
    // Strip: the object is a strip-chart channel (its own parts are loaded too).
    void Load(const vcl::TPersistent& Object, bool Strip) const;
    // Writes the controls into the object through its setters in the page's order; a value equal to
    // the object's is left alone, as is a list with nothing chosen. Trace hears each property the
    // order reaches.
    void Apply(vcl::TPersistent& Object, bool Strip, const std::function<void(const QString&)>& Trace = {}) const;
    // Shows or hides the tabs and controls that belong to strip-chart channels only.
    void ShowStripParts(bool Strip);

    // The control editing the property (nullptr when the page has none).
    const Bound* Find(const QString& Property) const;
    const std::vector<Bound>& Controls() const { return m_bound; }
    // The page controls the page built, outermost first.
    const std::vector<TiComponentEditorPageControl*>& PageControls() const { return m_pageControls; }

private:
    void BuildTabs(const std::vector<TiEditorTabSpec>& Tabs, const QString& PageControlName, vcl::TWinControl* Parent,
                   const vcl::TRect& Area, int Flags);
    void BuildControls(const std::vector<TiEditorControlSpec>& Controls, vcl::TWinControl* Parent,
                       const vcl::TRect& Area, int Flags);
    vcl::TControl* CreateControl(const TiEditorControlSpec& Spec, vcl::TWinControl* Parent, int Flags);
    void BindUserChange(const TiEditorControlSpec& Spec, vcl::TControl* Control);
    void LoadOne(const Bound& B, const vcl::TPersistent& Object) const;
    void ApplyOne(const Bound& B, vcl::TPersistent& Object) const;
    bool Applies(const Bound& B, bool Strip) const;

    const TiEditorPageSpec& m_spec;
    TiCustomEditorForm* m_form;
    UserChangeHandler m_onUserChange;
    std::vector<Bound> m_bound;
    std::vector<TiComponentEditorPageControl*> m_pageControls;
    std::vector<std::pair<vcl::TTabSheet*, int>> m_flaggedSheets;
};
