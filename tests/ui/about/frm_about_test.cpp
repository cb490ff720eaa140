#include "ui/about/frm_about.h"

#include <gtest/gtest.h>

namespace corvald::ui::about {
namespace {

    TEST(FrmAbout, LoadsTitleVersionAndCaption)
    {
        FrmAbout form;
        EXPECT_EQ(form.lblVersion, "Vertion:");
        Form_Load(form);
        EXPECT_EQ(form.Caption, "About CORVALD");
        EXPECT_EQ(form.lblVersion, "Version 2.1.0");
        EXPECT_EQ(form.lblTitle, "CORVALD");
        EXPECT_EQ(form.cmdSysInfo, "&System Info...");
        EXPECT_EQ(form.lblDisclaimer, "Contact point is:");
    }

    TEST(FrmAbout, WritesTheCopyrightLineInDoubleQuotes)
    {
        const FrmAbout form;
        EXPECT_TRUE(form.Label4.starts_with('"') && form.Label4.ends_with('"'));
    }

} // namespace
} // namespace corvald::ui::about
