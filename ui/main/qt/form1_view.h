// The client area of the main window: every control of the model at its design
// rectangle, drawn as the model says. The model is the only source of truth:
// showModel() brings the widgets up to date, and the operator's edits of the
// quantity, the pick lists and the option buttons are written back at once.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/form1_design.h"
#include "ui/main/form1_rows.h"

#include <QWidget>

#include <array>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvald::ui::qt {

class Form1View : public QWidget {
public:
    explicit Form1View(Form1& form, QWidget* parent = nullptr);

    void showModel();

    QPushButton* commandButton(CommandButton Form1::*command) const;
    QRadioButton* optionButton(OptionButton Form1::*option) const;
    // The control that has the focus when the window opens.
    QWidget* initialFocus() const;
    // Whether a screen reader finds the child control (some labels only decorate).
    bool isSpoken(const QWidget* child) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createLabels();
    void createInputs();
    void createButtons();
    void showLabel(std::size_t index);
    void showDegreeSign(const DegreeSign& sign, QLabel& letter);
    QWidget* inputOf(const RowDesign& row) const;
    void labelInputs();
    void makeResultsSelectable();
    void showSpokenNames();
    QLabel* label(Label Form1::*member) const;
    int fitWidth(std::string_view caption, const QFont& font) const;

    Form1& form_;
    std::vector<QLabel*> labels_; // in the order of the design table
    QLineEdit* text1_ = nullptr;
    std::array<QComboBox*, 2> combos_ {};
    std::array<QRadioButton*, 2> options_ {};
    std::array<QPushButton*, 4> commands_ {};
};

} // namespace corvald::ui::qt
