#include "pricedlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>

#include "cellvalue.h"
#include "filelock.h"
#include "messages.h"
#include "pricedlgcontrols.h"

namespace {

using namespace PriceDlgControl;

QString Name(int control) { return QString::number(control); }

// The text a box shows for `entry` when the dialog opens.
QString ShownText(const CPriceTable& table, int entry) {
  return table.IsBad(entry) ? QString() : QString::fromStdString(FormatFixed(table.Get(entry), 2));
}

// The language text of a label, or its resource text when the language file
// lacks the entry.
QString LabelText(const CLabel& label) {
  const QString text = label.entry ? LangText(label.entry) : QString();
  if (!text.isEmpty()) return text;
  if (label.resourceText) return QString::fromUtf8(label.resourceText);
  return UiText(label.resourceEntry ? label.resourceEntry : label.entry);
}

QLabel* MakeLabel(const CLabel& label) {
  auto* widget = new QLabel(LabelText(label));
  if (label.control) widget->setObjectName(Name(label.control));
  return widget;
}

QGroupBox* MakeGroup(const CLabel& label) {
  auto* group = new QGroupBox(LabelText(label));
  group->setObjectName(Name(label.control));
  return group;
}

int ControlOf(int entry) {
  for (const CEntryBox& box : kEntryBoxes) {
    if (box.entry == entry) return box.control;
  }
  return 0;
}

}  // namespace

CPriceDlg::CPriceDlg(CPriceTable& table, std::string filePath, QWidget* parent)
    : QDialog(parent), table_(table), filePath_(std::move(filePath)) {
  setObjectName(Name(kDialog));
  setWindowTitle(LabelText(kCaption));
  BuildLayout();
  for (const auto& absent : kAbsentControls) {
    if (auto* label = findChild<QLabel*>(Name(absent[0]))) label->setText(LangText(absent[1]));
  }
  loaded_ = !table_.Read(filePath_);
  if (loaded_) {
    // A damaged entry stays blank rather than show a 0 the file never held.
    for (const auto& [entry, box] : boxes_) {
      if (table_.IsBad(entry)) continue;
      box->setText(QString::fromStdString(FormatFixed(table_.Get(entry), 2)));
    }
  }
}

QLineEdit* CPriceDlg::AddBox(QGridLayout* grid, int entry, int row, int column) {
  auto* box = new QLineEdit;
  box->setObjectName(Name(ControlOf(entry)));
  box->setMinimumWidth(90);
  grid->addWidget(box, row, column);
  boxes_[entry] = box;
  return box;
}

