#include "dialogs/data/insertconditionalsectionsdlg.h"

#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "xml/widgets/xpatheditdlg.h"

#include "ui_insertconditionalsectionsdlg.h"

#include <QAction>
#include <QMouseEvent>

namespace {

constexpr unsigned FallbackTextId = 63391;
constexpr unsigned ColumnTitleId = 63069;

// Stands in the list for a test while the expression editor asks for it.
Core::String newConditionText()
{
    return InsertConditionalSectionsDlg::tr("<new condition>");
}

Core::String fallbackText()
{
    return Core::String::formatS(FallbackTextId);
}

} // namespace

InsertConditionalSectionsDlg::InsertConditionalSectionsDlg(SmartPtr<IDocumentInformation> documentInformation,
                                                           const Core::String& context, QWidget* parent)
    : Dialog(TemplateId, parent), m_ui(std::make_unique<Ui::InsertConditionalSectionsDlg>()),
      m_documentInformation(std::move(documentInformation)), m_context(context), m_conditions{fallbackText()}
{
    m_ui->setupUi(this);
    QListWidget* list = m_ui->conditionList;
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // In-place editing: F2, or a click on the selected row. A double-click
    // opens the expression editor instead.
    list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list->setAccessibleName(Core::String::formatS(ColumnTitleId).toQString());
    list->viewport()->installEventFilter(this);
    auto* editInPlace = new QAction(this);
    editInPlace->setShortcut(QKeySequence(Qt::Key_F2));
    editInPlace->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    editInPlace->setProperty("commandId", ID_EDIT_LIST_CONDITION);
    list->addAction(editInPlace);
    connect(editInPlace, &QAction::triggered, this, &InsertConditionalSectionsDlg::OnEditListCondition);

    connect(m_ui->addButton, &QPushButton::clicked, this, &InsertConditionalSectionsDlg::OnAddCondition);
    connect(m_ui->editButton, &QPushButton::clicked, this, &InsertConditionalSectionsDlg::OnEditCondition);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &InsertConditionalSectionsDlg::OnRemoveCondition);
    connect(list, &QListWidget::itemSelectionChanged, this, &InsertConditionalSectionsDlg::updateInterface);
    connect(list, &QListWidget::itemChanged, this, &InsertConditionalSectionsDlg::OnEndConditionEdit);
}

InsertConditionalSectionsDlg::~InsertConditionalSectionsDlg()
{
    // An in-place edit still open commits when the dialog goes, after the
    // members it would write to.
    m_ui->conditionList->disconnect(this);
}

void InsertConditionalSectionsDlg::addCondition(const Core::String& condition)
{
    if (condition.isEmpty() || condition == fallbackText()) {
        return;
    }
    m_conditions.push_back(condition);
    if (isInitialized()) {
        populateList(int(m_conditions.size()) - 1);
    }
}

std::vector<Core::String> InsertConditionalSectionsDlg::getConditions() const
{
    return std::vector<Core::String>(m_conditions.begin() + 1, m_conditions.end());
}

bool InsertConditionalSectionsDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    populateList(-1);
    return true;
}

void InsertConditionalSectionsDlg::populateList(int selectedRow)
{
    QListWidget* list = m_ui->conditionList;
    m_filling = true;
    list->clear();
    for (size_t row = 0; row < m_conditions.size(); ++row) {
        auto* item = new QListWidgetItem(m_conditions[row].toQString(), list);
        if (row > 0) {
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        }
    }
    m_filling = false;
    if (selectedRow >= 0 && selectedRow < list->count()) {
        list->setCurrentRow(selectedRow);
    }
    updateInterface();
}

int InsertConditionalSectionsDlg::selectedRow() const
{
    const QList<QListWidgetItem*> items = m_ui->conditionList->selectedItems();
    return items.isEmpty() ? -1 : m_ui->conditionList->row(items.front());
}

void InsertConditionalSectionsDlg::updateInterface()
{
    const bool test = selectedRow() > 0;
    m_ui->addButton->setEnabled(true);
    m_ui->editButton->setEnabled(test);
    m_ui->removeButton->setEnabled(test);
}

void InsertConditionalSectionsDlg::OnAddCondition()
{
    m_conditions.push_back(newConditionText());
    const int row = int(m_conditions.size()) - 1;
    populateList(row);
    editItemEx(row);
    if (m_conditions.size() > size_t(row) && m_conditions[size_t(row)] == newConditionText()) {
        // The editor was cancelled: the placeholder row goes again.
        m_conditions.erase(m_conditions.begin() + row);
        populateList(row - 1);
    }
}

