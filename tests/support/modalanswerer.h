#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace TestSupport {

/// Answers a modal dialog that code under test opens with exec(): when the
/// next modal widget of type T appears, `handler` runs on it (type, click,
/// accept...). The handler must close the dialog, or the test hangs until the
/// timeout, after which the dialog is rejected and handled() stays false.
///
///   ModalAnswerer answer;
///   answer.onNext<QFileDialog>([](QFileDialog* d) { d->selectFile(path); d->accept(); });
///   dialog.browseButton()->click();
///   QVERIFY(answer.handled());
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(int timeoutMs = 5000);
    ~ModalAnswerer() override;

    template <class T>
    void onNext(std::function<void(T*)> handler)
    {
        watch([handler](QWidget* modal) {
            if (T* typed = qobject_cast<T*>(modal)) {
                handler(typed);
                return true;
            }
            return false;
        });
    }

    bool handled() const { return m_handled; }
    /// The class name of the modal widget that was answered (or that appeared unexpectedly).
    QString seenClassName() const { return m_seen; }

private:
    void watch(std::function<bool(QWidget*)> matcher);
    void poll();

    std::function<bool(QWidget*)> m_matcher;
    QPointer<QWidget> m_ignored;
    int m_timeoutMs;
    int m_elapsedMs = 0;
    bool m_handled = false;
    bool m_watching = false;
    QString m_seen;
};

} // namespace TestSupport
