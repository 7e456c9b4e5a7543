#pragma once

#include <QComboBox>

// Makes item index current when the combo box has it and ignores the request
// otherwise (Qt 6 would clear the selection). Emits no activated(int).
inline void SetCurrentItem(QComboBox* box, int index)
{
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}
