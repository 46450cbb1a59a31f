#pragma once

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/TestTable.h"
#include "ui/MainWindow.h"

namespace vex::test {

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

// Drops the window's own chip with this tag on a widget, as dragging it with the mouse does;
// returns whether the widget took it. (Qt names a drag's source only while it runs a real drag,
// so the drop target's own test of the source is asked.)
bool DropChip(QWidget* target, const QString& tag);
// Drags data from outside the program over a widget and drops it there; returns whether the
// widget accepted the drag or the drop.
bool DropFromOutside(QWidget* target, const QMimeData& data);

// Makes a running window timer tick now instead of after its interval.
void Tick(QTimer* timer);

// Runs `answer` on the next modal dialog that opens (an input or message box).
void WhenModalOpens(std::function<void(QWidget*)> answer);

}  // namespace vex::test
