// Value fields of the live panels: a framed number that turns red and bold when the
// reading is not valid.
#pragma once

#include "acquisition/MeasDecode.h"

class QLabel;
class QWidget;

QLabel* NewMeasField(QWidget* parent);

// Checks, scales and writes one raw value into its field; 1 when the field was
// marked invalid (red), else 0.
int CheckMeas(int32_t index, float value, float divisor, int32_t decimals, QLabel* field, int kind);
// "----" in red: the request for this field failed.
void Meas_Disturbed(QLabel* field);
void ShowMeasText(QLabel* field, const MeasText& shown);
bool MeasFieldRed(const QLabel* field);
