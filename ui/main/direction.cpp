#include "ui/main/direction.h"

namespace corvald::ui {

namespace {

    // Empties the quantity and the two results, then writes the four captions.
    void setDirection(Form1& form, std::string_view quantityCaption, std::string_view quantityUnit,
        std::string_view resultCaption, std::string_view resultUnit)
    {
        form.Text1.Text = "";
        form.Label13.Caption = "";
        form.Label14.Caption = "";
        form.Label1.Caption = quantityCaption;
        form.Label7.Caption = quantityUnit;
        form.Label6.Caption = resultCaption;
        form.Label12.Caption = resultUnit;
    }

    void setMassDirection(Form1& form)
    {
        setDirection(form, kMassCaption, kMassUnit, kVolumeCaption, kVolumeUnit);
    }

    void setVolumeDirection(Form1& form)
    {
        setDirection(form, kVolumeCaption, kVolumeUnit, kMassCaption, kMassUnit);
    }

} // namespace

bool isMassDirection(const Form1& form) { return form.Label7.Caption == kMassUnit; }

void Command1_Click(Form1& form) { setMassDirection(form); }
void frmMttocmItem_Click(Form1& form) { setMassDirection(form); }
void Command2_Click(Form1& form) { setVolumeDirection(form); }
void frmCmtomtItem_Click(Form1& form) { setVolumeDirection(form); }

} // namespace corvald::ui
