#pragma once
// The property editors' controls on an editor form that counts the user changes they report,
// shown and active as a user's window is.

#include "PlotTestSupport.h"

#include "plot/iEditorBasicComponents.h"

#include <gtest/gtest.h>

namespace ptest {

class CountingForm : public TiCustomEditorForm
{
public:
    using TiCustomEditorForm::TiCustomEditorForm;
    void UserChange() override { ++userChanges; }
    int userChanges { 0 };
};

class EditorFormTest : public ::testing::Test
{
protected:
    EditorFormTest(int Width, int Height) : m_width(Width), m_height(Height) {}
    void SetUp() override
    {
        App();
        form = new CountingForm(nullptr);
        form->SetBounds(0, 0, m_width, m_height);
    }
    void TearDown() override { delete form; }
    void Show()
    {
        form->Show();
        form->activateWindow();
        Settle();
    }

    CountingForm* form { nullptr };

private:
    int m_width;
    int m_height;
};

} // namespace ptest
