#pragma once

#include <QWidget>
#include <array>

#include "session/session_figures.h"

class QLabel;

namespace korvane::ui {

// The session's figures as a grid: a row a figure, a column each tree and both together. Each
// value has a label of its own, so no number is ever broken across lines.
class SlipFigures : public QWidget {
  public:
    explicit SlipFigures(QWidget* parent = nullptr);

    void setFigures(const SessionFigures& figures);

  private:
    void showTree(std::size_t column, const TreeFigures& figures, const CountedFigures& counted);

    // [figure][tree]; each is named for screen readers, "Median, Pro" say.
    std::array<std::array<QLabel*, 3>, 11> values_{};
};

}  // namespace korvane::ui
