#include "controls/numbereditor.h"

NumberEditor::NumberEditor(QWidget* parent) : NumberEdit(parent) {}
