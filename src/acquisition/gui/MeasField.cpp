#include "acquisition/gui/MeasField.h"

#include <QLabel>

namespace {

constexpr char kRedProperty[] = "measRed";

// Text and frame take the window-text colour of a plain box frame, so one palette
// entry colours both.
void SetRed(QLabel* field, bool red) {
    if (MeasFieldRed(field) == red) return; // palette and font changes relayout: only on a change
    field->setProperty(kRedProperty, red);
    QPalette pal = field->palette();
    pal.setColor(QPalette::WindowText, red ? QColor(0xFF0000) : QColor(Qt::black));
    field->setPalette(pal);
    QFont font = field->font();
    font.setBold(red);
    field->setFont(font);
}

} // namespace

QLabel* NewMeasField(QWidget* parent) {
    auto* field = new QLabel(parent);
    field->setFrameStyle(QFrame::Box | QFrame::Plain);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setTextFormat(Qt::PlainText);
    QFont bold = field->font();
    bold.setBold(true);
    // Room for the widest text ("-99999999.9") in bold. A fixed size also keeps a new
    // text from relayouting the whole panel on every poll.
    const QFontMetrics metrics(bold);
    field->setFixedSize(metrics.horizontalAdvance(QStringLiteral("-99999999.99")) + 8,
                        metrics.height() + 2 * field->frameWidth() + 4);
    field->setProperty(kRedProperty, false);
    return field;
}

bool MeasFieldRed(const QLabel* field) {
    return field->property(kRedProperty).toBool();
}

void ShowMeasText(QLabel* field, const MeasText& shown) {
    if (shown.colour != FieldColour::Keep) SetRed(field, shown.colour == FieldColour::Red);
    field->setText(shown.text);
}

int CheckMeas(const DisplayScale& scale, const Value& value, QLabel* field) {
    const MeasText shown = FieldOf(scale, value);
    ShowMeasText(field, shown);
    return shown.invalid;
}

void ShowDisturbed(QLabel* field) {
    ShowMeasText(field, DisturbedText());
}
