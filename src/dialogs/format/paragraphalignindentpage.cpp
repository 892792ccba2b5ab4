#include "dialogs/format/paragraphalignindentpage.h"

#include "controls/lengthorpercentctrl.h"
#include "controls/numberedit.h"

#include "ui_paragraphalignindentpage.h"

ParagraphAlignIndentPage::ParagraphAlignIndentPage(ParagraphValues& values, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::ParagraphAlignIndentPage>()),
      m_values(values)
{
    m_ui->setupUi(this);
    // The list's order is not the codes' order.
    const std::pair<unsigned, int> entries[] = {{63039, ParagraphValues::Left},
                                                {63042, ParagraphValues::Center},
                                                {63041, ParagraphValues::Right},
                                                {63040, ParagraphValues::Justify}};
    for (const auto& [textId, alignment] : entries) {
        m_ui->alignList->addItem(Core::String::formatS(textId).toQString(), alignment);
    }
    connect(m_ui->alignList, &QComboBox::activated, this,
            &ParagraphAlignIndentPage::OnAlignmentChosen);

    m_fields = {m_ui->startIndentField, m_ui->endIndentField, m_ui->firstLineIndentField,
                m_ui->lastLineEndIndentField};
    for (int i = 0; i < ParagraphValues::IndentCount; ++i) {
        const auto which = ParagraphValues::Indent(i);
        connect(m_fields[i]->numberEdit(), &QLineEdit::textEdited, this,
                [this, i] { m_typed[i] = true; });
        connect(m_fields[i], &LengthOrPercentCtrl::lengthOrPercentModified, this,
                [this, which](LengthOrPercentCtrl*, const Xml::LengthOrPercent& value) {
                    OnIndentModified(which, value);
                });
    }
}

ParagraphAlignIndentPage::~ParagraphAlignIndentPage() = default;

void ParagraphAlignIndentPage::showValues()
{
    m_ui->alignList->setCurrentIndex(m_ui->alignList->findData(m_values.alignment()));
    for (int i = 0; i < ParagraphValues::IndentCount; ++i) {
        m_fields[i]->setAssignedLengthOrPercent(m_values.indent(ParagraphValues::Indent(i)), false,
                                                false);
        m_typed[i] = false;
    }
}

void ParagraphAlignIndentPage::OnAlignmentChosen(int entry)
{
    m_values.setAlignment(m_ui->alignList->itemData(entry).toInt());
    Q_EMIT valuesChanged();
}

void ParagraphAlignIndentPage::OnIndentModified(ParagraphValues::Indent which,
                                                const Xml::LengthOrPercent& value)
{
    // Leaving a field the user only passed through commits it too; that is
    // no edit of the block.
    if (!m_typed[which] && value == m_values.indent(which)) {
        return;
    }
    m_typed[which] = false;
    m_values.setIndent(which, value);
    Q_EMIT valuesChanged();
}
