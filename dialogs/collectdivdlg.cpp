#include "collectdivdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "controlids.h"
#include "languageentries.h"
#include "messages.h"
#include "numbertext.h"

namespace {

// What the exact-size box goes back to when the user unticks its check box.
constexpr int32_t kExactSizeDefault = 300;
constexpr int kListRows = 10;

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

int32_t ValueAt(const QListWidget* list, int row) { return list->item(row)->data(Qt::UserRole).toInt(); }

QListWidgetItem* MakeItem(int32_t value) {
  auto* item = new QListWidgetItem(QString::number(value));
  item->setData(Qt::UserRole, value);
  return item;
}

// Removes the selected entry of a list and of the lengths it shows, then
// selects the entry that took its place. False when nothing was selected.
bool DeleteSelected(QListWidget* list, CLengthList& lengths) {
  const int row = SelectedRow(list);
  if (row < 0) return false;
  lengths.RemoveAt(row);
  delete list->takeItem(row);
  if (list->count() > 0) list->setCurrentRow(std::min(row, list->count() - 1));
  return true;
}

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

QListWidget* MakeList(QWidget* parent, int id) {
  auto* list = new QListWidget(parent);
  CZamoDialog::SetControlId(list, id);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  const QFontMetrics metrics = list->fontMetrics();
  list->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("0000000")) + 40);
  list->setMinimumHeight(metrics.lineSpacing() * kListRows);
  return list;
}

