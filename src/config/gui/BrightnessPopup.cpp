#include "config/gui/BrightnessPopup.h"

#include "config/Brightness.h"
#include "config/ConfigFile.h"
#include "platform/Translate.h"
#include "settings/INI_File.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const Translator Tr{"BrightnessPopup"};

// CmSelBright: the meter takes the value at once; a failed write puts the slider back.
void SelBright(MeterSession& session, QSlider* slider) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const int ok = CmSelBright(session, slider->value());
    QApplication::restoreOverrideCursor();
    if (!ok) {
        const QSignalBlocker block(slider);
        slider->setValue(Brightness(session));
    }
}

} // namespace

QDialog* CreateBrightnessPopup(MeterSession& session, QWidget* parent) {
    auto* popup = new QDialog(parent);
    popup->setObjectName("BrightnessPopup");
    AddHelpKey(popup, QStringLiteral("brightness.html"));
    QString title = Tr(QT_TRANSLATE_NOOP("BrightnessPopup", "Display brightness"));
    if (session.connection.kind == kRS485 || session.connection.kind == kGateway)
        title = QStringLiteral("%1 (%2 %3)")
                    .arg(title, EditorCaptionText(kCapDevice))
                    .arg(MeterAddressInUse(session.connection));
    popup->setWindowTitle(title);
    auto* layout = new QVBoxLayout(popup);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("BrightnessPopup", "Dark")), popup));
    auto* slider = new QSlider(Qt::Horizontal, popup);
    slider->setObjectName("Brightness");
    slider->setRange(0, 15);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTracking(false); // the meter is written once the slider is let go
    slider->setValue(Brightness(session));
    slider->setMinimumWidth(240);
    row->addWidget(slider);
    row->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("BrightnessPopup", "Bright")), popup));
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, popup);
    layout->addWidget(buttons);
    QObject::connect(slider, &QSlider::valueChanged, popup,
                     [&session, slider] { SelBright(session, slider); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, popup, &QDialog::reject);
    return popup;
}

int CmDisplay(MeterSession& session) {
    if (!OpenBrightness(session)) return 0;
    QDialog* popup = CreateBrightnessPopup(session, ActivePanel());
    popup->exec();
    delete popup;
    CloseBrightness(); // CmDisplayDone
    return 0;
}
