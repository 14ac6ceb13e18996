// Value fields of the live panels: a framed number that turns red and bold when the
// reading is not valid.
#pragma once

#include "acquisition/MeasDecode.h"

class QLabel;
class QWidget;

QLabel* NewMeasField(QWidget* parent);

// Writes one value into its field as the scale shows it; 1 when the field was marked
// invalid (red), else 0.
int CheckMeas(const DisplayScale& scale, const Value& value, QLabel* field);
// "----" in red: the request for this field failed.
void ShowDisturbed(QLabel* field);
void ShowMeasText(QLabel* field, const MeasText& shown);
bool MeasFieldRed(const QLabel* field);
