// The profile graph panel offscreen on synthetic records of both loggers, and the
// picture export that shares its drawing.
#include "ProfileSamples.h"

#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "platform/gui/PanelPrint.h"
#include "profiles/ProfileDraw.h"
#include "profiles/gui/ProfilePanel.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>

namespace {

template <typename T> T* Control(const QString& name) {
    T* w = Panels().loadProfile ? Panels().loadProfile->findChild<T*>(name) : nullptr;
    if (!w) qFatal("control %s missing", qPrintable(name));
    return w;
}
QString Text(const char* name) {
    return Control<QLabel>(name)->text();
}

// Where a drawing of the given size puts slot x of a day's 96 and value y of 0 .. ymax.
QPoint GraphPoint(const QRect& area, double x, double y, double ymax) {
    const QRectF plot = PlotArea(QRectF(area));
    return QPointF(plot.left() + x / 96 * plot.width(), plot.bottom() - y / ymax * plot.height()).toPoint();
}

} // namespace

class ProfilePanelTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    MeterLog meterLog;
    ModuleLog moduleLog;

  private slots:
    void initTestCase() {
        // Days of 96 quarter hours: no clock change inside the sample records.
        qputenv("TZ", "UTC");
        tzset();
    }

    void meterDayCursorAndSteps() {
        // Three days and six hours of quarter-hour records, the newest at 06:00.
        const uint32_t newest = CalendarSecondsFromLocal({2026, 3, 10, 6, 0, 0});
        FillMeterSample(meterLog.device, meterLog.records, 4, 3 * 96 + 25, 900, newest);
        meterLog.deviceActive = true;
        QWidget logger;
        QTimer status(&logger); // the logger panel's status timer, stopped while the graph is up
        logger.show();
        ShowProfilePanel(&logger, &meterLog, nullptr, false);
        QVERIFY(Panels().loadProfile && Panels().loadProfile->isVisible() && !logger.isVisible());
        QCOMPARE(Text("Date"), QString("10.03.26"));
        QVERIFY(Control<QCheckBox>("Chan_3")->isVisibleTo(Panels().loadProfile));
        QVERIFY(!Control<QCheckBox>("Chan_4")->isVisibleTo(Panels().loadProfile));
        QVERIFY(!Control<QPushButton>("Next")->isEnabled());

        // The graph opens with the first channel drawn; ticking a box wakes its value
        // field, unticking puts it to sleep; cursor 2 at slot 50 of yesterday.
        QVERIFY(Control<QCheckBox>("Chan_0")->isChecked() && Control<QLabel>("Value_0")->isEnabled());
        QVERIFY(!Text("Value_0").isEmpty());
        Control<QCheckBox>("Chan_0")->setChecked(false);
        Control<QCheckBox>("Chan_1")->setChecked(true);
        QVERIFY(Control<QLabel>("Value_1")->isEnabled() && !Control<QLabel>("Value_0")->isEnabled());
        Control<QPushButton>("Prev")->click();
        QCOMPARE(Text("Date"), QString("09.03.26"));
        QVERIFY(Control<QPushButton>("Next")->isEnabled());
        QWidget* graph = Control<QWidget>("Graph");
        const double gymax = std::trunc(meterLog.device.Max[1]) + 1;
        QTest::mouseClick(graph, Qt::LeftButton, {}, GraphPoint(graph->rect(), 50, 10, gymax));
        QCOMPARE((QStringList{Text("Time"), Text("X")}), (QStringList{"12:30:00", "50.00"}));
        // Yesterday 12:30 is 17h30 = 70 records before today's 06:00.
        QCOMPARE(Text("Value_1"), RecordValueText(meterLog.records, 70, 1).trimmed());

        // The oldest day ends the steps back.
        Control<QPushButton>("Prev")->click();
        Control<QPushButton>("Prev")->click();
        QCOMPARE(Text("Date"), QString("07.03.26"));
        QVERIFY(!Control<QPushButton>("Prev")->isEnabled());

        // The printout is the same drawing on paper.
        const QString pdf = dir.filePath("print.pdf");
        SetPrintToPdf(pdf);
        Control<QPushButton>("Print")->click();
        SetPrintToPdf(QString());
        QVERIFY(QFileInfo(pdf).size() > 1000);

        Control<QPushButton>("Close")->click();
        QTRY_VERIFY(!Panels().loadProfile);
        QVERIFY(logger.isVisible() && status.isActive());

        // Records days apart: no graph but the message, and the status is watched again.
        meterLog.records.timeoffset = 3 * 86400;
        ScriptedMessages messages;
        MessageSink* before = SetMessageSink(&messages);
        status.stop();
        ShowProfilePanel(&logger, &meterLog, nullptr, false);
        SetMessageSink(before);
        QVERIFY(!Panels().loadProfile && status.isActive());
        QVERIFY(messages.wasShown(MessageType::Error, 3, 60));
    }

    void moduleStylesAndZoom() {
        const uint32_t newest = CalendarSecondsFromLocal({2026, 6, 2, 18, 0, 0});
        FillModuleSample(moduleLog, 23, 3 * 96, 15, newest);
        moduleLog.Shown = 1;
        QWidget logger;
        QTimer status(&logger);
        ShowProfilePanel(&logger, nullptr, &moduleLog, false);
        QVERIFY(Control<QCheckBox>("Chan_22")->isVisibleTo(Panels().loadProfile));
        QCOMPARE(Text("Date"), QString("02.06.26"));

        // The style boxes are a pair: one is always ticked.
        Control<QCheckBox>("StyleBars")->setChecked(true);
        QVERIFY(!Control<QCheckBox>("StyleLines")->isChecked());
        Control<QCheckBox>("StyleBars")->setChecked(false);
        QVERIFY(Control<QCheckBox>("StyleLines")->isChecked());

        // Zoom: cursor 3 dragged down from the top to 10 makes 0 .. 10 the y range.
        Control<QCheckBox>("Chan_0")->setChecked(true);
        const double top = ModuleYRange(moduleLog.Dev57[1], ChannelSelection{true}).gymax; // channel 0 alone
        QWidget* graph = Control<QWidget>("Graph");
        auto pixelOf = [&](double y, double ymax) { return GraphPoint(graph->rect(), 10, y, ymax); };
        QTest::mousePress(graph, Qt::LeftButton, {}, pixelOf(top, top));
        QTest::mouseMove(graph, pixelOf(10, top));
        QTest::mouseRelease(graph, Qt::LeftButton, {}, pixelOf(10, top));
        Control<QPushButton>("Zoom")->click();
        QTest::mouseClick(graph, Qt::LeftButton, {}, pixelOf(7, 10));
        QVERIFY2(std::abs(Text("Y").toDouble() - 7.0) < 0.1, qPrintable(Text("Y")));
        Control<QPushButton>("Restore")->click();
        QTest::mouseClick(graph, Qt::LeftButton, {}, pixelOf(7, 10));
        QVERIFY2(std::abs(Text("Y").toDouble() - 0.7 * top) < 0.2, qPrintable(Text("Y")));
        Control<QPushButton>("Close")->click();
        QTRY_VERIFY(!Panels().loadProfile);
        QVERIFY(!status.isActive()); // module records: no status timer to restart
    }

    void exportedPictureShowsTheRecords() {
        // One channel at 50.0 from 00:00 to 12:00, nothing after: y range 0 .. 51.
        const uint32_t noon = CalendarSecondsFromLocal({2026, 3, 10, 12, 0, 0});
        FillMeterSample(meterLog.device, meterLog.records, 1, 49, 900, noon);
        for (size_t r = 0; r < meterLog.records.size(); ++r)
            meterLog.records.set(r, 0, {50.0, Validity::Ok});
        meterLog.device.Min[0] = meterLog.device.Max[0] = 50.0;
        meterLog.deviceActive = true;
        ProfileRequest request;
        request.meterLog = &meterLog;
        request.channels[0] = true;
        const QString png = dir.filePath("day.png");
        QString error;
        QVERIFY2(RenderProfileDay(request, png, error), qPrintable(error));
        QImage image(png);
        QCOMPARE(image.size(), QSize(1200, 700));
        auto at = [&](double x, double y) { return image.pixelColor(GraphPoint(image.rect(), x, y, 51)); };
        const QColor on = at(24, 50), curve = ChannelColors()[0]; // 06:00, on the curve
        QVERIFY2(std::abs(on.red() - curve.red()) + std::abs(on.green() - curve.green()) +
                         std::abs(on.blue() - curve.blue()) < 60,
                 qPrintable(on.name()));
        QCOMPARE(at(22, 25), QColor(Qt::white));   // below it nothing
        QCOMPARE(at(70, 45), QColor(Qt::white));   // 17:30: no records yet

        QVERIFY(!RenderProfileDay(request, dir.filePath("day.bmp"), error));
    }
};

QTEST_MAIN(ProfilePanelTest)
#include "profilepanel_test.moc"
