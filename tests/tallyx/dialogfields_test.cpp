// The form side of the collections: fields are combo boxes found by their
// control number anywhere in the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogfields.h"
#include "userdatacollections.h"

namespace {

// A dialog like the send-camera form: editable combo boxes inside a group,
// and a plain edit that is not a field.
class CFormDialog : public QDialog {
 public:
  CFormDialog() {
    auto* group = new QGroupBox(this);
    auto* layout = new QVBoxLayout(group);
    for (const int id : {1022, 1025}) {
      auto* combo = new QComboBox(group);
      combo->setEditable(true);
      combo->setObjectName(QString::number(id));
      layout->addWidget(combo);
    }
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("1031"));
  }
  QComboBox* Combo(int id) { return findChild<QComboBox*>(QString::number(id)); }
};

CUserDataCollections Remembered() {
  CUserDataCollections collections;
  collections.Collect(1022, "Иван");
  collections.Collect(1025, "Петров");
  collections.Collect(1022, "Пётр");
  return collections;
}

TEST(DialogFields, FillOffersTheFieldsTextsAndSelectsTheFirstLater) {
  CFormDialog dialog;
  const CUserDataCollections collections = Remembered();
  ASSERT_TRUE(FillField(collections, &dialog, 1022));
  QComboBox* combo = dialog.Combo(1022);
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0), QStringLiteral("Иван"));
  EXPECT_EQ(combo->itemText(1), QStringLiteral("Пётр"));
  // The selection is posted: whatever happens before the dialog handles its
  // events is overridden then.
  combo->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Иван"));
  EXPECT_EQ(dialog.Combo(1025)->count(), 0);
}

TEST(DialogFields, FieldWithNothingRememberedStaysEmpty) {
  CFormDialog dialog;
  ASSERT_TRUE(FillField(CUserDataCollections(), &dialog, 1025));
  QApplication::processEvents();
  EXPECT_EQ(dialog.Combo(1025)->count(), 0);
  EXPECT_EQ(dialog.Combo(1025)->currentText(), QString());
}

TEST(DialogFields, UnknownOrForeignControlIsNoField) {
  CFormDialog dialog;
  CUserDataCollections collections = Remembered();
  EXPECT_FALSE(FillField(collections, &dialog, 1099));
  EXPECT_FALSE(FillField(collections, &dialog, 1031));  // an edit, not a combo box
  EXPECT_FALSE(FillField(collections, nullptr, 1022));
  EXPECT_FALSE(CollectField(collections, &dialog, 1099));
  EXPECT_FALSE(CollectField(collections, &dialog, 1031));
  EXPECT_FALSE(CollectField(collections, nullptr, 1022));
  EXPECT_EQ(collections.Entries().size(), 3u);
  EXPECT_EQ(dialog.Combo(1022)->count(), 0);
}

TEST(DialogFields, CollectTakesTheTypedText) {
  CFormDialog dialog;
  CUserDataCollections collections;
  dialog.Combo(1022)->setEditText(QStringLiteral("Сергей"));
  ASSERT_TRUE(CollectField(collections, &dialog, 1022));
  ASSERT_TRUE(CollectField(collections, &dialog, 1022));
  ASSERT_TRUE(CollectField(collections, &dialog, 1025));  // empty, remembered all the same
  EXPECT_EQ(collections.Entries(), (std::vector<UserDataEntry>{{1022, "Сергей"}, {1025, ""}}));
}

}  // namespace
