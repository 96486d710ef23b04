#pragma once

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The common ground of the program's modal dialogs. A dialog builds its
// controls with their default texts (UiText) in the constructor; the
// caller hands in the starting values through setters; just before the
// first display OnInitDialog() puts the values into the controls and the
// language texts replace the defaults (an empty language text keeps the
// default, so a short or missing language file never blanks a control).
// Results are read through getters after exec() returned Accepted.
class CZamoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CZamoDialog(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  // Gives a control its number as its object name.
  static void SetControlId(QWidget* control, int id);
  // The language text of `entry`, or `fallback` when the table has none.
  static QString TextOr(int entry, const QString& fallback);

 protected:
  // Runs once, before the dialog is first shown.
  virtual void OnInitDialog() {}
  // The size of the first display once the texts are in; an invalid size
  // leaves it to the layout.
  virtual QSize InitialSize() const { return QSize(); }

  // Shows language entry `entry` on `control` (label, button, group box, or
  // this dialog's caption) when the dialog is first shown.
  void Translate(QWidget* control, int entry);

  // A label and a one-line box, numbered; the label shows `entry`.
  QLabel* MakeLabel(int id, int entry);
  QLineEdit* MakeLineEdit(int id);
  // The dialogs that ask for one value: the label beside the box (or above
  // it), then the buttons.
  void LayOutOneValue(QLabel* label, QWidget* box, bool labelAbove);

  // Refuses what was typed into `box`: the message names the box by its
  // label, then the box gets the focus with its text selected, and the
  // dialog stays open.
  void RefuseInput(QWidget* box, const QLabel* label, const QString& text, const QString& caption);

  // The OK (1) and Cancel (2) buttons with their default texts and language
  // entries. OK is the default button and runs accept(); Cancel and Esc run
  // reject().
  QDialogButtonBox* MakeButtons(int okEntry, const QString& okText, int cancelEntry,
                                const QString& cancelText);
  // The buttons of the camera window's small dialogs: Lang::kOkButton and
  // Lang::kCancelButton.
  QDialogButtonBox* MakeApplyCancelButtons();
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 private:
  void ApplyTexts();

  bool initialised_ = false;
  std::vector<std::pair<QWidget*, int>> texts_;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};
