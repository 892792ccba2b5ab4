#include "dialogs/format/paragraphbreakshyphenpage.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/core/coreformat.h"

#include "ui_paragraphbreakshyphenpage.h"

#include <QRegularExpressionValidator>
#include <QTabWidget>

ParagraphBreaksHyphenPage::ParagraphBreaksHyphenPage(ParagraphValues& values, QWidget* parent)
    : DialogPage(TemplateId, parent), m_ui(std::make_unique<Ui::ParagraphBreaksHyphenPage>()),
      m_values(values)
{
    m_ui->setupUi(this);
    m_keepBoxes = {m_ui->keepTogetherCheck, m_ui->keepWithNextCheck, m_ui->keepWithPreviousCheck};
    for (QCheckBox* box : m_keepBoxes) {
        connect(box, &QCheckBox::clicked, this, &ParagraphBreaksHyphenPage::OnCheckBoxClicked);
    }
    connect(m_ui->hyphenateCheck, &QCheckBox::clicked, this,
            &ParagraphBreaksHyphenPage::OnCheckBoxClicked);
    connect(m_ui->spanAllCheck, &QCheckBox::clicked, this,
            &ParagraphBreaksHyphenPage::OnCheckBoxClicked);

    m_lineCountFields = {m_ui->widowsEdit, m_ui->orphansEdit};
    for (int i = 0; i < ParagraphValues::LineCountCount; ++i) {
        QLineEdit* field = m_lineCountFields[i];
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        connect(field, &QLineEdit::textEdited, this,
                [this, i] { OnLineCountEdited(ParagraphValues::LineCount(i)); });
    }
}

ParagraphBreaksHyphenPage::~ParagraphBreaksHyphenPage() = default;

void ParagraphBreaksHyphenPage::showValues()
{
    for (int keep = 0; keep < ParagraphValues::KeepCount; ++keep) {
        m_keepBoxes[keep]->setChecked(m_values.keep(ParagraphValues::Keep(keep)));
    }
    m_ui->hyphenateCheck->setChecked(m_values.hyphenate());
    m_ui->spanAllCheck->setChecked(m_values.spanAll());
    for (int i = 0; i < ParagraphValues::LineCountCount; ++i) {
        m_lineCountFields[i]->setText(
            Core::Format::formatValue(m_values.lineCount(ParagraphValues::LineCount(i)))
                .toQString());
    }
}

bool ParagraphBreaksHyphenPage::validate()
{
    const QString messages[] = {
        tr("Widows: enter a whole number of lines from 0 to %1.").arg(MaxLineCount),
        tr("Orphans: enter a whole number of lines from 0 to %1.").arg(MaxLineCount)};
    for (int i = 0; i < ParagraphValues::LineCountCount; ++i) {
        const auto which = ParagraphValues::LineCount(i);
        int count = 0;
        // A count the block came with is the block's own affair.
        if (!m_values.lineCountChanged(which) || readLineCount(which, count)) {
            continue;
        }
        UIApplication::MessageBoxW(Core::String(messages[i]), Win32::MB_OK | Win32::MB_ICONWARNING);
        // The field can take the focus only on the tab in front.
        for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(ancestor)) {
                tabs->setCurrentWidget(this);
                break;
            }
        }
        m_lineCountFields[i]->setFocus(Qt::OtherFocusReason);
        m_lineCountFields[i]->selectAll();
        return false;
    }
    return true;
}

void ParagraphBreaksHyphenPage::OnCheckBoxClicked()
{
    QObject* box = sender();
    for (int keep = 0; keep < ParagraphValues::KeepCount; ++keep) {
        if (box == m_keepBoxes[keep]) {
            m_values.setKeep(ParagraphValues::Keep(keep), m_keepBoxes[keep]->isChecked());
        }
    }
    if (box == m_ui->hyphenateCheck) {
        m_values.setHyphenate(m_ui->hyphenateCheck->isChecked());
    } else if (box == m_ui->spanAllCheck) {
        m_values.setSpanAll(m_ui->spanAllCheck->isChecked());
    }
    Q_EMIT valuesChanged();
}

void ParagraphBreaksHyphenPage::OnLineCountEdited(ParagraphValues::LineCount which)
{
    int count = 0;
    if (!readLineCount(which, count)) {
        // Mark the field as edited so that OK asks for a number; the block
        // keeps the count it had until then.
        m_values.setLineCount(which, m_values.lineCount(which));
        return;
    }
    m_values.setLineCount(which, count);
    Q_EMIT valuesChanged();
}

bool ParagraphBreaksHyphenPage::readLineCount(ParagraphValues::LineCount which, int& count) const
{
    const Core::String text = m_lineCountFields[which]->text();
    if (text.isEmpty()) {
        count = 0;
        return true;
    }
    try {
        count = Core::Format::parseInt(text);
    } catch (const Core::Exception&) {
        return false;
    }
    return count >= 0 && count <= MaxLineCount;
}
