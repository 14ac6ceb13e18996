#include "profiles/ProfileDraw.h"

#include "platform/Messages.h"
#include "platform/ProgramFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

const std::array<QColor, kProfChannels>& ChannelColors() {
    // Distinct on white and in print; neighbours differ in hue and in brightness.
    static const std::array<QColor, kProfChannels> colors = {
        QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0x7f, 0x0e),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
        QColor(0xbc, 0xbd, 0x22), QColor(0x17, 0xbe, 0xcf), QColor(0x00, 0x00, 0x80), QColor(0x80, 0x00, 0x00),
        QColor(0x00, 0x64, 0x00), QColor(0xb8, 0x86, 0x0b), QColor(0x4b, 0x00, 0x82), QColor(0xff, 0x14, 0x93),
        QColor(0x2f, 0x4f, 0x4f), QColor(0x00, 0x80, 0x80), QColor(0xa0, 0x52, 0x2d), QColor(0x6b, 0x8e, 0x23),
        QColor(0x48, 0x3d, 0x8b), QColor(0xcd, 0x5c, 0x5c), QColor(0x00, 0x00, 0x00)};
    return colors;
}

namespace {

constexpr double kLeft = 64, kRight = 130, kTop = 30, kBottom = 34;

struct Scale {
    QRectF plot;
    double gxmin, gxmax, gymin, gymax;
    double X(double x) const { return plot.left() + (x - gxmin) / (gxmax - gxmin) * plot.width(); }
    double Y(double y) const { return plot.bottom() - (y - gymin) / (gymax - gymin) * plot.height(); }
};

// A step of 1, 2 or 5 times a power of ten giving six to ten grid lines.
double GridStep(double span) {
    const double raw = span / 8.0;
    const double p = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * p >= raw) return m * p;
    return 10.0 * p;
}