void CPriceDlg::BuildLayout() {
  namespace E = PriceEntry;
  auto* panels = MakeGroup(kPanelPriceGroup);
  auto* panelGrid = new QGridLayout(panels);
  panelGrid->addWidget(MakeLabel(kColumn80), 0, 1, Qt::AlignCenter);
  panelGrid->addWidget(MakeLabel(kColumn100), 0, 2, Qt::AlignCenter);
  const struct {
    const CLabel* label;
    int entry80;
  } panelRows[] = {{&kDoorOpeningPanels, E::kDoorOpeningPanel80},
                   {&kWallPanels, E::kWallPanel80},
                   {&kCeilingPanels, E::kCeilingPanel80},
                   {&kFloorPanels, E::kFloorPanel80},
                   {&kCornerPosts, E::kCornerPost80}};
  int row = 1;
  for (const auto& panelRow : panelRows) {
    panelGrid->addWidget(MakeLabel(*panelRow.label), row, 0);
    AddBox(panelGrid, panelRow.entry80, row, 1);
    AddBox(panelGrid, panelRow.entry80 + 1, row, 2);
    ++row;
  }

  auto* coefficients = MakeGroup(kCoefficientsGroup);
  auto* coefficientGrid = new QGridLayout(coefficients);
  const struct {
    const CLabel* label;
    int entry;
    int second;  // a second box beside it (the 100 mm value), or -1
  } coefficientRows[] = {{&kMargin, E::kMargin, -1},
                         {&kDealerMarkup, E::kDealerMarkup, -1},
                         {&kDealerDiscount, E::kDealerDiscount, -1},
                         {&kVolumeDiscount, E::kVolumeDiscount80, E::kVolumeDiscount100},
                         {&kNonStandard, E::kNonStandard, -1},
                         {&kNonStandard2, E::kNonStandard2, -1},
                         {&kPanelMargin, E::kPanelMargin, -1},
                         {&kNonStandardMargin, E::kNonStandardMargin, -1},
                         {&kEuroRate, E::kEuroRate, -1}};
  row = 0;
  for (const auto& coefficientRow : coefficientRows) {
    QLabel* label = MakeLabel(*coefficientRow.label);
    coefficientGrid->addWidget(label, row, 0);
    QLineEdit* box = AddBox(coefficientGrid, coefficientRow.entry, row, 1);
    if (coefficientRow.second >= 0) AddBox(coefficientGrid, coefficientRow.second, row, 2);
    // The dealer discount is typed per camera; its box only carries the value.
    if (coefficientRow.entry == E::kDealerDiscount) {
      label->hide();
      box->hide();
    }
    ++row;
  }

  auto* doors = MakeGroup(kDoorsGroup);
  auto* doorGrid = new QGridLayout(doors);
  const struct {
    const CLabel* label;
    int entry;
  } doorRows[] = {{&kContainerDoor, E::kContainerDoor}, {&kSlidingDoor, E::kSlidingDoor}, {&kOpening, E::kOpening}};
  row = 0;
  for (const auto& doorRow : doorRows) {
    doorGrid->addWidget(MakeLabel(*doorRow.label), row, 0);
    AddBox(doorGrid, doorRow.entry, row, 1);
    ++row;
  }
  doorGrid->addWidget(MakeLabel(kSwingDoor), row++, 0, 1, 2);
  const struct {
    const CLabel* group;
    const CLabel* heights[3];
    int entries[3];
  } swingGroups[] = {
      {&kSwing80Group,
       {&kHeight2200For80, &kHeight2360For80, &kHeight2560For80},
       {E::kSwingDoor80Code1, E::kSwingDoor80Code2, E::kSwingDoor80Code3}},
      {&kSwing100Group,
       {&kHeight2200For100, &kHeight2360For100, &kHeight2560For100},
       {E::kSwingDoor100Code1, E::kSwingDoor100Code2, E::kSwingDoor100Code3}},
  };
  auto* swingRow = new QHBoxLayout;
  for (const auto& swing : swingGroups) {
    auto* group = MakeGroup(*swing.group);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 3; ++i) {
      grid->addWidget(MakeLabel(*swing.heights[i]), i, 0);
      AddBox(grid, swing.entries[i], i, 1);
    }
    swingRow->addWidget(group);
  }
  doorGrid->addLayout(swingRow, row, 0, 1, 2);

  auto* kits = MakeGroup(kDoorKitsGroup);
  auto* kitGrid = new QGridLayout(kits);
  const struct {
    const CLabel* label;
    int entry;
  } kitRows[] = {{&kKitContainer, E::kDoorKitContainer}, {&kKitSliding, E::kDoorKitSliding}, {&kKitSwing, E::kDoorKitSwing}};
  row = 0;
  for (const auto& kitRow : kitRows) {
    kitGrid->addWidget(MakeLabel(*kitRow.label), row, 0);
    AddBox(kitGrid, kitRow.entry, row, 1);
    ++row;
  }

  auto* save = new QPushButton(LabelText(kSaveButton));
  save->setObjectName(Name(kSave));
  save->setDefault(true);
  auto* discard = new QPushButton(LabelText(kDiscardButton));
  discard->setObjectName(Name(kDiscard));
  connect(save, &QPushButton::clicked, this, &CPriceDlg::Save);
  connect(discard, &QPushButton::clicked, this, &CPriceDlg::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(panels);
  left->addWidget(coefficients);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(doors);
  right->addWidget(kits);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(discard);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
}

QLineEdit* CPriceDlg::Box(int control) const { return findChild<QLineEdit*>(Name(control)); }

void CPriceDlg::reject() { done(kDiscarded); }

bool CPriceDlg::ParseTypedNumber(const QString& text, double& value) {
  QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    value = 0;
    return true;
  }
  trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
  const QByteArray bytes = trimmed.toLatin1();
  if (bytes.startsWith('+')) return false;
  double parsed = 0;
  const auto [end, error] = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), parsed);
  if (error != std::errc() || end != bytes.constData() + bytes.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

void CPriceDlg::Save() {
  // Check every box first: one mistyped price must not leave the table half
  // changed, nor turn silently into 0.
  std::map<int, double> values;
  for (const auto& [entry, box] : boxes_) {
    double value = 0;
    const bool number = ParseTypedNumber(box->text(), value);
    if (!number || !CPriceTable::IsValidPrice(value)) {
      box->setFocus();
      box->selectAll();
      const QString limit = QString::number(static_cast<qlonglong>(CPriceTable::kMaxPrice));
      const QString text = number ? UiText(Lang::kPriceOutOfRange).arg(box->text(), limit)
                                  : UiText(Lang::kNotANumber).arg(box->text());
      ShowMessageText(text, LangText(Lang::kErrorCaption), MessageButtons::Ok, this);
      return;
    }
    values[entry] = value;
  }
  // Another program may have changed the table while the dialog was open:
  // under the table's lock it is read again, and only the boxes changed
  // here go over what it holds now.
  const CFileLock lock(filePath_);
  CPriceTable edited = table_;
  FileError error = lock.Error();
  if (!error) error = edited.Read(filePath_);
  if (!error) {
    for (const auto& [entry, value] : values) {
      const bool changed = !loaded_ || edited.IsBad(entry) || boxes_[entry]->text() != ShownText(table_, entry);
      if (changed) edited.Set(entry, value);
    }
    error = edited.Write(filePath_);
  }
  if (error) {
    ShowMessageText(UiText(Lang::kPricesNotSaved).arg(QString::fromStdString(error.ToString())),
                    LangText(Lang::kErrorCaption), MessageButtons::Ok, this);
    return;
  }
  table_ = edited;
  done(kSaved);
}
