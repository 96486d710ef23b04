#pragma once

#include <cstdint>
#include <vector>

#include "divisiondraft.h"
#include "zamodialog.h"

class CFloorStrip;
class CWallCollection;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Divides one straight run of panels by hand: a wall segment or a partition,
// or one strip of the floor/ceiling plan. The user builds an ordered list of
// panel lengths (300, 600, 900, 1200, an exact size, the remainder, or the
// object's automatic division); Apply rebuilds the object from that list
// through the model's own manual division, which completes whatever the list
// leaves short. For a strip the dialog also collects the cut of its panels
// across their length (the heights). The lists and what they leave
// unallocated are kept by a CDivisionDraft; the dialog shows them.
//
// Use: SetObject, then SetHeight for a strip, exec(). The object is changed
// only by Apply, all at once; Cancel leaves it as it was. The object must
// outlive the dialog's exec().
//
// Bad typed values (no whole number, outside the allowed range) are refused
// with a message and change nothing.
class CCollectDivDlg : public CZamoDialog {
  Q_OBJECT

 public:
  explicit CCollectDivDlg(QWidget* parent = nullptr);

  // The run to divide (an outline segment or a partition). Its current
  // panels are listed when the dialog opens, and the unallocated length is
  // what they leave of |length| (a wall an outline edit left short or
  // overfull shows its true gap).
  void SetObject(CWallCollection* wall);
  // The floor strip to divide along its division length.
  void SetObject(CFloorStrip* strip);
  // The size to cut in the second direction, mm (a strip's panel length).
  // Walls have none: 0.
  void SetHeight(int32_t height);

  // After OK: the object's panel widths as Apply left them, in order: the
  // complete division, which the manual division rebuilds exactly whether
  // it completes by one step or to the end. Empty after Cancel.
  const std::vector<int32_t>& AppliedWidths() const { return appliedWidths_; }
  // After OK: the piece lengths for the strip's cuts, first piece first: the
  // height entries from the bottom of the list up, preceded by the height
  // left unallocated when it is not 0. Their sum is the height set.
  const std::vector<int32_t>& Heights() const { return heights_; }

  void accept() override;

 protected:
  void OnInitDialog() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnAdd();
  void OnDelete();
  void OnAddRemainder();
  void OnExactCheckClicked(bool checked);
  void OnAddExact();
  void OnClear();
  void OnAutoFill();
  void OnAddHeight();
  void OnDeleteHeight();

  // Inserts after the selected chosen entry (at the top when none is) and
  // selects the new entry, so that successive adds keep their order.
  void InsertChosen(int32_t width);
  // The chosen list anew from the draft's widths, the first one selected.
  void ShowWidths();
  void RefreshLabels();
  void RefreshAvailable();
  void RefreshExactButton();
  void RefreshAll();

  QLabel* unallocatedValue_;
  QLabel* totalValue_;
  QLabel* unallocatedHeightValue_;
  QLabel* totalHeightValue_;
  QListWidget* availableList_;
  QListWidget* chosenList_;
  QPushButton* deleteButton_;
  QPushButton* addButton_;
  QPushButton* addRemainderButton_;
  QCheckBox* exactCheck_;
  QLineEdit* exactEdit_;
  QPushButton* addExactButton_;
  QPushButton* clearButton_;
  QPushButton* autoFillButton_;
  QListWidget* heightList_;
  QLineEdit* heightEdit_;
  QPushButton* addHeightButton_;
  QPushButton* deleteHeightButton_;

  CDivisionDraft draft_;
  std::vector<int32_t> heights_;
  std::vector<int32_t> appliedWidths_;
};
