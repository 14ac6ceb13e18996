#include "commissioning/CommissioningRecord.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "acquisition/MinMaxDecode.h"
#include "config/ConfigSettings.h"
#include "config/ConfigTransfer.h"
#include "link/CommKind.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTime>
#include <algorithm>
#include <cstring>
#include <functional>
#include <utility>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("CommissioningRecord", text);
}

QString ReportedModelText() {
    return QString::fromLatin1(ReportedModel(), qsizetype(qstrnlen(ReportedModel(), sizeof ReportedModel())));
}

QString PlaceOf(const Connection& c) {
    if (c.kind == kGateway)
        return QString::fromStdString(GatewayAddress(c.gatewayIndex)) + ':' +
               QString::number(c.gatewayTcpPort);
    if (c.kind == kModule)
        return QString::fromStdString(ModuleAddress(c.moduleIndex)) + ':' + QString::number(c.moduleTcpPort);
    return QString::fromStdString(CommDevicePath());
}

// The configuration as the compare-before-send table takes the meter's: ratios in the
// form the meter keeps them.
ConfigImage AsMeterHoldsIt(MeterSession& session) {
    ConfigImage c = MeterConfiguration(session);
    SetupInputData(&c);
    RestoreInputData(&c);
    return c;
}

// The reads after the configuration's, with the progress shown as they go.
bool ReadValues(MeterSession& session, CommissioningRecord& out) {
    const DisplayScale scale = DisplayScaleFor(session.read);
    TransferWindow(0, 0, 0);
    const auto done = [](int percent, bool ok) {
        TransferWindow(ok && percent < 100 ? 2 : 1, percent, 0);
        return ok;
    };
    if (!done(10, Read(session.read, MeasRequest(session), 1))) return false;
    for (int r = 0; r < MeasRowCount(session); ++r)
        if (MeasRowVisible(session, r, scale))
            out.instantaneous.push_back(
                {QString::fromLatin1(MeasCaption(session, r)), "Measurands", MeasurandValue(session, r)});
    InstallationSnapshot snapshot;
    if (!done(60, ReadInstallationSnapshot(session, snapshot, 1))) return false;
    out.findings = CheckInstallation(snapshot);
    if (!done(80, ReadMeterScaling(session, out.energyScaling) && Read(session.read, kReadMeters, 1)))
        return false;
    for (int r = 0; r < kMeterRows; ++r)
        out.energy.push_back({MeterQuantityName(session, r), r % 2 == 0 ? 1 : 2, MeterCount(r)});
    if (!done(100, Read(session.read, MinMaxRequest(session), 1))) return false;
    for (int r = 0; r < MinMaxRowCount(session); ++r)
        if (MinMaxRowVisible(session, r, scale))
            out.minMax.push_back({MinMaxCaption(session, r), nullptr, MinMaxValue(session, r)});
    return true;
}

// ---- Drawing. Everything is laid out in points (1/72 inch) on the page. ----

constexpr double kMargin = 50.0;
constexpr double kRowPadding = 2.5;
constexpr double kLightRadius = 3.5;
constexpr double kLightWidth = 12.0; // of the first cell, before the verdict word
constexpr double kNoteMinimum = 70.0;
constexpr double kSignatureHeight = 60.0;

using DrawAt = std::function<void(QPainter&, double y)>;

struct Block {
    Block(double h, DrawAt d, bool keep = false) : height(h), draw(std::move(d)), keepWithNext(keep) {}
    double height;
    DrawAt draw;
    bool keepWithNext;
    int header = -1; // the table head repeated above the block when it starts a page
};

struct Cell {
    Cell(QString t, Qt::Alignment a = Qt::AlignLeft) : text(std::move(t)), align(a) {}
    QString text;
    Qt::Alignment align;
};

class RecordLayout {
  public:
    RecordLayout(const QPaintDevice* device, double width) : device_(device), width_(width) {
        body_.setPixelSize(9);
        bold_ = body_;
        bold_.setBold(true);
        section_ = bold_;
        section_.setPixelSize(12);
        title_ = bold_;
        title_.setPixelSize(18);
    }

