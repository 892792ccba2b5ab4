#pragma once

#include "dialogs/field/fieldformat.h"
#include "frame/featuredialog.h"

#include <map>
#include <memory>

namespace Ui {
class FormatFieldDlg;
}
class FormatFieldPage;
class QStackedWidget;

/// "Format Field": the display format of a data field, as one string with a
/// kind prefix ("number:", "currency:", "date:", "phone:", "custom:"; empty
/// for none). A list of kinds on the left, the page of the chosen kind on
/// the right.
///
/// The given format opens on its kind's page with its settings. OK builds
/// the result from the chosen page; a page the user did not touch gives the
/// given format back unchanged, so text the pages cannot show is kept.
class UIEDITOR_EXPORT FormatFieldDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 12604;
    static constexpr int IDC_KINDS = 12605;
    static constexpr int IDC_WINDOWS_AREA = 12606;

    /// Without `allKinds` only none and number are offered.
    FormatFieldDlg(const QString& format, bool allKinds, QWidget* parent = nullptr);
    ~FormatFieldDlg() override;

    /// The field format after OK; the given one otherwise.
    QString getFormat() const { return m_format; }
    /// Shows the page of `kind`, hides the others, and selects the kind in the list.
    void selectFormatWindow(FieldFormat::Kind kind);
    /// The kind whose page shows.
    FieldFormat::Kind selectedKind() const { return m_selected; }
    /// The page of `kind`; null when the dialog does not offer it.
    FormatFieldPage* page(FieldFormat::Kind kind) const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnSelChange();

    std::unique_ptr<Ui::FormatFieldDlg> m_ui;
    QStackedWidget* m_pages;
    std::vector<FieldFormat::Kind> m_kinds;
    std::map<FieldFormat::Kind, FormatFieldPage*> m_pageOf;
    QString m_format;
    FieldFormat::Kind m_opened = FieldFormat::Kind::None;
    FieldFormat::Kind m_selected = FieldFormat::Kind::None;
    bool m_allKinds;
};