QLabel* MakeValue(QWidget* parent, int id) {
  auto* label = new QLabel(QStringLiteral("0"), parent);
  CZamoDialog::SetControlId(label, id);
  // Room for any length, so that the layout does not jump as the figures
  // change.
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-0000000")));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CCollectDivDlg::CCollectDivDlg(QWidget* parent) : CZamoDialog(parent) {
  using namespace Ctl::WallDivision;
  setWindowTitle(UiText(Lang::kWallDivisionCaption));
  Translate(this, Lang::kWallDivisionCaption);

  const auto makeButton = [this](int id, int entry) {
    auto* button = new QPushButton(UiText(entry), this);
    SetControlId(button, id);
    Translate(button, entry);
    // Enter belongs to the lists and boxes of this dialog; a button pressed
    // by mouse must not become the one Enter presses.
    button->setAutoDefault(false);
    return button;
  };

  QLabel* unallocatedLabel = MakeLabel(kUnallocatedLabel, Lang::kUnallocatedLengthLabel);
  unallocatedValue_ = MakeValue(this, kUnallocated);
  QLabel* totalLabel = MakeLabel(kTotalLabel, Lang::kTotalSizeLabel);
  totalValue_ = MakeValue(this, kTotal);
  QLabel* unallocatedHeightLabel = MakeLabel(kUnallocatedHeightLabel, Lang::kUnallocatedHeightLabel);
  unallocatedHeightValue_ = MakeValue(this, kUnallocatedHeight);
  QLabel* totalHeightLabel = MakeLabel(kTotalHeightLabel, Lang::kTotalHeightLabel);
  totalHeightValue_ = MakeValue(this, kTotalHeight);

  QLabel* availableLabel = MakeLabel(kAvailableLabel, Lang::kAvailablePanelsLabel);
  availableList_ = MakeList(this, kAvailable);
  availableLabel->setBuddy(availableList_);
  addButton_ = makeButton(kAdd, Lang::kAddButton);

  QLabel* chosenLabel = MakeLabel(kChosenLabel, Lang::kChosenPanelsLabel);
  chosenList_ = MakeList(this, kChosen);
  chosenLabel->setBuddy(chosenList_);
  deleteButton_ = makeButton(kDelete, Lang::kDeleteButton);
  addRemainderButton_ = makeButton(kAddRemainder, Lang::kAddRemainderButton);
  clearButton_ = makeButton(kClear, Lang::kClearButton);
  autoFillButton_ = makeButton(kAutoFill, Lang::kAutoFillButton);

  exactCheck_ = new QCheckBox(UiText(Lang::kExactSizeCheck), this);
  SetControlId(exactCheck_, kExactCheck);
  Translate(exactCheck_, Lang::kExactSizeCheck);
  exactEdit_ = MakeLineEdit(kExactSize);
  exactEdit_->setMaxLength(12);
  exactEdit_->setMaximumWidth(exactEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);
  addExactButton_ = makeButton(kAddExact, Lang::kAddExactSizeButton);

  QLabel* heightsLabel = MakeLabel(kHeightsLabel, Lang::kHeightDivisionLabel);
  heightList_ = MakeList(this, kHeights);
  heightsLabel->setBuddy(heightList_);
  heightEdit_ = MakeLineEdit(kHeight);
  heightEdit_->setMaxLength(12);
  addHeightButton_ = makeButton(kAddHeight, Lang::kAddButton);
  deleteHeightButton_ = makeButton(kDeleteHeight, Lang::kDeleteButton);

  QDialogButtonBox* buttons = MakeApplyCancelButtons();

  // Length side: the figures, then the two lists with their buttons, then
  // the exact size.
  auto* lengthFigures = new QGridLayout;
  lengthFigures->addWidget(unallocatedLabel, 0, 0);
  lengthFigures->addWidget(unallocatedValue_, 0, 1);
  lengthFigures->addWidget(totalLabel, 1, 0);
  lengthFigures->addWidget(totalValue_, 1, 1);
  lengthFigures->setColumnStretch(2, 1);

  auto* available = new QVBoxLayout;
  available->addWidget(availableLabel);
  available->addWidget(availableList_, 1);
  available->addWidget(addButton_);

  auto* chosen = new QVBoxLayout;
  chosen->addWidget(chosenLabel);
  chosen->addWidget(chosenList_, 1);

  auto* chosenButtons = new QVBoxLayout;
  chosenButtons->addSpacing(chosenLabel->sizeHint().height() + chosen->spacing());
  chosenButtons->addWidget(deleteButton_);
  chosenButtons->addWidget(addRemainderButton_);
  chosenButtons->addSpacing(12);
  chosenButtons->addWidget(clearButton_);
  chosenButtons->addWidget(autoFillButton_);
  chosenButtons->addStretch();

  auto* lists = new QHBoxLayout;
  lists->addLayout(available);
  lists->addLayout(chosen);
  lists->addLayout(chosenButtons);

  auto* exact = new QHBoxLayout;
  exact->addWidget(exactCheck_);
  exact->addWidget(exactEdit_);
  exact->addWidget(addExactButton_);
  exact->addStretch();

  auto* lengthSide = new QVBoxLayout;
  lengthSide->addLayout(lengthFigures);
  lengthSide->addSpacing(6);
  lengthSide->addLayout(lists, 1);
  lengthSide->addLayout(exact);

  // Height side: the figures, the list, the box with its buttons.
  auto* heightFigures = new QGridLayout;
  heightFigures->addWidget(unallocatedHeightLabel, 0, 0);
  heightFigures->addWidget(unallocatedHeightValue_, 0, 1);
  heightFigures->addWidget(totalHeightLabel, 1, 0);
  heightFigures->addWidget(totalHeightValue_, 1, 1);
  heightFigures->setColumnStretch(2, 1);

  auto* heightInput = new QHBoxLayout;
  heightInput->addWidget(heightEdit_, 1);
  heightInput->addWidget(addHeightButton_);

  auto* heightSide = new QVBoxLayout;
  heightSide->addLayout(heightFigures);
  heightSide->addSpacing(6);
  heightSide->addWidget(heightsLabel);
  heightSide->addWidget(heightList_, 1);
  heightSide->addLayout(heightInput);
  heightSide->addWidget(deleteHeightButton_, 0, Qt::AlignLeft);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* body = new QHBoxLayout;
  body->addLayout(lengthSide, 3);
  body->addSpacing(6);
  body->addWidget(line);
  body->addSpacing(6);
  body->addLayout(heightSide, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addSpacing(6);
  layout->addWidget(buttons);

  setTabOrder(availableList_, addButton_);
  setTabOrder(addButton_, chosenList_);
  setTabOrder(chosenList_, deleteButton_);
  setTabOrder(deleteButton_, addRemainderButton_);
  setTabOrder(addRemainderButton_, clearButton_);
  setTabOrder(clearButton_, autoFillButton_);
  setTabOrder(autoFillButton_, exactCheck_);
  setTabOrder(exactCheck_, exactEdit_);
  setTabOrder(exactEdit_, addExactButton_);
  setTabOrder(addExactButton_, heightList_);
  setTabOrder(heightList_, heightEdit_);
  setTabOrder(heightEdit_, addHeightButton_);
  setTabOrder(addHeightButton_, deleteHeightButton_);
  setTabOrder(deleteHeightButton_, OkButton());
  setTabOrder(OkButton(), CancelButton());

  connect(addButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnAdd);
  connect(availableList_, &QListWidget::itemDoubleClicked, this, &CCollectDivDlg::OnAdd);
  connect(deleteButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnDelete);
  connect(addRemainderButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnAddRemainder);
  connect(exactCheck_, &QCheckBox::clicked, this, &CCollectDivDlg::OnExactCheckClicked);
  connect(addExactButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnAddExact);
  connect(clearButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnClear);
  connect(autoFillButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnAutoFill);
  connect(addHeightButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnAddHeight);
  connect(deleteHeightButton_, &QPushButton::clicked, this, &CCollectDivDlg::OnDeleteHeight);
  // Typing a size means the user wants it exact, as clicking into the box
  // does.
  connect(exactEdit_, &QLineEdit::textEdited, this, [this] {
    exactCheck_->setChecked(true);
    RefreshExactButton();
  });
  connect(chosenList_, &QListWidget::itemSelectionChanged, this, [this] {
    deleteButton_->setEnabled(SelectedRow(chosenList_) >= 0);
  });
  connect(heightList_, &QListWidget::itemSelectionChanged, this, [this] {
    deleteHeightButton_->setEnabled(SelectedRow(heightList_) >= 0);
  });
  for (QWidget* watched : {static_cast<QWidget*>(availableList_), static_cast<QWidget*>(chosenList_),
                           static_cast<QWidget*>(heightList_), static_cast<QWidget*>(exactEdit_),
                           static_cast<QWidget*>(heightEdit_)}) {
    watched->installEventFilter(this);
  }
}

void CCollectDivDlg::SetObject(CWallCollection* wall) { draft_.SetObject(wall); }

void CCollectDivDlg::SetObject(CFloorStrip* strip) { draft_.SetObject(strip); }

void CCollectDivDlg::SetHeight(int32_t height) { draft_.SetHeight(height); }

void CCollectDivDlg::OnInitDialog() {
  draft_.StartFromObject();
  ShowWidths();
  exactEdit_->setText(QString::number(kExactSizeDefault));
  // Walls have no second direction to cut.
  const bool heights = draft_.HasHeights();
  for (QWidget* control : {static_cast<QWidget*>(heightList_), static_cast<QWidget*>(heightEdit_),
                           static_cast<QWidget*>(addHeightButton_)}) {
    control->setEnabled(heights);
  }
  deleteHeightButton_->setEnabled(false);
  RefreshAll();
  availableList_->setFocus();
}

void CCollectDivDlg::ShowWidths() {
  chosenList_->clear();
  for (int32_t w : draft_.Widths().Values()) chosenList_->addItem(MakeItem(w));
  if (chosenList_->count() > 0) chosenList_->setCurrentRow(0);
  deleteButton_->setEnabled(SelectedRow(chosenList_) >= 0);
}

void CCollectDivDlg::InsertChosen(int32_t width) {
  const int row = SelectedRow(chosenList_) + 1;
  draft_.Widths().Insert(row, width);
  chosenList_->insertItem(row, MakeItem(width));
  chosenList_->setCurrentRow(row);
}

void CCollectDivDlg::RefreshLabels() {
  unallocatedValue_->setText(QString::number(draft_.Widths().Unallocated()));
  totalValue_->setText(QString::number(draft_.Widths().Total()));
  unallocatedHeightValue_->setText(QString::number(draft_.Heights().Unallocated()));
  totalHeightValue_->setText(QString::number(draft_.Heights().Total()));
  addRemainderButton_->setEnabled(draft_.Widths().Unallocated() > 0);
}

void CCollectDivDlg::RefreshAvailable() {
  // The size the user had chosen stays chosen while it still fits; when it
  // no longer does, the largest that fits, which is what is usually wanted
  // next. A fresh list starts at the first entry.
  const int previousRow = SelectedRow(availableList_);
  const int32_t previous = previousRow >= 0 ? ValueAt(availableList_, previousRow) : 0;
  availableList_->clear();
  for (int32_t size : draft_.OfferedSizes()) availableList_->addItem(MakeItem(size));
  const int row = draft_.OfferIndexAfter(previous);
  if (row >= 0) availableList_->setCurrentRow(row);
  addButton_->setEnabled(row >= 0);
}

void CCollectDivDlg::RefreshExactButton() { addExactButton_->setEnabled(exactCheck_->isChecked()); }

void CCollectDivDlg::RefreshAll() {
  RefreshLabels();
  RefreshAvailable();
  RefreshExactButton();
}

void CCollectDivDlg::OnAdd() {
  const int row = SelectedRow(availableList_);
  if (row < 0) return;
  InsertChosen(ValueAt(availableList_, row));
  RefreshAll();
}

void CCollectDivDlg::OnDelete() {
  if (DeleteSelected(chosenList_, draft_.Widths())) RefreshAll();
}

void CCollectDivDlg::OnAddRemainder() {
  if (draft_.Widths().Unallocated() > 0) {
    const auto rest = static_cast<int32_t>(draft_.Widths().Unallocated());
    draft_.Widths().Append(rest);
    chosenList_->addItem(MakeItem(rest));
    chosenList_->setCurrentRow(chosenList_->count() - 1);
  }
  RefreshAll();
}

void CCollectDivDlg::OnExactCheckClicked(bool checked) {
  if (!checked) exactEdit_->setText(QString::number(kExactSizeDefault));
  RefreshExactButton();
}

void CCollectDivDlg::OnAddExact() {
  const std::optional<int64_t> value = ParseWholeNumber(exactEdit_->text());
  if (!draft_.ExactSizeFits(value)) {
    ShowMessage(Lang::kExactSizeOutOfRange, Lang::kInvalidSizeCaption, MessageButtons::Ok, this);
    exactEdit_->setFocus();
    exactEdit_->selectAll();
    return;
  }
  InsertChosen(static_cast<int32_t>(*value));
  exactCheck_->setChecked(false);
  exactEdit_->selectAll();
  RefreshAll();
}

void CCollectDivDlg::OnClear() {
  draft_.Widths().Clear();
  chosenList_->clear();
  deleteButton_->setEnabled(false);
  RefreshAll();
}

void CCollectDivDlg::OnAutoFill() {
  draft_.Widths().Reset(draft_.Widths().Total(), draft_.AutomaticWidths());
  ShowWidths();
  RefreshAll();
}

void CCollectDivDlg::OnAddHeight() {
  const QString text = heightEdit_->text().trimmed();
  const std::optional<int64_t> value = ParseWholeNumber(text);
  const auto refuse = [this](const QString& why) {
    ShowMessageText(why, UiText(Lang::kInvalidHeightCaption), MessageButtons::Ok, this);
  };
  const CDivisionDraft::SizeCheck check = draft_.CheckHeight(value);
  if (check == CDivisionDraft::SizeCheck::kNoNumber) {
    refuse(text.isEmpty() ? UiText(Lang::kEnterHeightMm) : UiText(Lang::kHeightNotWholeNumber).arg(text));
  } else if (check == CDivisionDraft::SizeCheck::kNotPositive) {
    refuse(UiText(Lang::kHeightNotPositive));
  } else if (check == CDivisionDraft::SizeCheck::kAboveTotal) {
    ShowMessage(Lang::kHeightAboveTotal, Lang::kInvalidHeightCaption, MessageButtons::Ok, this);
  } else if (check == CDivisionDraft::SizeCheck::kAboveRemaining) {
    ShowMessage(Lang::kHeightAboveRemaining, Lang::kInvalidHeightCaption, MessageButtons::Ok, this);
  } else {
    draft_.Heights().Append(static_cast<int32_t>(*value));
    heightList_->addItem(MakeItem(static_cast<int32_t>(*value)));
    heightEdit_->clear();
    RefreshLabels();
    return;
  }
  heightEdit_->setFocus();
  heightEdit_->selectAll();
}

void CCollectDivDlg::OnDeleteHeight() {
  if (DeleteSelected(heightList_, draft_.Heights())) RefreshLabels();
}

void CCollectDivDlg::accept() {
  const CDivisionDraft::Completion completion = draft_.State();
  if (completion == CDivisionDraft::Completion::kOverfull) {
    // Only a wall that an outline edit shortened under its panels gets here:
    // rebuilt from this list it would stay overfull.
    ShowMessageText(UiText(Lang::kPanelsTooLong).arg(-draft_.Widths().Unallocated()),
                    UiText(Lang::kAttentionCaption), MessageButtons::Ok, this);
    return;
  }
  if (completion == CDivisionDraft::Completion::kShort &&
      ShowMessage(Lang::kLengthNotAllocated, Lang::kAttentionCaption, MessageButtons::YesNo, this) != kMessageYes)
    return;
  if (!draft_.Apply(&appliedWidths_)) {
    ShowMessageText(UiText(Lang::kTooManyPanels), UiText(Lang::kErrorCaption), MessageButtons::Ok, this);
    return;
  }
  heights_ = draft_.CutPieces();
  CZamoDialog::accept();
}

bool CCollectDivDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched == exactEdit_) {
    exactCheck_->setChecked(true);
    RefreshExactButton();
  } else if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Enter adds what the box or the list offers instead of applying;
    // Delete removes the selected entry.
    if (IsEnter(key) && watched == exactEdit_) {
      exactCheck_->setChecked(true);
      OnAddExact();
      return true;
    }
    if (IsEnter(key) && watched == heightEdit_) {
      OnAddHeight();
      return true;
    }
    // With nothing left to offer, Enter falls through to Apply: a run of
    // Enters adds panels and then applies the division.
    if (IsEnter(key) && watched == availableList_ && SelectedRow(availableList_) >= 0) {
      OnAdd();
      return true;
    }
    if (key->key() == Qt::Key_Delete && watched == chosenList_) {
      OnDelete();
      return true;
    }
    if (key->key() == Qt::Key_Delete && watched == heightList_) {
      OnDeleteHeight();
      return true;
    }
  }
  return CZamoDialog::eventFilter(watched, event);
}