    // Height of text in width; drawn with its top left at (x, y) when painter is given.
    double Flow(QPainter* painter, const QFont& font, const QString& text, double width, double x, double y,
                Qt::Alignment align = Qt::AlignLeft) const {
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator))
            .replace('\n', QChar::LineSeparator);
        QTextLayout layout(shown, font, device_);
        QTextOption option(align);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        double height = 0.0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0.0, height));
            height += line.height();
        }
        layout.endLayout();
        if (painter) layout.draw(painter, QPointF(x, y));
        return std::max(height, QFontMetricsF(font, device_).height());
    }

    // The lines text breaks into in width.
    QStringList Lines(const QFont& font, const QString& text, double width) const {
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator))
            .replace('\n', QChar::LineSeparator);
        QTextLayout layout(shown, font, device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString piece = shown.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QChar::LineSeparator))
                piece.chop(1);
            lines << piece;
        }
        layout.endLayout();
        return lines;
    }

    void Title(const QString& text) {
        const double h = Flow(nullptr, title_, text, width_, 0, 0) + 10.0;
        blocks.push_back({h, [this, text](QPainter& p, double y) { Flow(&p, title_, text, width_, 0, y); }});
    }

    void Section(const QString& text) {
        const double h = Flow(nullptr, section_, text, width_, 0, 0) + 10.0;
        blocks.push_back({h,
                          [this, text, h](QPainter& p, double y) {
                              Flow(&p, section_, text, width_, 0, y + 6.0);
                              p.drawLine(QPointF(0, y + h - 1.0), QPointF(width_, y + h - 1.0));
                          },
                          true});
    }

    // Label and value side by side, the value wrapping.
    void Field(const QString& label, const QString& value) {
        constexpr double kLabelWidth = 130.0;
        const double h = std::max(Flow(nullptr, bold_, label, kLabelWidth - 6.0, 0, 0),
                                  Flow(nullptr, body_, value, width_ - kLabelWidth, 0, 0)) +
                         2 * kRowPadding;
        blocks.push_back({h, [this, label, value](QPainter& p, double y) {
                              Flow(&p, bold_, label, kLabelWidth - 6.0, 0, y + kRowPadding);
                              Flow(&p, body_, value, width_ - kLabelWidth, kLabelWidth, y + kRowPadding);
                          }});
    }

    // A table of columns (shares of the width); a row never breaks across pages, and
    // the head is repeated above the rows a new page continues with. lights[i] >= 0
    // puts the traffic light of that verdict before the first cell of row i.
    void Table(const std::vector<double>& shares, const std::vector<Cell>& head,
               const std::vector<std::vector<Cell>>& rows, const std::vector<int>& lights = {}) {
        std::vector<double> widths;
        for (double s : shares)
            widths.push_back(s * width_);
        const int headIndex = int(blocks.size());
        Row(widths, head, bold_, -1, true, -1);
        blocks.back().keepWithNext = true;
        for (size_t i = 0; i < rows.size(); ++i)
            Row(widths, rows[i], body_, i < lights.size() ? lights[i] : -1, false, headIndex);
    }

    // The note's box, a block a line: a note longer than a page runs on over the next
    // instead of being cut off at the foot of the page.
    void NoteBox(const QString& note) {
        const double inner = width_ - 8.0, padding = 4.0;
        const double lineHeight = QFontMetricsF(body_, device_).height();
        QStringList lines = Lines(body_, note, inner);
        while (double(lines.size()) * lineHeight + 2 * padding < kNoteMinimum)
            lines << QString();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const bool first = i == 0, last = i + 1 == lines.size();
            const double top = first ? padding : 0.0;
            const double h = top + lineHeight + (last ? padding : 0.0);
            blocks.push_back({h, [this, line = lines[i], first, last, top, h, inner](QPainter& p, double y) {
                                  p.drawLine(QPointF(0, y), QPointF(0, y + h));
                                  p.drawLine(QPointF(width_, y), QPointF(width_, y + h));
                                  if (first) p.drawLine(QPointF(0, y), QPointF(width_, y));
                                  if (last) p.drawLine(QPointF(0, y + h), QPointF(width_, y + h));
                                  Flow(&p, body_, line, inner, 4.0, y + top);
                              }});
        }
    }

    void Signatures(const QStringList& captions) {
        blocks.push_back({kSignatureHeight, [this, captions](QPainter& p, double y) {
                              const double gap = 20.0;
                              const double w =
                                  (width_ - gap * double(captions.size() - 1)) / double(captions.size());
                              for (int i = 0; i < captions.size(); ++i) {
                                  const double x = double(i) * (w + gap);
                                  const double line = y + kSignatureHeight - 16.0;
                                  p.drawLine(QPointF(x, line), QPointF(x + w, line));
                                  Flow(&p, body_, captions[i], w, x, line + 2.0);
                              }
                          }});
    }

    const QFont& body() const { return body_; }
    std::vector<Block> blocks;

  private:
    void Row(const std::vector<double>& widths, const std::vector<Cell>& cells, const QFont& font, int light,
             bool head, int headIndex) {
        double h = 0.0;
        for (size_t c = 0; c < cells.size(); ++c)
            h = std::max(h, Flow(nullptr, font, cells[c].text, CellWidth(widths, c, light), 0, 0));
        h += 2 * kRowPadding;
        Block block{h, [this, widths, cells, font, light, head, h](QPainter& p, double y) {
                        double x = 0.0;
                        for (size_t c = 0; c < cells.size(); ++c) {
                            double textX = x + 2.0;
                            if (c == 0 && light >= 0) {
                                // Beside the verdict word, on the row's first line.
                                const double middle =
                                    y + kRowPadding + QFontMetricsF(font, device_).height() / 2;
                                DrawLight(p, QPointF(x + 2.0 + kLightRadius, middle), Verdict(light));
                                textX += kLightWidth;
                            }
                            Flow(&p, font, cells[c].text, CellWidth(widths, c, light), textX, y + kRowPadding,
                                 cells[c].align);
                            x += widths[c];
                        }
                        const QPen pen = p.pen();
                        p.setPen(QPen(head ? Qt::black : Qt::lightGray, head ? 0.8 : 0.4));
                        p.drawLine(QPointF(0, y + h), QPointF(width_, y + h));
                        p.setPen(pen);
                    }};
        block.header = headIndex;
        blocks.push_back(block);
    }

    static double CellWidth(const std::vector<double>& widths, size_t c, int light) {
        return widths[c] - 6.0 - (c == 0 && light >= 0 ? kLightWidth : 0.0);
    }

    static void DrawLight(QPainter& p, QPointF centre, Verdict verdict) {
        static const QColor colours[] = {QColor(0x2e, 0x9d, 0x44), QColor(0xe8, 0xa2, 0x00),
                                         QColor(0xd0, 0x30, 0x2a)};
        p.save();
        p.setPen(QPen(Qt::black, 0.4));
        p.setBrush(colours[int(verdict)]);
        p.drawEllipse(centre, kLightRadius, kLightRadius);
        p.restore();
    }

    const QPaintDevice* device_;
    double width_;
    QFont body_, bold_, section_, title_;
};

