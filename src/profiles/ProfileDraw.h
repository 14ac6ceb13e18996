// The profile graph's one drawing, used by the panel, its printout and the picture
// export: axes with hour labels, the curves as one path per run of data, the legend,
// and on screen the three cursors.
#pragma once

#include "profiles/ProfileDay.h"

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>

class QPainter;

// The channel colours: every curve has the colour of its channel box.
const std::array<QColor, kProfChannels>& ChannelColors();

constexpr int kStyleBars = 0;  // the first selected channel as bars from the zero line
constexpr int kStyleLines = 1; // every selected channel as a thick line

struct ProfileCursors {
    double y1 = 0.0, y3 = 0.0; // the zoom band
    double x2 = 0.0, y2 = 0.0; // the measuring cursor
};

struct ProfileView {
    const ProfileDay* day = nullptr;
    ChannelSelection sel{};
    int style = kStyleLines;
    std::array<QString, kProfChannels> names; // legend texts
    std::array<QString, kProfChannels> units; // of each channel
    double gxmin = 0.0, gxmax = 96.0, gymin = 0.0, gymax = 100.0;
    const ProfileCursors* cursors = nullptr;  // screen only
    QLocale locale = QLocale::c();            // how the axis writes its numbers
};

// The y axis' caption: each unit of the curves drawn, once, in channel order.
QString AxisCaption(const ProfileView& view);

// The part of the picture that holds the curves; the rest carries axes and legend.
QRectF PlotArea(const QRectF& picture);
void DrawProfile(QPainter& painter, const QRectF& picture, const ProfileView& view);

// ---- Pictures without the panel ------------------------------------------------------

// A day of logged records: the meter logger's active source or a sequence of a module log.
struct ProfileRequest {
    const MeterLog* meterLog = nullptr; // the records drawn: exactly one of the two is set
    const ModuleLog* moduleLog = nullptr;
    int32_t day = 0;       // 0 = the day of the newest record; an empty day gives the next older one
    ChannelSelection channels{};
    int32_t sequence = 0; // module log: 0 = the shown one (moduleLog->Shown)
    int style = kStyleLines;
    QSize size{1200, 700}; // pixels; a PDF page of the same proportions
};
// The pictures that leave room for axes, legend and curves, and no more than that.
constexpr QSize kSmallestPicture{320, 200};
constexpr QSize kLargestPicture{10000, 10000};

// The curves of the day the request names, and the view that draws them.
ProfileDay RequestedDay(const ProfileRequest& request, ProfileView& view);

// Draws the requested day into outPath (.png or .pdf). Needs a QGuiApplication (offscreen
// is enough). False with a reason in error when it cannot; records further apart than a
// day (IntervalFitsDay) are refused with message 3/60 and an empty error.
bool RenderProfileDay(const ProfileRequest& request, const QString& outPath, QString& error);
