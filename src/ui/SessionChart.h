#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "coach/Session.h"

namespace vex::ui {

// The session round by round, as a small chart: the money won or lost, the expected net of the
// choices made and the expected net had every choice been the best, over a zero line. The gap
// between the first two is luck, between the last two skill. Drawn with the painter at any pixel
// ratio; a screen reader hears the summary.
class SessionChart : public QWidget {
    Q_OBJECT
  public:
    explicit SessionChart(QWidget* parent);
    // Takes the session's rounds; redraws only when they changed.
    void SetHistory(const std::vector<coach::RoundPoint>& history);

    // "After 50 rounds: net minus 120 $, expected minus 35.2 $ from your choices, minus 20.1 $
    // with the best choices: luck minus 84.8 $, skill minus 15.1 $".
    static QString Summary(const std::vector<coach::RoundPoint>& history);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<coach::RoundPoint> history_;
};

}  // namespace vex::ui
