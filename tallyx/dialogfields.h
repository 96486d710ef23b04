#pragma once

#include <cstdint>

class CUserDataCollections;
class QComboBox;
class QWidget;

// The form side of the collections: a field is the combo box of `dialog`
// whose object name is its control number.

// The field's combo box, or null when the dialog has none of that number.
QComboBox* FindFieldCombo(QWidget* dialog, int32_t fieldId);

// Adds the texts remembered for the field to its list and has its first
// entry selected once the dialog handles its events again. False (and
// nothing changed) when there is no such field.
bool FillField(const CUserDataCollections& collections, QWidget* dialog, int32_t fieldId);

// Remembers the text shown in the field. False when there is no such field.
bool CollectField(CUserDataCollections& collections, QWidget* dialog, int32_t fieldId);