void InsertConditionalSectionsDlg::OnEditCondition()
{
    const int row = selectedRow();
    if (row > 0) {
        editItemEx(row);
    }
}

void InsertConditionalSectionsDlg::OnEditListCondition()
{
    const int row = selectedRow();
    if (row > 0) {
        m_ui->conditionList->editItem(m_ui->conditionList->item(row));
    }
}

void InsertConditionalSectionsDlg::OnRemoveCondition()
{
    const int row = selectedRow();
    if (row <= 0) {
        return;
    }
    delete m_ui->conditionList->takeItem(row);
    // The list is what the user sees: the conditions follow its rows.
    std::vector<Core::String> conditions;
    for (int i = 0; i < m_ui->conditionList->count(); ++i) {
        conditions.push_back(i == 0 ? m_conditions.front() : Core::String(m_ui->conditionList->item(i)->text()));
    }
    m_conditions = std::move(conditions);
    populateList(std::min(row, int(m_conditions.size()) - 1));
}

void InsertConditionalSectionsDlg::OnConditionDblClick(const QPoint& position)
{
    const QModelIndex index = m_ui->conditionList->indexAt(position);
    if (!index.isValid() || index.row() == 0) {
        OnAddCondition();
    } else {
        editItemEx(index.row());
    }
}

void InsertConditionalSectionsDlg::OnEndConditionEdit(QListWidgetItem* item)
{
    if (m_filling || !item) {
        return;
    }
    const int row = m_ui->conditionList->row(item);
    if (row <= 0 || size_t(row) >= m_conditions.size()) {
        return;
    }
    const QString text = item->text().trimmed();
    if (text.isEmpty()) {
        // An alternative without test would hide every one after it.
        UIApplication::MessageBoxW(tr("A condition cannot be empty."), Win32::MB_OK | Win32::MB_ICONWARNING);
        m_filling = true; // the row shows its test again; this is no edit
        item->setText(m_conditions[size_t(row)].toQString());
        m_filling = false;
        return;
    }
    m_conditions[size_t(row)] = text;
}

void InsertConditionalSectionsDlg::editItemEx(int row)
{
    if (row <= 0 || size_t(row) >= m_conditions.size()) {
        return;
    }
    Core::String condition = m_conditions[size_t(row)];
    if (condition == newConditionText()) {
        condition = Core::String();
    }
    if (!askCondition(condition) || condition.isEmpty()) {
        return;
    }
    m_conditions[size_t(row)] = condition;
    populateList(row);
}

bool InsertConditionalSectionsDlg::askCondition(Core::String& condition)
{
    if (m_conditionEditor) {
        return m_conditionEditor(condition);
    }
    XPathEditDlg editor(m_documentInformation, condition, m_context, this);
    if (editor.DoModal() != Win32::IDOK) {
        return false;
    }
    condition = editor.getXPath(false);
    return true;
}

bool InsertConditionalSectionsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->conditionList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        OnConditionDblClick(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return Dialog::eventFilter(watched, event);
}

Core::String InsertConditionalSectionsDlg::formatCondition(const Core::String& test)
{
    // "&" goes first, or the entities written after it would be escaped again.
    QString text = test.toQString();
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    text.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return text;
}

Core::String InsertConditionalSectionsDlg::getConditionalSectionXml() const
{
    QString xml = QStringLiteral("<kmb:conditional-block-sequence>");
    for (size_t i = 1; i < m_conditions.size(); ++i) {
        const QString test = formatCondition(m_conditions[i]).toQString();
        xml += QStringLiteral("<kmb:conditional-block test=\"%1\"><fo:block>Customize this section for condition "
                              "\"%1\".</fo:block></kmb:conditional-block>")
                   .arg(test);
    }
    xml += QStringLiteral("<kmb:conditional-block><fo:block>Customize this fallback section.</fo:block>"
                          "</kmb:conditional-block></kmb:conditional-block-sequence>");
    return xml;
}

Core::String InsertConditionalSectionsDlg::getInlineConditionalSectionXml() const
{
    QString xml = QStringLiteral("<kmb:conditional-inline-sequence>");
    for (size_t i = 1; i < m_conditions.size(); ++i) {
        const QString test = formatCondition(m_conditions[i]).toQString();
        xml += QStringLiteral("<kmb:conditional-inline test=\"%1\"><fo:inline>Condition \"%1\".</fo:inline>"
                              "</kmb:conditional-inline>")
                   .arg(test);
    }
    xml += QStringLiteral("<kmb:conditional-inline><fo:inline>Fallback section.</fo:inline></kmb:conditional-inline>"
                          "</kmb:conditional-inline-sequence>");
    return xml;
}
