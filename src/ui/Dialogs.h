#pragma once

#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vex::ui {

class MainWindow;

// The loan bank's check, frmBank. Destroyed after every use.
class BankWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BankWindow(MainWindow& main);
    void Render();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MainWindow& main_;
    QLineEdit* txtBorrow_;
    QLabel* LabelSign_;
    QPushButton* bnSign_;
    QTimer Timer1_;
    unsigned timer_starts_ = 0;
};

// The game-over window, frmEnd: its OK, or its close box, ends the program.
class EndWindow : public QWidget {
    Q_OBJECT
  public:
    explicit EndWindow(MainWindow& main);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MainWindow& main_;
};

// The table rules dialog, Rules: created once, afterwards only hidden and shown.
class RulesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit RulesWindow(MainWindow& main);
    void Render();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MainWindow& main_;
    std::array<QRadioButton*, 3> Option1_{};
    std::array<QRadioButton*, 2> Option2_{};
};

// The help topics, frmHelp. Destroyed when closed.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(MainWindow& main);
    void Render();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindow& main_;
    QLabel* lblRegles_;
    QObject* pressed_topic_ = nullptr;  // the topic the mouse button went down on
};

// The about box, frmAbout: OK is both the default and the cancel button.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(MainWindow& main);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape

  private:
    MainWindow& main_;
};

}  // namespace vex::ui
