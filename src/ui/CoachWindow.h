#pragma once

#include <QWidget>
#include <array>

#include "coach/Session.h"

class QLabel;

namespace vex::ui {

class MainWindow;

// The coach: the value of each choice the player can make now, from the cards really left in
// the shoe, the Hi-Lo count, and how the session has gone. A window beside the table that only
// reads the game; it starts watching when it is first opened.
class CoachWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CoachWindow(MainWindow& main);
    // Looks at the game again and shows what it finds.
    void Render();

  private:
    MainWindow& main_;
    coach::Session session_;
    QLabel* situation_;
    std::array<QLabel*, 4> actions_{};
    std::array<QLabel*, 4> values_{};
    QLabel* shoe_;
    QLabel* count_;
    QLabel* rounds_;
    QLabel* net_;
    QLabel* expected_;
    QLabel* given_away_;
};

}  // namespace vex::ui
