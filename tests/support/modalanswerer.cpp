#include "modalanswerer.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace TestSupport {

namespace {
constexpr int pollIntervalMs = 10;
}

ModalAnswerer::ModalAnswerer(int timeoutMs) : m_timeoutMs(timeoutMs) {}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::watch(std::function<bool(QWidget*)> matcher)
{
    m_matcher = std::move(matcher);
    m_handled = false;
    m_elapsedMs = 0;
    // A modal widget already open when watching starts (the test's own dialog)
    // is not the one to answer.
    m_ignored = QApplication::activeModalWidget();
    m_watching = true;
    QTimer::singleShot(pollIntervalMs, this, &ModalAnswerer::poll);
}

void ModalAnswerer::poll()
{
    if (!m_watching) {
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != m_ignored && modal->isVisible()) {
        m_seen = QString::fromLatin1(modal->metaObject()->className());
        if (m_matcher(modal)) {
            m_handled = true;
            m_watching = false;
            return;
        }
    }
    m_elapsedMs += pollIntervalMs;
    if (m_elapsedMs >= m_timeoutMs) {
        m_watching = false;
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && modal != m_ignored) {
            dialog->reject(); // don't leave the test hanging on an unexpected dialog
        }
        return;
    }
    QTimer::singleShot(pollIntervalMs, this, &ModalAnswerer::poll);
}

} // namespace TestSupport
