// Draws the risk report's chart with Qt's painting: the same paint code onto an SVG generator
// or onto an image for PNG.
#include "chart/chart_writer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "base/file_io.h"
#include "chart/chart_style.h"

namespace corvane {

namespace {

using chart_style::kHeight;
using chart_style::kWidth;

// Round numbers for an axis from low to high: about `wanted` steps of 1, 2 or 5 times a power
// of ten.
std::vector<double> ticks(double low, double high, int wanted) {
    const double span = high - low;
    const double raw = span / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double f : {1.0, 2.0, 5.0, 10.0}) {
        if (f * power >= raw) {
            step = f * power;
            break;
        }
    }
    std::vector<double> out;
    for (double t = std::ceil(low / step) * step; t <= high + step * 1e-9; t += step) {
        out.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
    }
    return out;
}

QString number(double value) {
    QString text = QString::number(value, 'g', 10);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// A plot area and the values its edges stand for.
struct Frame {
    QRectF area;
    double x_low, x_high, y_low, y_high;

    QPointF at(double x, double y) const {
        return {area.left() + (x - x_low) / (x_high - x_low) * area.width(),
                area.bottom() - (y - y_low) / (y_high - y_low) * area.height()};
    }
};

void axes(QPainter& p, const Frame& f, const QString& x_title, const QString& y_title) {
    p.setFont(chart_style::font(11));
    p.setPen(QPen(chart_style::kGrid, 1));
    for (double y : ticks(f.y_low, f.y_high, 6)) {
        const QPointF left = f.at(f.x_low, y);
        p.setPen(QPen(y == 0 ? chart_style::kZeroLine : chart_style::kGrid, 1));
        p.drawLine(left, QPointF(f.area.right(), left.y()));
        p.setPen(chart_style::kText);
        p.drawText(QRectF(0, left.y() - 8, f.area.left() - 6, 16),
                   Qt::AlignRight | Qt::AlignVCenter, number(y));
    }
    for (double x : ticks(f.x_low, f.x_high, 8)) {
        const QPointF bottom = f.at(x, f.y_low);
        p.setPen(QPen(chart_style::kGrid, 1));
        p.drawLine(bottom, bottom + QPointF(0, 4));
        p.setPen(chart_style::kText);
        p.drawText(QRectF(bottom.x() - 40, bottom.y() + 5, 80, 16), Qt::AlignCenter, number(x));
    }
    p.setPen(QPen(chart_style::kText, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.area);
    p.drawText(QRectF(f.area.left(), f.area.bottom() + 22, f.area.width(), 16), Qt::AlignCenter,
               x_title);
    p.save();
    p.translate(14, f.area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-f.area.height() / 2, -8, f.area.height(), 16), Qt::AlignCenter, y_title);
    p.restore();
}

// The band between two percentile lines, filled.
void band(QPainter& p, const Frame& f, const std::vector<double>& x, const std::vector<double>& low,
          const std::vector<double>& high, const QColor& colour) {
    QPainterPath path;
    path.moveTo(f.at(x.front(), high.front()));
    for (std::size_t j = 1; j < x.size(); ++j) {
        path.lineTo(f.at(x[j], high[j]));
    }
    for (std::size_t j = x.size(); j-- > 0;) {
        path.lineTo(f.at(x[j], low[j]));
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void line(QPainter& p, const Frame& f, const std::vector<double>& x, const std::vector<double>& y,
          const QPen& pen) {
    QPainterPath path;
    path.moveTo(f.at(x.front(), y.front()));
    for (std::size_t j = 1; j < x.size(); ++j) {
        path.lineTo(f.at(x[j], y[j]));
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void legend(QPainter& p, QPointF at) {
    struct Entry {
        QColor colour;
        bool filled;
        Qt::PenStyle style;
        const char* text;
    };
    const Entry entries[] = {
        {chart_style::kOuterBand, true, Qt::SolidLine, "5-95 % of sessions"},
        {chart_style::kInnerBand, true, Qt::SolidLine, "25-75 %"},
        {chart_style::kMedian, false, Qt::SolidLine, "median"},
        {chart_style::kExpected, false, Qt::DashLine, "expected loss (house edge x staked)"},
    };
    p.setFont(chart_style::font(11));
    for (const Entry& e : entries) {
        if (e.filled) {
            p.fillRect(QRectF(at.x(), at.y() - 5, 22, 10), e.colour);
        } else {
            p.setPen(QPen(e.colour, 2, e.style));
            p.drawLine(at, at + QPointF(22, 0));
        }
        p.setPen(chart_style::kText);
        const QString text = QString::fromLatin1(e.text);
        p.drawText(QRectF(at.x() + 28, at.y() - 8, 300, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
        at.rx() += 40 + p.fontMetrics().horizontalAdvance(text);
    }
}

void net_over_spins(QPainter& p, const SessionChart& c, const QRectF& area) {
    double low = 0;
    double high = 0;
    for (const auto& b : c.bands) {
        low = std::min(low, *std::min_element(b.begin(), b.end()));
        high = std::max(high, *std::max_element(b.begin(), b.end()));
    }
    low = std::min(low, *std::min_element(c.expected.begin(), c.expected.end()));
    const double margin = std::max(1.0, (high - low) * 0.05);
    const Frame f{area, 0, std::max(1.0, c.spins.back()), low - margin, high + margin};
    axes(p, f, QStringLiteral("spins into the session"), QStringLiteral("net (stakes)"));
    p.save();
    p.setClipRect(area);
    band(p, f, c.spins, c.bands[0], c.bands[4], chart_style::kOuterBand);
    band(p, f, c.spins, c.bands[1], c.bands[3], chart_style::kInnerBand);
    line(p, f, c.spins, c.bands[2], QPen(chart_style::kMedian, 2));
    line(p, f, c.spins, c.expected, QPen(chart_style::kExpected, 2, Qt::DashLine));
    p.restore();
    legend(p, QPointF(area.left() + 10, area.top() - 12));
}

void final_net_histogram(QPainter& p, const SessionChart& c, const QRectF& area) {
    const std::int64_t most = *std::max_element(c.counts.begin(), c.counts.end());
    const Frame f{area, c.edges.front(), c.edges.back(), 0, static_cast<double>(most) * 1.08};
    axes(p, f, QStringLiteral("final net of a session (stakes)"), QStringLiteral("sessions"));
    p.setPen(QPen(chart_style::kBarEdge, 0.5));
    p.setBrush(chart_style::kBar);
    for (std::size_t i = 0; i < c.counts.size(); ++i) {
        if (c.counts[i] > 0) {
            p.drawRect(QRectF(f.at(c.edges[i], static_cast<double>(c.counts[i])),
                              f.at(c.edges[i + 1], 0)));
        }
    }
}

}  // namespace

void paint_chart(QPainter& p, const SessionChart& c) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), chart_style::kBackground);
    p.setPen(chart_style::kText);
    p.setFont(chart_style::font(14, true));
    p.drawText(QRectF(20, 10, kWidth - 40, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(c.title));
    p.setFont(chart_style::font(12));
    p.drawText(QRectF(20, 32, kWidth - 40, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(c.subtitle));
    net_over_spins(p, c, QRectF(80, 90, kWidth - 110, 340));
    final_net_histogram(p, c, QRectF(80, 500, kWidth - 110, 160));
}

std::optional<std::string> write_chart(const SessionChart& chart, const std::string& path) {
    // Fonts need an application; a headless tool makes its own, drawing off screen.
    std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance() == nullptr) {
        // Its notes about the desktop it does not use would only puzzle a reader of the tool.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "corvane-backtest: %s\n", qPrintable(text));
            }
        });
        static int argc = 3;
        static char name[] = "corvane-backtest";
        static char platform[] = "-platform";
        static char offscreen[] = "offscreen";
        static char* argv[] = {name, platform, offscreen, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const QString file = QString::fromStdString(path);
    const bool svg =
        QFileInfo(file).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&bytes);
        generator.setSize(QSize(kWidth, kHeight));
        generator.setViewBox(QRect(0, 0, kWidth, kHeight));
        generator.setTitle(QString::fromStdString(chart.title));
        QPainter p(&generator);
        paint_chart(p, chart);
    } else {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        {
            QPainter p(&image);
            paint_chart(p, chart);
        }
        image.save(&bytes, "PNG");
    }
    // Through the same writer as the player's files: a failed write leaves no half a picture.
    if (bytes.data().isEmpty() ||
        !write_file_atomically(path, std::string_view(bytes.data().constData(),
                                                      static_cast<std::size_t>(bytes.size())))) {
        return "Cannot create file " + path;
    }
    return std::nullopt;
}

}  // namespace corvane
