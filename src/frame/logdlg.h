#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"

#include <memory>

namespace Ui {
class LogDlg;
}

/// The log window hosts show: the messages collected while working (files
/// that failed to load, warnings of the schema reader...), newest last.
class UIEDITOR_EXPORT LogDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12990;

    explicit LogDlg(QWidget* parent = nullptr);
    ~LogDlg() override;

    void addMessage(const Core::String& message);
    void clear();
    int messageCount() const;

protected:
    bool OnInitDialog() override;

private:
    void OnBnClickedClear();
    void updateCount();

    std::unique_ptr<Ui::LogDlg> m_ui;
};
