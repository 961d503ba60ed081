#include "app/goal_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "app/part_texts.h"
#include "app/task_texts.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

// The goals as a teacher picks them: "every bulb" is a goal of its own here.
struct Choice {
    const char* text;
    GoalKind kind;
    bool everyBulb;
};
constexpr Choice kChoices[] = {
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A bulb is lit"), GoalKind::Lit, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A bulb is dark"), GoalKind::Dark, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "Every bulb is lit"), GoalKind::Lit, true},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "Every bulb is dark"), GoalKind::Dark, true},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A bulb is brighter than another"), GoalKind::Brighter,
     false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "Two bulbs are as bright as each other"),
     GoalKind::AsBright, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A switch turns a bulb on and off"), GoalKind::Controls,
     false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A switch turns only one bulb on and off"),
     GoalKind::ControlsOnly, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "A meter reads a value"), GoalKind::MeterReads, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "No cell is shorted"), GoalKind::NoShortedCell, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "No fuse has blown"), GoalKind::NoBlownFuse, false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "At most so many parts of a kind"), GoalKind::AtMost,
     false},
    {QT_TRANSLATE_NOOP("cw::GoalDialog", "The learner types an answer"), GoalKind::Answer, false},
};

}  // namespace

GoalDialog::GoalDialog(const Board& board, QWidget* parent) : QDialog(parent), board_(board) {
    setWindowTitle(tr("Add a Goal"));
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    what_ = new QComboBox(this);
    for (const Choice& c : kChoices) what_->addItem(tr(c.text));
    form_->addRow(tr("&Goal:"), what_);
    first_ = new QComboBox(this);
    form_->addRow(tr("&Part:"), first_);
    second_ = new QComboBox(this);
    form_->addRow(tr("&Other part:"), second_);
    kind_ = new QComboBox(this);
    for (Kind k : kKinds) kind_->addItem(PartTexts::KindName(k), KindIndex(k));
    form_->addRow(tr("&Kind:"), kind_);
    count_ = new QSpinBox(this);
    count_->setRange(0, kMaxComponentNumber);
    count_->setValue(1);
    form_->addRow(tr("&Most:"), count_);
    question_ = new QLineEdit(this);
    form_->addRow(tr("&Question:"), question_);
    unit_ = new QComboBox(this);
    for (AnswerUnit u : {AnswerUnit::Amperes, AnswerUnit::Volts, AnswerUnit::Ohms})
        unit_->addItem(TaskTexts::UnitSymbol(u), static_cast<int>(u));
    form_->addRow(tr("&Unit:"), unit_);
    value_ = new QDoubleSpinBox(this);
    value_->setDecimals(3);
    value_->setRange(-1e5, 1e5);
    form_->addRow(tr("&Value:"), value_);
    tolerance_ = new QDoubleSpinBox(this);
    tolerance_->setDecimals(3);
    tolerance_->setRange(0, 1e5);
    form_->addRow(tr("Give or &take:"), tolerance_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QDialogButtonBox* buttons = buttons_;
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(what_, &QComboBox::currentIndexChanged, this, [this] { ShowFields(); });
    connect(first_, &QComboBox::currentIndexChanged, this, [this] { Suggest(); });
    ShowFields();
}

void GoalDialog::FillParts(QComboBox& box, std::vector<Role> roles, bool everyBulb) {
    box.clear();
    std::vector<std::pair<int, Kind>> parts;
    for (Kind kind : kKinds) {
        if (std::find(roles.begin(), roles.end(), Info(kind).role) == roles.end()) continue;
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) {
            const ComponentElement& e = board_.At(kind, i);
            if (e.Visible && e.Tag > 0) parts.push_back({e.Tag, kind});
        }
    }
    std::sort(parts.begin(), parts.end());
    if (everyBulb) box.addItem(tr("Every bulb"), 0);
    for (const auto& [k, kind] : parts) box.addItem(PartTexts::PartName(kind, k), k);
}

