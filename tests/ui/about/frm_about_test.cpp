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
        EXPECT_EQ(form.lblVersion, "Version " CORVALD_VERSION);
        EXPECT_EQ(form.lblTitle, "CORVALD");
        EXPECT_EQ(form.cmdSysInfo, "&System Info...");
        EXPECT_EQ(form.lblDisclaimer, "Contact point is:");
    }

    // Loading sets only the caption, the title and the version: the copyright line
    // keeps its double quotes and every other text stays in its own label.
    TEST(FrmAbout, KeepsTheOtherTextsInTheirLabelsWhenLoaded)
    {
        FrmAbout form;
        Form_Load(form);
        EXPECT_EQ(form.Label4, "\"Copyright (C) 2026 the CORVALD developers\"");
        EXPECT_EQ(form.Label1, "corvald@example.org");
        EXPECT_EQ(form.Label3, "Author");
        EXPECT_EQ(form.lblDescription, "All calculations in program based on Corvald-");
        EXPECT_EQ(form.Label2,
            "GENERALIZED CRUIDE OILS CORRECTION OF VOLUME TO 15 C AGAINST DENSITY AT 15 C.");
        EXPECT_EQ(form.cmdOK, "OK");
    }

} // namespace
} // namespace corvald::ui::about
