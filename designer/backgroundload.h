#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

/// Long work (reading a large sample or template) done on a worker thread
/// while the window stays responsive. Its progress bar and Cancel button go
/// into the status bar and show while work runs. The work answers the step
/// that applies its result, which runs on this object's thread once the work
/// is done, unless it was cancelled first: then nothing changes.
class BackgroundLoad : public QObject
{
    Q_OBJECT

public:
    using Finish = std::function<void()>;

    explicit BackgroundLoad(QObject* parent = nullptr);
    ~BackgroundLoad() override;

    /// Runs `work` on a worker thread, cancelling any work still running.
    /// `description` says what runs ("Opening invoice.fo...").
    void start(const QString& description, std::function<Finish()> work);
    /// Drops the running work's result; the worker ends on its own.
    void cancel();
    bool isBusy() const { return m_busy; }

    /// The progress bar, its text and the Cancel button, for the status bar.
    QWidget* statusWidget() const { return m_widget; }
    QPushButton* cancelButton() const { return m_cancel; }

Q_SIGNALS:
    /// The result of the work was applied.
    void finished();
    void cancelled();

private:
    void setBusy(bool busy);

    QWidget* m_widget;
    QLabel* m_label;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    int m_generation = 0; // which start's result is still wanted
    bool m_busy = false;
};
