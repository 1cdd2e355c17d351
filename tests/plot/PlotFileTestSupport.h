#pragma once
// A plot on a form with a private folder for the files a test writes and reads back.

#include "PlotTestSupport.h"

#include "plot/iXYPlot.h"

#include "platform/ui/TForm.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ptest {

class PlotFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App();
        form = new vcl::TForm(nullptr);
        plot = new TiXYPlot(form);
        plot->SetParent(form);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { delete form; }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    vcl::TForm* form { nullptr };
    TiXYPlot* plot { nullptr };
};

} // namespace ptest
