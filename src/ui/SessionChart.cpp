#include "ui/SessionChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/Style.h"

namespace vex::ui {

namespace {

// The three lines, each with its colour and stroke: told apart by the dash as well as the colour.
struct Line {
    const char* name;
    double coach::RoundPoint::*value;
    QColor colour;
    Qt::PenStyle style;
};
const Line kLines[] = {
    {"Net", &coach::RoundPoint::net, kTableText, Qt::SolidLine},
    {"Your choices", &coach::RoundPoint::expected, kPromptColour, Qt::SolidLine},
    {"Best choices", &coach::RoundPoint::best, QColor(150, 205, 255), Qt::DashLine},
};

constexpr int kLegendHeight = 18;
constexpr int kAxisWidth = 46;  // the dollar figures left of the plot
constexpr int kFootHeight = 14;

bool Same(const coach::RoundPoint& a, const coach::RoundPoint& b) {
    return a.round == b.round && a.net == b.net && a.expected == b.expected && a.best == b.best;
}

}  // namespace

SessionChart::SessionChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SessionChart"));
    setFixedHeight(116);
    setMinimumWidth(300);
    setAccessibleName(Summary(history_));
    setAccessibleDescription(
        QStringLiteral("Chart of the session round by round: the net, the expected net of your "
                       "choices, and the expected net with the best choices"));
}

void SessionChart::SetHistory(const std::vector<coach::RoundPoint>& history) {
    if (std::equal(history.begin(), history.end(), history_.begin(), history_.end(), Same)) return;
    history_ = history;
    setAccessibleName(Summary(history_));
    update();
}

QString SessionChart::Summary(const std::vector<coach::RoundPoint>& history) {
    if (history.empty()) return QStringLiteral("No rounds played since the coach opened");
    const coach::RoundPoint& last = history.back();
    const auto dollars = [](double value, int decimals) {
        return SignedInWords(value, decimals) + QStringLiteral(" $");
    };
    return QStringLiteral(
               "After %1 %2: net %3, expected %4 from your choices, %5 with the best choices: "
               "luck %6, skill %7")
        .arg(history.size())
        .arg(history.size() == 1 ? QStringLiteral("round") : QStringLiteral("rounds"))
        .arg(dollars(last.net, 0), dollars(last.expected, 1), dollars(last.best, 1),
             dollars(last.net - last.expected, 1), dollars(last.expected - last.best, 1));
}

void SessionChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont small = GameFont(7.5, false);
    p.setFont(small);
    const QFontMetricsF fm(small);

    // The legend across the top.
    double x = kAxisWidth;
    for (const Line& line : kLines) {
        const double y = kLegendHeight / 2.0;
        p.setPen(QPen(line.colour, 2, line.style, Qt::FlatCap));
        p.drawLine(QPointF(x, y), QPointF(x + 18, y));
        p.setPen(kTableText);
        const QString name = QString::fromLatin1(line.name);
        p.drawText(QPointF(x + 23, y + fm.ascent() / 2 - 1), name);
        x += 23 + fm.horizontalAdvance(name) + 14;
    }

    const QRectF plot(kAxisWidth, kLegendHeight + 2, width() - kAxisWidth - 4,
                      height() - kLegendHeight - 2 - kFootHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(kTotalBackground);
    p.drawRect(plot);
    p.setBrush(Qt::NoBrush);

    if (history_.empty()) {
        p.setPen(kTableText);
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No rounds yet"));
        return;
    }

    // The dollar range, zero always in it, and never narrower than 10 $.
    double lo = 0, hi = 0;
    for (const coach::RoundPoint& r : history_)
        for (const Line& line : kLines) {
            lo = std::min(lo, r.*line.value);
            hi = std::max(hi, r.*line.value);
        }
    if (hi - lo < 10) {
        const double grow = (10 - (hi - lo)) / 2;
        hi += lo < 0 ? grow : 2 * grow;
        lo -= lo < 0 ? grow : 0;
    }
    const double low = lo, high = hi;  // the figures at the ends name these
    const double pad = (hi - lo) * 0.06;
    lo -= pad;
    hi += pad;
    const int rounds = static_cast<int>(history_.size());
    const auto at = [&](int round, double dollars) {
        return QPointF(plot.left() + plot.width() * round / rounds,
                       plot.bottom() - plot.height() * (dollars - lo) / (hi - lo));
    };

    // The zero line and the figures at the edges of the range.
    const double zero_y = at(0, 0).y();
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));  // a faint white, apart from the lines' colours
    p.drawLine(QPointF(plot.left(), zero_y), QPointF(plot.right(), zero_y));
    p.setPen(kTableText);
    const auto figure = [&](double dollars, double y) {
        const QString text = Signed(dollars, 0) + QStringLiteral(" $");
        p.drawText(QRectF(0, y - fm.height() / 2, kAxisWidth - 5, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    figure(0, zero_y);
    // The ends of the range, where they leave the zero's figure room.
    const double high_y = at(0, high).y(), low_y = at(0, low).y();
    if (zero_y - high_y > 1.5 * fm.height()) figure(high, high_y);
    if (low_y - zero_y > 1.5 * fm.height()) figure(low, low_y);
    p.drawText(QRectF(plot.left(), plot.bottom() + 1, plot.width(), kFootHeight),
               Qt::AlignRight | Qt::AlignTop,
               rounds == 1 ? QStringLiteral("1 round") : QStringLiteral("%1 rounds").arg(rounds));

    // Each line from the coach's opening (0 $) through every round; the last drawn on top.
    p.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (auto it = std::rbegin(kLines); it != std::rend(kLines); ++it) {
        QPainterPath path(at(0, 0));
        for (int i = 0; i < rounds; ++i) path.lineTo(at(i + 1, history_[i].*it->value));
        p.setPen(QPen(it->colour, 1.6, it->style, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
}

}  // namespace vex::ui
