#pragma once
// "İptal Türleri": the cancellation types the service gave a moment before. Made for one use by
// the cancellation window; a double click puts the row's code into that window's type code.

#include "PickerWindow.h"

class TIPTAL_TURLERI_PENCERE : public ServiceListPicker {
    Q_OBJECT
public:
    explicit TIPTAL_TURLERI_PENCERE(QWidget *parent = nullptr);
};