void DrawAxes(QPainter& p, const Scale& s, const ProfileView& v) {
    p.setPen(QPen(QColor(225, 225, 225), 0));
    const double step = GridStep(s.gymax - s.gymin);
    QList<double> ticks;
    for (double y = std::ceil(s.gymin / step) * step; y <= s.gymax + step * 1e-9; y += step) ticks << y;
    for (double y : ticks) p.drawLine(QPointF(s.plot.left(), s.Y(y)), QPointF(s.plot.right(), s.Y(y)));
    const auto hours = HourLabelPositions(v.day->profpoints);
    for (double x : hours)
        if (x >= s.gxmin && x <= s.gxmax) p.drawLine(QPointF(s.X(x), s.plot.top()), QPointF(s.X(x), s.plot.bottom()));
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(s.plot);
    if (s.gymin < 0 && s.gymax > 0) p.drawLine(QPointF(s.plot.left(), s.Y(0)), QPointF(s.plot.right(), s.Y(0)));
    const QFontMetricsF fm(p.font());
    for (double y : ticks) {
        const QString t = v.locale.toString(std::abs(y) < step * 1e-9 ? 0.0 : y, 'g', 6);
        p.drawText(QRectF(0, s.Y(y) - fm.height() / 2, kLeft - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter, t);
    }
    for (int k = 0; k < 7; ++k) {
        const double x = hours[size_t(k)];
        if (x < s.gxmin || x > s.gxmax) continue;
        p.drawText(QRectF(s.X(x) - 30, s.plot.bottom() + 4, 60, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   HourLabel(k));
    }
    // The units at the left; the date over the middle of the plot, or at the right end
    // when the units need the room.
    const QString caption = AxisCaption(v);
    const double dateWidth = fm.horizontalAdvance(v.day->date) + 2;
    QRectF date(s.plot.center().x() - dateWidth / 2, 4, dateWidth, kTop - 8);
    if (date.left() < 4 + fm.horizontalAdvance(caption) + 12) date.moveRight(s.plot.right() + kRight - 4);
    const double captionWidth = std::max(0.0, date.left() - 12 - 4);
    p.drawText(QRectF(4, 4, captionWidth, kTop - 8), Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(caption, Qt::ElideRight, captionWidth));
    p.drawText(date, Qt::AlignCenter, v.day->date);
}

// A thick line as three thin lines, on and either side of the curve: the painter draws thin lines
// several times faster than it strokes a wide pen, and a day of 23 curves must redraw
// within a frame.
void DrawThickRun(QPainter& p, const QPolygonF& pts) {
    if (pts.size() == 1) {
        p.save();
        p.setPen(QPen(p.pen().color(), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(pts[0]);
        p.restore();
        return;
    }
    constexpr double kHalf = 0.8;
    QPolygonF upper(pts.size()), lower(pts.size());
    for (qsizetype i = 0; i < pts.size(); ++i) {
        const QPointF d = pts[std::min(i + 1, pts.size() - 1)] - pts[std::max<qsizetype>(i - 1, 0)];
        const double len = std::hypot(d.x(), d.y());
        const QPointF n = len > 0 ? QPointF(-d.y() / len * kHalf, d.x() / len * kHalf) : QPointF(0, kHalf);
        upper[i] = pts[i] + n;
        lower[i] = pts[i] - n;
    }
    p.drawPolyline(pts);
    p.drawPolyline(upper);
    p.drawPolyline(lower);
}

void DrawCurve(QPainter& p, const Scale& s, const std::vector<double>& y, const QColor& color, int style) {
    const double zero = s.Y(0.0);
    if (style == kStyleBars) {
        const double slot = s.plot.width() / (s.gxmax - s.gxmin);
        p.setPen(QPen(color, std::max(1.0, 0.8 * slot), Qt::SolidLine, Qt::FlatCap));
    } else {
        p.setPen(QPen(color, 1.0));
    }
    for (SlotRun run : DataRuns(y)) {
        if (style == kStyleBars) {
            QPainterPath bars;
            for (int i = run.begin; i < run.end; ++i) {
                bars.moveTo(s.X(i), zero);
                bars.lineTo(s.X(i), s.Y(y[size_t(i)]));
            }
            p.drawPath(bars);
            continue;
        }
        QPolygonF pts;
        pts.reserve(run.end - run.begin);
        for (int i = run.begin; i < run.end; ++i) pts.append(QPointF(s.X(i), s.Y(y[size_t(i)])));
        DrawThickRun(p, pts);
    }
}

void DrawLegend(QPainter& p, const QRectF& picture, const ProfileView& v) {
    const QFontMetricsF fm(p.font());
    double y = kTop;
    for (int c = 0; c < kProfChannels; ++c) {
        if (!v.sel[size_t(c)]) continue;
        const QRectF swatch(picture.right() - kRight + 10, y + 3, 14, fm.height() - 6);
        p.fillRect(swatch, ChannelColors()[size_t(c)]);
        p.setPen(Qt::black);
        p.drawText(QRectF(swatch.right() + 5, y, kRight - 32, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(v.names[size_t(c)], Qt::ElideRight, kRight - 32));
        y += fm.height() + 2;
        if (v.style == kStyleBars) break; // bars show the first selected channel only
    }
}

void DrawCursors(QPainter& p, const Scale& s, const ProfileCursors& c) {
    p.setPen(QPen(QColor(90, 90, 90), 0, Qt::DashLine));
    for (double y : {c.y1, c.y3}) p.drawLine(QPointF(s.plot.left(), s.Y(y)), QPointF(s.plot.right(), s.Y(y)));
    p.setPen(QPen(Qt::black, 0));
    const QPointF at(s.X(c.x2), s.Y(c.y2));
    p.drawLine(QPointF(at.x(), s.plot.top()), QPointF(at.x(), s.plot.bottom()));
    p.drawLine(QPointF(s.plot.left(), at.y()), QPointF(s.plot.right(), at.y()));
    p.drawRect(QRectF(at.x() - 3, at.y() - 3, 6, 6));
}

} // namespace

QString AxisCaption(const ProfileView& view) {
    QStringList units;
    for (int c = 0; c < kProfChannels; ++c) {
        if (!view.sel[size_t(c)]) continue;
        const QString& unit = view.units[size_t(c)];
        if (!unit.isEmpty() && !units.contains(unit)) units << unit;
        if (view.style == kStyleBars) break; // bars show the first selected channel only
    }
    return units.join(", ");
}

QRectF PlotArea(const QRectF& picture) {
    return picture.adjusted(kLeft, kTop, -kRight, -kBottom);
}

void DrawProfile(QPainter& p, const QRectF& picture, const ProfileView& v) {
    p.save();
    p.fillRect(picture, Qt::white);
    if (!v.day) return p.restore();
    // Sizes in picture units, so that screen, PNG, PDF and paper look alike.
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setRenderHint(QPainter::Antialiasing, true);
    const Scale s{PlotArea(picture), v.gxmin, v.gxmax, v.gymin, v.gymax > v.gymin ? v.gymax : v.gymin + 1.0};
    DrawAxes(p, s, v);
    p.setClipRect(s.plot);
    bool first = true;
    for (int c = 0; c < kProfChannels; ++c) {
        if (!v.sel[size_t(c)] || (v.style == kStyleBars && !first)) continue;
        DrawCurve(p, s, v.day->profy[size_t(c)], ChannelColors()[size_t(c)], v.style);
        first = false;
    }
    if (v.cursors) DrawCursors(p, s, *v.cursors);
    p.setClipping(false);
    DrawLegend(p, picture, v);
    p.restore();
}

// ---- Pictures without the panel ------------------------------------------------------

namespace {

const LogSequence& RequestedSequence(const ProfileRequest& request) {
    const ModuleLog& log = *request.moduleLog;
    const int32_t s = request.sequence > 0 ? request.sequence : log.Shown;
    return log.Dev57[size_t(std::clamp(s, 0, kMaxSequences))];
}

} // namespace

ProfileDay RequestedDay(const ProfileRequest& request, ProfileView& view) {
    ProfileDay day;
    YRange range;
    if (request.moduleLog) {
        const LogSequence& seq = RequestedSequence(request);
        ModuleDays days = InitModuleDays(*request.moduleLog, seq);
        days.day_nr = std::max(0, request.day);
        day = ModuleDay(*request.moduleLog, seq, days, request.channels, 0);
        range = ModuleYRange(seq, request.channels);
        view.names = seq.Names;
        view.units = seq.Units;
    } else {
        const LoggerRecords& records = request.meterLog->records;
        const LogSource& source = request.meterLog->source();
        const MeterDays days = InitMeterDays(records);
        day = MeterDay(records, days, request.channels, std::clamp(request.day, 0, days.lastday_nr));
        range = MeterYRange(source, request.channels);
        std::copy(source.ChanName.begin(), source.ChanName.end(), view.names.begin());
        std::copy(source.ChanUnit.begin(), source.ChanUnit.end(), view.units.begin());
    }
    view.sel = request.channels;
    view.style = request.style;
    view.gxmin = 0.0;
    view.gxmax = day.profpoints - 1;
    view.gymin = range.any ? range.gymin : 0.0;
    view.gymax = range.any ? range.gymax : 100.0;
    return day;
}

bool RenderProfileDay(const ProfileRequest& request, const QString& outPath, QString& error) {
    const QSize size = request.size.isValid() ? request.size : QSize(1200, 700);
    if (size.width() < kSmallestPicture.width() || size.height() < kSmallestPicture.height() ||
        size.width() > kLargestPicture.width() || size.height() > kLargestPicture.height()) {
        error = QCoreApplication::translate("ProfileGraph", "The picture size must lie between 320x200 and 10000x10000.");
        return false;
    }
    if (!IntervalFitsDay(request.moduleLog ? ModuleIntervalSeconds(RequestedSequence(request))
                                           : request.meterLog->records.timeoffset)) {
        Error(kIntervalTooLongKind, kIntervalTooLongNumber);
        error.clear();
        return false;
    }
    ProfileView view;
    const ProfileDay day = RequestedDay(request, view);
    view.day = &day;
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "pdf") {
        QPdfWriter writer(&buffer);
        writer.setResolution(96); // one painter unit is one pixel of the PNG
        writer.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        DrawProfile(painter, QRectF(QPointF(0, 0), QSizeF(size)), view);
    } else if (suffix == "png") {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        DrawProfile(painter, QRectF(image.rect()), view);
        painter.end();
        image.save(&buffer, "PNG");
    } else {
        error = QCoreApplication::translate("ProfileGraph", "The picture file must end in .png or .pdf.");
        return false;
    }
    buffer.close();
    FileFault fault = FileFault::None;
    if (!WriteFileAtomically(outPath.toStdString(), bytes, &fault)) {
        error = QCoreApplication::translate("ProfileGraph", "%1 could not be written.").arg(outPath) + ' ' +
                QCoreApplication::translate("Messages", WriteFaultPhrase(fault));
        return false;
    }
    return true;
}
