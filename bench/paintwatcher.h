#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

/// Notes when a widget has been painted: the event loop turn that delivered
/// the paint event has finished painting by the time it returns.
class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget* watched) { watched->installEventFilter(this); }

    /// Runs the event loop until the widget is painted (five seconds at
    /// most); answers whether it was, and watches for the next paint.
    bool waitUntilPainted()
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_painted && timer.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        const bool painted = m_painted;
        m_painted = false;
        return painted;
    }

    /// Forgets the paints seen so far.
    void reset() { m_painted = false; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_painted = false;
};
