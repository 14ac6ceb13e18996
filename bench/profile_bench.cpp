// Redrawing one day of the profile graph: 23 channels of 1 441 points (one-minute
// interval), the day's computation included, stepping through 20 days of a module log.
//   ours:   ModuleDay + DrawProfile (QPainter polylines per run) into a 1600x900 picture
//   charts: the same curves put into 23 Qt Charts line series with replace() and the
//           chart rendered into a picture of the same size
// Figures are processor milliseconds of this process.
// Run: QT_QPA_PLATFORM=offscreen build/bench/profile_bench
#include "ProfileSamples.h"

#include "platform/TimeBase.h"
#include "profiles/ProfileDraw.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kDays = 20;
const QSize kPicture(1600, 900);

// Processor time of this process: the figure stays honest on a shared, busy machine.
double Ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

ModuleLog moduleLog;

ChannelSelection All() {
    ChannelSelection sel;
    sel.fill(true);
    return sel;
}

// Milliseconds per day for kDays days, drawn by draw(day).
template <typename Draw> double PerDay(Draw draw) {
    ModuleDays days = InitModuleDays(moduleLog, moduleLog.Dev57[1]);
    const double start = Ms();
    for (int d = 0; d < kDays; ++d) {
        const ProfileDay day = ModuleDay(moduleLog, moduleLog.Dev57[1], days, All(), d == 0 ? 0 : 1);
        draw(day);
    }
    return (Ms() - start) / kDays;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const uint32_t newest = CalendarSecondsFromLocal({2026, 6, 30, 23, 59, 0});
    FillModuleSample(moduleLog, kProfChannels, kDays * 1440 + 1, 1, newest);
    const YRange range = ModuleYRange(moduleLog.Dev57[1], All());
    QImage image(kPicture, QImage::Format_RGB32);

    ProfileView view;
    view.sel = All();
    view.gxmax = 1440;
    view.gymin = range.gymin;
    view.gymax = range.gymax;
    const double ours = PerDay([&](const ProfileDay& day) {
        view.day = &day;
        QPainter p(&image);
        DrawProfile(p, QRectF(image.rect()), view);
    });

    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    chart->resize(kPicture);
    auto* ax = new QValueAxis, *ay = new QValueAxis;
    ax->setRange(0, 1440);
    ay->setRange(range.gymin, range.gymax);
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    std::vector<QLineSeries*> series;
    for (int c = 0; c < kProfChannels; ++c) {
        auto* s = new QLineSeries;
        s->setPen(QPen(ChannelColors()[size_t(c)], 2.5));
        chart->addSeries(s);
        s->attachAxis(ax);
        s->attachAxis(ay);
        series.push_back(s);
    }
    const double charts = PerDay([&](const ProfileDay& day) {
        for (int c = 0; c < kProfChannels; ++c) {
            QList<QPointF> points;
            points.reserve(day.profpoints);
            for (int i = 0; i < day.profpoints; ++i)
                if (SlotHasData(day.profy[size_t(c)][size_t(i)])) points.append(QPointF(i, day.profy[size_t(c)][size_t(i)]));
            series[size_t(c)]->replace(points);
        }
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        scene.render(&p, QRectF(image.rect()), QRectF(QPointF(0, 0), QSizeF(kPicture)));
    });
    std::printf("profile day, 23 x 1441 points: %.2f ms per day (goal <= 16), Qt Charts replace %.2f ms, "
                "ratio %.2f\n",
                ours, charts, ours / charts);
    return 0;
}
