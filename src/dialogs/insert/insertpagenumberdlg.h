#pragma once

#include "frame/dialog.h"
#include "outside/core/corestring.h"

#include <memory>
#include <vector>

namespace Ui {
class InsertPageNumberDlg;
}

/// Chooses a page number element (the current page or the number of pages)
/// and the style its number is written in. The host builds the markup from
/// the two answers.
class UIEDITOR_EXPORT InsertPageNumberDlg : public Dialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 10201;
    enum { IDC_ELEMENT_TYPE = 10202, IDC_FORMAT = 10203 };
    enum ElementType { PageNumber = 0, TotalPages = 1 };

    explicit InsertPageNumberDlg(QWidget* parent = nullptr);
    ~InsertPageNumberDlg() override;

    /// The element type selected when the dialog opens; after OK, the one chosen.
    void setElementType(int type) { m_elementType = type; }
    int getElementType() const { return m_elementType; }
    /// After OK: the number style, "1", "01", "001", "0001", "A", "i" or "I".
    const Core::String& getFormat() const { return m_format; }

    /// The number styles, in list order.
    static const std::vector<Core::String>& formatTokens();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void exchange(bool saving);

    std::unique_ptr<Ui::InsertPageNumberDlg> m_ui;
    int m_elementType = PageNumber;
    int m_formatIndex = 0;
    Core::String m_format = "1";
};
