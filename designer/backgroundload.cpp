#include "backgroundload.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

BackgroundLoad::BackgroundLoad(QObject* parent)
    : QObject(parent), m_widget(new QWidget), m_label(new QLabel), m_progress(new QProgressBar),
      m_cancel(new QPushButton(tr("Cancel")))
{
    m_widget->setObjectName(QStringLiteral("backgroundLoad"));
    m_cancel->setObjectName(QStringLiteral("cancelLoad"));
    // The parser tells nothing of how far it got: the bar shows that work goes on.
    m_progress->setRange(0, 0);
    m_progress->setMaximumWidth(160);
    auto* layout = new QHBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_progress);
    layout->addWidget(m_cancel);
    m_widget->setVisible(false);
    connect(m_cancel, &QPushButton::clicked, this, &BackgroundLoad::cancel);
}

BackgroundLoad::~BackgroundLoad()
{
    if (!m_widget->parent()) {
        delete m_widget;
    }
}

void BackgroundLoad::start(const QString& description, std::function<Finish()> work)
{
    const int generation = ++m_generation;
    m_label->setText(description);
    setBusy(true);
    auto* watcher = new QFutureWatcher<Finish>(this);
    connect(watcher, &QFutureWatcher<Finish>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation) {
            return; // cancelled, or replaced by newer work
        }
        const Finish apply = watcher->result();
        setBusy(false);
        if (apply) {
            apply();
        }
        Q_EMIT finished();
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

void BackgroundLoad::cancel()
{
    if (!m_busy) {
        return;
    }
    ++m_generation;
    setBusy(false);
    Q_EMIT cancelled();
}

void BackgroundLoad::setBusy(bool busy)
{
    m_busy = busy;
    m_widget->setVisible(busy);
}
