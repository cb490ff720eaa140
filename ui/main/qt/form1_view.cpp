#include "ui/main/qt/form1_view.h"

#include "ui/main/form1_design.h"
#include "ui/main/form1_rows.h"
#include "ui/main/qt/field_guard.h"
#include "ui/main/qt/field_style.h"
#include "ui/main/qt/form1_accessible.h"
#include "ui/main/qt/pick_list_box.h"
#include "ui/main/qt/pick_list_model.h"
#include "ui/main/qt/value_box.h"
#include "ui/main/qt/widget_updates.h"
#include "ui/shared/qt/design_geometry.h"
#include "ui/shared/qt/qt_text.h"
#include "ui/shared/qt/window_fonts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace corvald::ui::qt {

namespace {

    constexpr int kPopupItems = 12;
    constexpr QChar kDegreeSign = QChar(0x00B0);

    // Only the selected option button is a Tab stop, so Tab and Shift+Tab both
    // enter the group on the choice in force.
    void setTabStop(QWidget* widget, bool isTabStop)
    {
        widget->setFocusPolicy(isTabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    const LabelDesign& designOf(Label Form1::*label)
    {
        return *std::find_if(kForm1Labels.begin(), kForm1Labels.end(),
            [label](const LabelDesign& design) { return design.control == label; });
    }

    // The holders of the pick lists' texts for the printed page lie under the
    // pick lists; each is hidden while its pick list is shown, so that nothing of
    // it shows through the pick list's rounded corners.
    bool isUnderShownPickList(const Form1& form, Label Form1::*label)
    {
        const auto list = pickListOver(label);
        return list && (form.*list).Visible;
    }

} // namespace

Form1View::Form1View(Form1& form, QWidget* parent)
    : QWidget(parent)
    , form_(form)
{
    installSpokenForm1(); // before any screen reader asks for the window's controls
    setObjectName(QStringLiteral("Form1"));
    setAutoFillBackground(true);
    setFont(windowFont());
    createLabels();
    createInputs();
    createButtons();
    setFocusOrder(*this, kForm1FocusOrder);
    labelInputs();
    makeResultsSelectable();
    showModel();
}

void Form1View::createLabels()
{
    for (const LabelDesign& design : kForm1Labels) {
        auto* label = new QLabel(this);
        label->setObjectName(toQString(design.name));
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(pixels(design.rect));
        labels_.push_back(label);
    }
}

// Created after the labels, so the pick lists cover Label20 and Label21.
void Form1View::createInputs()
{
    text1_ = new QLineEdit(this);
    useFieldStyle(*text1_);
    text1_->setObjectName(toQString(kText1Design.name));
    text1_->setGeometry(pixels(kText1Design.rect));
    guardField(*text1_, *text1_);
    // Every change of the text reaches the model, also one made through the
    // accessibility interface (dictation, a screen reader); the view's own
    // writes give the model back its own text.
    connect(text1_, &QLineEdit::textChanged, this,
        [this](const QString& text) { form_.Text1.Text = toStdString(text); });

    for (std::size_t i = 0; i < combos_.size(); ++i) {
        const ComboDesign& design = kForm1Combos[i];
        auto* combo = new PickListBox(design.list, this);
        combo->setObjectName(toQString(design.name));
        combo->setEditable(true);
        useFieldStyle(*combo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // the operator's text stands as typed
        // The rectangle is fixed: nothing sizes the box to its thousands of items.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMaxVisibleItems(kPopupItems);
        if (auto* view = qobject_cast<QListView*>(combo->view()))
            view->setUniformItemSizes(true);
        combo->setModel(new PickListModel(design.list.itemCount, design.list.item, combo));
        combo->setCurrentIndex(-1);
        combo->setGeometry(pixels(design.rect));
        guardField(*combo->lineEdit(), *combo);
        ComboBox& model = form_.*design.control;
        connect(combo, &QComboBox::editTextChanged, this,
            [&model](const QString& text) { model.Text = toStdString(text); });
        combos_[i] = combo;
    }
}

void Form1View::createButtons()
{
    auto* basis = new QButtonGroup(this);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const OptionDesign& design = kForm1Options[i];
        auto* option = new QRadioButton(this);
        option->setObjectName(toQString(design.name));
        option->setAutoFillBackground(true);
        useFieldStyle(*option);
        option->setGeometry(pixels(design.rect));
        basis->addButton(option);
        connect(option, &QRadioButton::clicked, this,
            [this, member = design.control] { form_.choose(member); });
        options_[i] = option;
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const CommandDesign& design = kForm1Commands[i];
        auto* button = new QPushButton(this);
        button->setObjectName(toQString(design.name));
        button->setAutoDefault(true); // Enter presses the button that has the focus
        button->setGeometry(pixels(design.rect));
        commands_[i] = button;
    }
}

QWidget* Form1View::initialFocus() const
{
    return findChild<QWidget*>(toQString(kForm1FocusOrder.front()));
}

QPushButton* Form1View::commandButton(CommandButton Form1::*command) const
{
    for (std::size_t i = 0; i < commands_.size(); ++i)
        if (kForm1Commands[i].control == command)
            return commands_[i];
    return nullptr;
}

QRadioButton* Form1View::optionButton(OptionButton Form1::*option) const
{
    for (std::size_t i = 0; i < options_.size(); ++i)
        if (kForm1Options[i].control == option)
            return options_[i];
    return nullptr;
}

// A fit label is as wide as its caption: a design caption takes the width the
// design gives it, any other text its measured width.
int Form1View::fitWidth(std::string_view caption, const QFont& font) const
{
    for (const LabelDesign& design : kForm1Labels)
        if (design.sizing == Sizing::fitsCaption && design.caption == caption)
            return design.rect.width / kTwipsPerPixel;
    return QFontMetrics(font).horizontalAdvance(toQString(caption)) + 1;
}

void Form1View::showLabel(std::size_t index)
{
    const LabelDesign& design = kForm1Labels[index];
    const Label& model = form_.*design.control;
    auto* widget = labels_[index];
    setFrameIfChanged(widget, model.BorderStyle);
    if (const RowDesign* row = rowWithDegreeLetter(design.control))
        showDegreeSign(row->degree, *widget);
    else if (design.sizing == Sizing::designRect)
        showValue(*widget, toQString(model.Caption), font());
    else if (setTextIfChanged(widget, model.Caption))
        widget->resize(fitWidth(model.Caption, widget->font()), pixels(design.rect).height());
    setBackground(widget, model.BackColor);
    widget->setVisible(model.Visible && !isDegreeMark(design.control)
        && !isUnderShownPickList(form_, design.control));
}

// A degree sign is drawn as one caption, "°C", in the window's font: right after
// the text of the caption it completes, or where its raised "o" stands when it is
// the unit of an input. The "o" itself is not drawn.
void Form1View::showDegreeSign(const DegreeSign& sign, QLabel& letter)
{
    const QString text = kDegreeSign + toQString((form_.*sign.letter).Caption);
    const QFontMetrics metrics(letter.font());
    const QRect letterRect = pixels(designOf(sign.letter).rect);
    int left = pixels(designOf(sign.mark).rect).left();
    if (sign.place == DegreePlace::afterCaption) {
        const RowDesign& row = *rowWithDegreeLetter(sign.letter);
        QString caption = toQString((form_.*row.caption).Caption);
        if (!caption.endsWith(QLatin1Char(' ')))
            caption += QLatin1Char(' ');
        left = pixels(designOf(row.caption).rect).left() + metrics.horizontalAdvance(caption);
    }
    const QRect shown(
        left, letterRect.top(), metrics.horizontalAdvance(text) + 1, letterRect.height());
    if (letter.text() != text)
        letter.setText(text);
    if (letter.geometry() != shown)
        letter.setGeometry(shown);
}

QLabel* Form1View::label(Label Form1::*member) const
{
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (kForm1Labels[i].control == member)
            return labels_[i];
    return nullptr;
}

void Form1View::showModel()
{
    setBackground(this, form_.BackColor);
    for (std::size_t i = 0; i < labels_.size(); ++i)
        showLabel(i);
    replaceText(text1_, toQString(form_.Text1.Text));
    text1_->setFrame(form_.Text1.BorderStyle == Border::fixedSingle);
    text1_->setVisible(form_.Text1.Visible);
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        const ComboBox& model = form_.*kForm1Combos[i].control;
        replaceText(combos_[i]->lineEdit(), toQString(model.Text));
        combos_[i]->setVisible(model.Visible);
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const OptionButton& model = form_.*kForm1Options[i].control;
        setTextIfChanged(options_[i], model.Caption);
        options_[i]->setChecked(model.Value);
        setTabStop(options_[i], model.Value);
        setBackground(options_[i], model.BackColor);
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const CommandButton& model = form_.*kForm1Commands[i].control;
        setTextIfChanged(commands_[i], model.Caption);
        commands_[i]->setVisible(model.Visible);
    }
    showSpokenNames();
}

// The engraved rule of Line1 along the top of the client area.
void Form1View::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    paintRule(*this, kForm1Rule);
}

} // namespace corvald::ui::qt
