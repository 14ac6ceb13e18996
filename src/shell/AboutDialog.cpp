// The splash panel of start-up, which is also the about panel.
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {

// A meter front: frame, a three-line display and the four keys below it.
void DrawMeter(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(225, 225, 220));
    p.drawRoundedRect(r, 10, 10);
    const QRectF display = r.adjusted(18, 18, -18, -r.height() * 0.36);
    p.setBrush(QColor(150, 190, 120));
    p.drawRect(display);
    QFont font("Monospace");
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPixelSize(int(display.height() / 4.2));
    p.setFont(font);
    p.setPen(QColor(20, 40, 20));
    const char* lines[] = {"230.4 V", "  5.02 A", "  1.16 kW"};
    for (int i = 0; i < 3; ++i) {
        const QRectF line(display.left() + 8, display.top() + 4 + i * display.height() / 3,
                          display.width() - 16, display.height() / 3);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(lines[i]));
    }
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(90, 90, 95));
    const double keyTop = display.bottom() + (r.bottom() - display.bottom()) / 2 - 9;
    for (int k = 0; k < 4; ++k)
        p.drawRoundedRect(QRectF(r.left() + 26 + k * (r.width() - 52) / 4, keyTop, 24, 18), 4, 4);
}

} // namespace

QPixmap SplashPicture() {
    QPixmap pixmap(520, 300);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(20, 60, 120));
    sky.setColorAt(1, QColor(10, 25, 55));
    p.fillRect(pixmap.rect(), sky);

    DrawMeter(p, QRectF(330, 50, 160, 200));

    QFont title = QApplication::font();
    title.setPixelSize(72);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 60, 290, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZARO"));

    QFont text = p.font();
    text.setPixelSize(16);
    text.setBold(false);
    p.setFont(text);
    p.setPen(QColor(210, 225, 245));
    p.drawText(QRectF(30, 150, 290, 90), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QApplication::translate("About", "Configuration and measurement program for multifunction "
                                                "power meters"));
    text.setPixelSize(12);
    p.setFont(text);
    p.drawText(QRectF(30, 255, 290, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QApplication::translate("About", "Version %1").arg(QStringLiteral("1.0")));
    return pixmap;
}

QWidget* CreateSplashPanel(QWidget* parent) {
    auto* panel = new QPushButton(parent);
    panel->setObjectName("AboutPanel");
    panel->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    const QPixmap picture = SplashPicture();
    panel->setIcon(QIcon(picture));
    panel->setIconSize(picture.size());
    panel->setFixedSize(picture.size());
    panel->setStyleSheet(QStringLiteral("border: none; padding: 0px;"));
    panel->setToolTip(QApplication::translate("About", "Click to close"));
    QObject::connect(panel, &QPushButton::clicked, panel, [] { CloseAboutDialog(); });
    // Escape closes it as a click does. A splash never becomes the active window, so the
    // key counts wherever it is pressed while the picture is up.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    escape->setContext(Qt::ApplicationShortcut);
    QObject::connect(escape, &QShortcut::activated, panel, [] { CloseAboutDialog(); });
    return panel;
}

int ShowAboutDialog() {
    // Rebuilt each time so that it speaks the current language.
    delete Panels().about;
    Panels().about = CreateSplashPanel(MainWindow());
    if (QWidget* window = MainWindow())
        Panels().about->move(window->geometry().center() - Panels().about->rect().center());
    Panels().about->show();
    return 0;
}

void CloseAboutDialog() {
    if (Panels().about) Panels().about->hide();
}
