#pragma once

#include "dialogs/field/fieldformatcatalogue.h"
#include "dialogs/field/formatfieldpage.h"

class QLineEdit;
class QRadioButton;
class QTreeWidget;

/// A page that offers predefined patterns in a list ("Format", "Example")
/// and a custom pattern typed in an edit box: the date and phone pages.
class UIEDITOR_EXPORT FormatFieldListPage : public FormatFieldPage
{
    Q_OBJECT

public:
    static constexpr int IDC_CUSTOM_PATTERN = 12625;

    FormatFieldListPage(unsigned templateId, QWidget* parent);
    ~FormatFieldListPage() override;

    /// Selects the listed row that is `pattern`, else "Custom" with the pattern typed.
    void readPattern(const QString& pattern) override;
    /// The selected row's pattern, or the typed one.
    QString pattern() const override;

protected:
    /// Call once the form is set up: fills the list and connects the controls.
    void setUpControls(std::vector<FieldFormatCatalogue::PatternRow> rows, int listId, int predefinedId,
                       int customId);

private:
    void updateEnabling();

    std::vector<FieldFormatCatalogue::PatternRow> m_rows;
    QTreeWidget* m_list = nullptr;
    QRadioButton* m_predefined = nullptr;
    QRadioButton* m_custom = nullptr;
    QLineEdit* m_edit = nullptr;
};
