// A field for a decimal number in the user's language. Where the language writes a
// decimal comma, a typed point is taken as that comma: the keypad of many keyboards
// gives a point, and reading it as a thousands mark would turn 12.5 A into 125 A.
#pragma once

#include <QDoubleSpinBox>

class NumberField : public QDoubleSpinBox {
  public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QValidator::State validate(QString& text, int& pos) const override {
        const QString point = locale().decimalPoint();
        if (point != u"." && !text.contains(point)) text.replace(u'.', point);
        return QDoubleSpinBox::validate(text, pos);
    }
};
