#pragma once

#include "dialogs/insert/datetimepattern.h"
#include "frame/dialog.h"

#include <memory>
#include <vector>

namespace Ui {
class InsertDateTime;
}

/// Inserts the date or time: either a field the renderer fills with the
/// moment it prints, or the text of the moment the dialog confirms. The
/// list shows each format by an example in the user's language.
class UIEDITOR_EXPORT InsertDateTime : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12101;
    enum { IDC_LIST_TYPES = 12102, IDC_EFFECTIVE_FORMAT = 12103, IDC_UPDATE = 12104 };
    /// The moment the examples show (a Friday afternoon, so that every part differs).
    static QDateTime exampleMoment();

    explicit InsertDateTime(QWidget* parent = nullptr);
    ~InsertDateTime() override;

    /// After OK: the kmb:field to insert when updating, else the formatted text.
    Core::String getDateTimeXml() const;
    const Core::String& getDatePart() const { return m_datePart; }
    const Core::String& getTimePart() const { return m_timePart; }
    bool isUpdate() const { return m_update; }

    /// The patterns, in list order.
    static const std::vector<DateTimePattern>& patterns();
    /// The moment a fixed text is formatted from; now unless set (for a host
    /// that inserts on behalf of another time, and for tests).
    void setCurrentDateTime(const QDateTime& moment) { m_now = moment; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    void setFormatList();
    void InsertFormats();
    Core::String MakeViewText(int index) const;
    void SetSelection(int index);
    void OnLbnSelchangeListTypes();

private:
    std::unique_ptr<Ui::InsertDateTime> m_ui;
    std::vector<DateTimePattern> m_patterns;
    Core::String m_datePart;
    Core::String m_timePart;
    bool m_update = true;
    QDateTime m_now;
};