void GoalDialog::ShowFields() {
    const Choice& c = kChoices[std::max(0, what_->currentIndex())];
    const GoalKind g = c.kind;
    const bool twoBulbs = g == GoalKind::Brighter || g == GoalKind::AsBright;
    const bool switched = g == GoalKind::Controls || g == GoalKind::ControlsOnly;
    const bool onePart = ((g == GoalKind::Lit || g == GoalKind::Dark) && !c.everyBulb) ||
                         twoBulbs || switched || g == GoalKind::MeterReads;
    if (switched) {
        FillParts(*first_, {Role::Switch}, false);
    } else if (g == GoalKind::MeterReads) {
        FillParts(*first_, {Role::Ammeter, Role::Voltmeter}, false);
    } else {
        FillParts(*first_, {Role::Lamp}, false);
    }
    FillParts(*second_, {Role::Lamp}, false);
    if (twoBulbs && second_->count() > 1) second_->setCurrentIndex(1);
    form_->setRowVisible(first_, onePart);
    form_->setRowVisible(second_, twoBulbs || switched);
    form_->setRowVisible(kind_, g == GoalKind::AtMost);
    form_->setRowVisible(count_, g == GoalKind::AtMost);
    form_->setRowVisible(question_, g == GoalKind::Answer);
    form_->setRowVisible(unit_, g == GoalKind::Answer);
    form_->setRowVisible(value_, g == GoalKind::Answer || g == GoalKind::MeterReads);
    form_->setRowVisible(tolerance_, g == GoalKind::Answer || g == GoalKind::MeterReads);
    // A goal that names a part the board does not have cannot be added.
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled((!onePart || first_->count() > 0) &&
                     (!(twoBulbs || switched) || second_->count() > 0));
    Suggest();
    adjustSize();
}

void GoalDialog::Suggest() {
    // A meter's goal starts from what it reads now: the teacher builds the answer, then asks it.
    if (kChoices[std::max(0, what_->currentIndex())].kind != GoalKind::MeterReads) return;
    const int k = first_->currentData().toInt();
    for (Kind kind : kKinds) {
        if (!IsMeter(kind)) continue;
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) {
            if (board_.At(kind, i).Tag != k) continue;
            const int16_t face = board_.ValueOf(k);
            const double scale = Info(kind).role == Role::Ammeter ? 1000.0 : 100.0;
            value_->setValue(face == kNoReading ? 0 : face / scale);
            tolerance_->setValue(Info(kind).role == Role::Ammeter ? 0.005 : 0.05);
        }
    }
}

Goal GoalDialog::Result() const {
    // Only what the goal keeps in a file: a goal read back is the goal added.
    const Choice& c = kChoices[std::max(0, what_->currentIndex())];
    Goal g;
    g.kind = c.kind;
    switch (c.kind) {
        case GoalKind::Lit:
        case GoalKind::Dark:
            if (!c.everyBulb) g.part = first_->currentData().toInt();
            break;
        case GoalKind::Brighter:
        case GoalKind::AsBright:
        case GoalKind::Controls:
        case GoalKind::ControlsOnly:
            g.part = first_->currentData().toInt();
            g.other = second_->currentData().toInt();
            break;
        case GoalKind::MeterReads:
            g.part = first_->currentData().toInt();
            g.value = value_->value();
            g.tolerance = tolerance_->value();
            // In the unit of the meter named.
            g.unit = AnswerUnit::Volts;
            for (int i = 1; i <= board_.PlacedCount(Kind::Ammeter); ++i) {
                if (board_.At(Kind::Ammeter, i).Tag == g.part) g.unit = AnswerUnit::Amperes;
            }
            break;
        case GoalKind::AtMost:
            g.partKind = static_cast<Kind>(kind_->currentData().toInt());
            g.count = count_->value();
            break;
        case GoalKind::Answer:
            g.question = question_->text().trimmed();
            g.unit = static_cast<AnswerUnit>(unit_->currentData().toInt());
            g.value = value_->value();
            g.tolerance = tolerance_->value();
            break;
        case GoalKind::NoShortedCell:
        case GoalKind::NoBlownFuse:
            break;
    }
    return g;
}

}  // namespace cw
