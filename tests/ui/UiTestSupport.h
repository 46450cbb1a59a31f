#pragma once

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Doubles.h"
#include "ui/MainWindow.h"

namespace vex::test {

using namespace vex::doubles;

// A table window on a stacked shoe, shown offscreen.
struct Window {
    StackedRandom rng;
    std::unique_ptr<ui::MainWindow> main;

    Window() {
        main = std::make_unique<ui::MainWindow>(rng);
        rng.Attach(main->game());
        main->show();
    }
    Game& game() { return main->game(); }

    template <typename T = QWidget>
    T* Find(const char* name, int index = -1) const {
        for (T* w : main->findChildren<T*>(QLatin1String(name)))
            if (index < 0 || w->property("index").toInt() == index) return w;
        return nullptr;
    }
    void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
};

// Drops a chip with this tag on a widget as the drag-and-drop system would; returns whether the
// widget accepted it.
bool DropChip(QWidget* target, const QString& tag);

// Makes a running window timer tick now instead of after its interval.
void Tick(QTimer* timer);

// Runs `answer` on the next modal dialog that opens (an input or message box).
void WhenModalOpens(std::function<void(QWidget*)> answer);

}  // namespace vex::test