QString KindName(int kind) {
    switch (kind) {
    case kRS485:
        return QStringLiteral("RS-485");
    case kGateway:
        return Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Gateway"));
    case kModule:
        return Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "LANMOD57 module"));
    default:
        return QStringLiteral("RS-232");
    }
}

// The panels' units without the brackets they put around powers.
QString UnitText(const DisplayScale& scale, Quantity quantity) {
    QString unit = scale.Unit(quantity);
    return unit.remove('[').remove(']');
}

QString Caption(const CommissioningRecord::Reading& r) {
    return r.context ? QCoreApplication::translate(r.context, qPrintable(r.caption)) : r.caption;
}

void AddValueTable(RecordLayout& layout, const std::vector<CommissioningRecord::Reading>& readings,
                   const DisplayScale& scale) {
    std::vector<std::vector<Cell>> rows;
    for (const auto& r : readings)
        rows.push_back(
            {{Caption(r)}, {scale.FieldText(r.value), Qt::AlignRight}, {UnitText(scale, r.value.quantity)}});
    layout.Table({0.4, 0.3, 0.3},
                 {{Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Measurand"))},
                  {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Reading")), Qt::AlignRight},
                  {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Unit"))}},
                 rows);
}

void LayOut(const CommissioningRecord& record, RecordLayout& layout, const QLocale& locale) {
    layout.Title(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Commissioning record")));
    const LocalTime& t = record.madeAt;
    const QDate date(int(t.year), int(t.month), int(t.day));
    const QTime time(int(t.hour), int(t.minute));
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Site")), record.details.site);
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Technician")), record.details.technician);
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Date and time")),
                 locale.toString(date, QLocale::LongFormat) + ", " +
                     locale.toString(time, QLocale::ShortFormat));

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Meter")));
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Model")), record.model);
    QString firmware = VersionText(record.firmware);
    if (record.extension)
        firmware = Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "%1, extension %2"))
                       .arg(firmware, VersionText(record.extension));
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Firmware version")), firmware);
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Interface")),
                 KindName(record.interfaceKind) + ", " + record.place);
    if (record.address)
        layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Address")),
                     QString::number(record.address));
    char description[sizeof record.config.Description + 1] = {};
    std::memcpy(description, record.config.Description, sizeof record.config.Description);
    layout.Field(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Description")),
                 QString::fromLatin1(description));

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Installation check")));
    if (record.findings.empty()) {
        layout.Field(QString(),
                     Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "No check applies to this meter.")));
    } else {
        std::vector<std::vector<Cell>> findings;
        std::vector<int> lights;
        for (const InstallationFinding& f : record.findings) {
            findings.push_back({{VerdictText(f.verdict)}, {CheckTitle(f.kind)}, {FindingSentence(f)}});
            lights.push_back(int(f.verdict));
        }
        layout.Table({0.17, 0.25, 0.58},
                     {{Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Verdict"))},
                      {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Check"))},
                      {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Finding"))}},
                     findings, lights);
    }

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Settings")));
    std::vector<std::vector<Cell>> settings;
    for (const ConfigSetting& s : AllConfigSettings())
        if (!s.extendedOnly || record.config.Model == 1)
            settings.push_back({{SettingName(s)}, {SettingValue(s, record.config, locale)}});
    layout.Table({0.5, 0.5},
                 {{Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Setting"))},
                  {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Value"))}},
                 settings);

    DisplayScale scale = DisplayScaleFor(record.config);
    scale.SetLocale(locale);
    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Instantaneous values")));
    AddValueTable(layout, record.instantaneous, scale);

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Energy registers")));
    std::vector<std::vector<Cell>> energy;
    QLocale counts = locale; // as the meters panel shows a register: no thousands separators
    counts.setNumberOptions(QLocale::OmitGroupSeparator);
    for (size_t r = 0; r < record.energy.size(); ++r) {
        const auto& e = record.energy[r];
        energy.push_back(
            {{QCoreApplication::translate("MeterDisp", e.quantity) + " T" + QString::number(e.tariff)},
             {counts.toString(MeterShownValue(e.count, record.energyScaling), 'f',
                              record.energyScaling.decimals),
              Qt::AlignRight},
             {QString::fromLatin1(MeterUnit(int(r), record.energyScaling.prefix))}});
    }
    layout.Table({0.4, 0.3, 0.3},
                 {{Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Register"))},
                  {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Reading")), Qt::AlignRight},
                  {Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Unit"))}},
                 energy);

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Minimum and maximum values")));
    AddValueTable(layout, record.minMax, scale);

    layout.Section(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Note")));
    layout.NoteBox(record.details.note);
    layout.Signatures({Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Technician")),
                       Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Customer")),
                       Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Date"))});
}

struct Placed {
    int block;
    double y;
};

// Blocks onto pages: a block, with those it keeps with, goes whole onto the next page
// when it does not fit; a table row that starts a page gets its table's head above it.
std::vector<std::vector<Placed>> Paginate(const std::vector<Block>& blocks, double height) {
    std::vector<std::vector<Placed>> pages(1);
    double y = 0.0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        double need = blocks[i].height;
        for (size_t k = i; k + 1 < blocks.size() && blocks[k].keepWithNext; ++k)
            need += blocks[k + 1].height;
        if (y + need > height && y > 0.0) {
            pages.emplace_back();
            y = 0.0;
            if (blocks[i].header >= 0) {
                pages.back().push_back({blocks[i].header, y});
                y += blocks[size_t(blocks[i].header)].height;
            }
        }
        pages.back().push_back({int(i), y});
        y += blocks[i].height;
    }
    return pages;
}

} // namespace

bool ReadCommissioningRecord(MeterSession& session, const RecordDetails& details, CommissioningRecord& out) {
    out = CommissioningRecord{};
    out.details = details;
    out.madeAt = LocalNow();
    // The configuration's read asks for the versions and the model name too.
    if (!OpenAcquisition(session)) return false;
    out.model = ReportedModelText();
    out.firmware = session.read.FwVersion;
    out.extension = session.read.ExtVersion;
    const Connection& c = session.connection;
    out.interfaceKind = c.kind;
    out.place = PlaceOf(c);
    out.address = IsAddressedKind(c.kind) ? MeterAddressInUse(c) : 0;
    out.config = AsMeterHoldsIt(session);
    const bool read = ReadValues(session, out);
    CloseInterface();
    return read;
}

bool DrawCommissioningRecord(const CommissioningRecord& record, QPagedPaintDevice& device,
                             const QLocale& locale) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double points = device.logicalDpiX() / 72.0;
    const QRect viewport = painter.viewport();
    const double pageWidth = viewport.width() / points, pageHeight = viewport.height() / points;
    const double width = pageWidth - 2 * kMargin;
    const double footer = 20.0;
    RecordLayout layout(&device, width);
    LayOut(record, layout, locale);
    const auto pages = Paginate(layout.blocks, pageHeight - 2 * kMargin - footer);
    for (size_t n = 0; n < pages.size(); ++n) {
        if (n > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(points, points);
        painter.translate(kMargin, kMargin);
        painter.setPen(QPen(Qt::black, 0.6));
        for (const Placed& placed : pages[n])
            layout.blocks[size_t(placed.block)].draw(painter, placed.y);
        const QString page =
            Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Page %1 of %2")).arg(n + 1).arg(pages.size());
        layout.Flow(&painter, layout.body(), page, width, 0,
                    pageHeight - 2 * kMargin - layout.Flow(nullptr, layout.body(), page, width, 0, 0),
                    Qt::AlignRight);
        painter.restore();
    }
    return painter.end();
}

QByteArray CommissioningRecordPdf(const CommissioningRecord& record, const QLocale& locale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(Tr(QT_TRANSLATE_NOOP("CommissioningRecord", "Commissioning record")));
        writer.setCreator(QStringLiteral("ZARO"));
        if (!DrawCommissioningRecord(record, writer, locale)) return {};
    }
    buffer.close();
    return bytes;
}

bool WriteCommissioningRecord(const CommissioningRecord& record, const std::string& path,
                              const QLocale& locale) {
    const QByteArray pdf = CommissioningRecordPdf(record, locale);
    FileFault fault = FileFault::WriteFailed;
    if (!pdf.isEmpty() && WriteFileAtomically(path, pdf, &fault)) return true;
    Error(kRecordNotWrittenKind, kRecordNotWrittenNumber, WriteFaultPhrase(fault));
    return false;
}
