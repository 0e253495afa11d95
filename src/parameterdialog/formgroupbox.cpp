// The group box of one free-form field row.
#include "parameterdialog/formgroupbox.h"

FormGroupBox::FormGroupBox(QWidget *parent)
    : QGroupBox(parent)
{ }
