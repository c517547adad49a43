#include "ui/time_slip/slip_figures.h"

#include <QGridLayout>
#include <QLabel>
#include <cmath>

#include "session/slip_text.h"

namespace korvane::ui {

namespace {

const QString kNone = QStringLiteral("\u2013");
constexpr std::size_t kRows = 11;

struct Row {
    const char* name;
    const char* tip;
};

const std::array<Row, kRows> kFigureRows{{
    {"Runs", "Judged releases"},
    {"Best", "The quickest clean reaction (an R/T at or above .000)"},
    {"Median", "The middle clean reaction"},
    {"Mean", "The average clean reaction"},
    {"Std dev", "How widely clean reactions spread around their mean"},
    {"Consistency",
     "The share of clean reactions within \u00b1.010 of the median: the higher, the more alike "
     "your starts"},
    {"Early starts", "Releases with an R/T below .000"},
    {"Left during staging", "Releases before the tree started, so without an R/T"},
    {"Perfect lights", "Releases with an R/T from .000 to .009, and their share of the runs"},
    {"Slowest", "The slowest clean reaction"},
    {"Within .020", "The share of the runs with an R/T from .000 to .020"},
}};
const std::array<const char*, 3> kTrees{"Standard", "Pro", "Both"};

QString seconds(std::optional<double> millis) {
    return millis ? QString::fromStdString(boardMillis(*millis)) : kNone;
}

QString percent(double share) {
    return QString::number(std::lround(share * 100)) + QLatin1Char('%');
}

// A count with its share of the runs: "2 (25%)", kept on one line.
QString countOf(int count, int runs) {
    if (count == 0) return QStringLiteral("0");
    return QString::number(count) + QStringLiteral("\u00a0(") +
           percent(static_cast<double>(count) / runs) + QLatin1Char(')');
}

}  // namespace

SlipFigures::SlipFigures(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Session figures"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    for (std::size_t column = 0; column < kTrees.size(); ++column) {
        auto* tree = new QLabel(QStringLiteral("<b>%1</b>").arg(kTrees[column]), this);
        grid->addWidget(tree, 0, static_cast<int>(column) + 1, Qt::AlignRight);
    }
    for (std::size_t row = 0; row < kRows; ++row) {
        auto* name = new QLabel(QString::fromUtf8(kFigureRows[row].name), this);
        name->setToolTip(QString::fromUtf8(kFigureRows[row].tip));
        const int line = static_cast<int>(row) + 1;
        grid->addWidget(name, line, 0);
        for (std::size_t column = 0; column < kTrees.size(); ++column) {
            auto* value = new QLabel(this);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setAccessibleName(name->text() + QStringLiteral(", ") + kTrees[column]);
            value->setToolTip(name->toolTip());
            grid->addWidget(value, line, static_cast<int>(column) + 1, Qt::AlignRight);
            values_[row][column] = value;
        }
    }
    grid->setColumnStretch(4, 1);
}

void SlipFigures::setFigures(const SessionFigures& figures) {
    showTree(0, figures.standard, figures.counted[0]);
    showTree(1, figures.pro, figures.counted[1]);
    showTree(2, figures.both, figures.counted[2]);
}

void SlipFigures::showTree(std::size_t column, const TreeFigures& f, const CountedFigures& c) {
    const std::array<QString, kRows> shown{
        QString::number(f.runs),
        seconds(f.best),
        seconds(f.median),
        seconds(f.mean),
        seconds(f.deviation),
        f.consistency ? percent(*f.consistency) : kNone,
        countOf(f.early, f.runs),
        countOf(f.staging, f.runs),
        countOf(c.perfect, f.runs),
        seconds(c.slowest),
        c.withinPerfect20 ? percent(*c.withinPerfect20) : kNone,
    };
    for (std::size_t row = 0; row < kRows; ++row) values_[row][column]->setText(shown[row]);
}

}  // namespace korvane::ui
