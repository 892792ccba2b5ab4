#include "pagelayoutlist.h"

#include "dialogs/page/pagelayoutdlg.h"
#include "dialogs/page/pagemasternamedlg.h"
#include "dialogs/page/pagepropertiesppage.h"
#include "frame/uiapplication.h"
#include "frame/win32constants.h"
#include "outside/core/namespaces.h"
#include "outside/types/globalunitmeasurehelper.h"
#include "outside/types/simplepagemasterxml.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void collect(const Xml::Element& element, const char* local, std::vector<Xml::Element>& into)
{
    for (const Xml::Element& child : element.get_child_elements()) {
        if (child.isNamed(Xml::Namespaces::FO, local)) {
            into.push_back(child);
        }
        collect(child, local, into);
    }
}

std::vector<Xml::Element> named(const TemplateDocument& document, const char* local)
{
    std::vector<Xml::Element> found;
    collect(document.root(), local, found);
    return found;
}

// A new layout: A4 with half-inch margins, in the user's unit.
PageLayoutData newLayout(const Core::String& name)
{
    PageLayoutData data;
    data.setMasterName(name);
    Xml::Length width;
    Xml::Length height;
    PagePropertiesPPage::getStandardPageSize("A4", width, height);
    data.setWidth(width);
    data.setHeight(height);
    const auto unit = Xml::Length::Unit(
        UnitMeasureHelper::toCSSLength(GlobalUnitMeasureHelper::getGlobalUnitMeasure()));
    for (int side = 0; side < RegionData::SideCount; ++side) {
        data.setMargin(RegionData::Side(side), Xml::Length(0.5, Xml::Length::In).convertTo(unit));
    }
    return data;
}

} // namespace

PageLayoutList::PageLayoutList(SmartPtr<TemplateDocument> document, QWidget* parent)
    : QDialog(parent), m_document(std::move(document))
{
    setWindowTitle(tr("Page Layouts"));
    m_list = new QListWidget;
    m_new = new QPushButton(tr("&New..."));
    m_edit = new QPushButton(tr("&Edit..."));
    m_delete = new QPushButton(tr("&Delete"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_new, m_edit, m_delete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(m_list);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(close);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_new, &QPushButton::clicked, this, &PageLayoutList::onNew);
    connect(m_edit, &QPushButton::clicked, this, &PageLayoutList::onEdit);
    connect(m_delete, &QPushButton::clicked, this, &PageLayoutList::onDelete);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &PageLayoutList::onEdit);
    connect(m_list, &QListWidget::currentRowChanged, this, &PageLayoutList::updateButtons);
    refill(QString());
}

std::vector<Xml::Element> PageLayoutList::layoutsOf(const TemplateDocument& document)
{
    return named(document, "simple-page-master");
}

QString PageLayoutList::whyInUse(const TemplateDocument& document, const Core::String& name)
{
    QStringList users;
    for (const Xml::Element& sequence : named(document, "page-sequence")) {
        if (sequence.get_attribute_value("master-reference") == name) {
            users << tr("a page sequence");
            break;
        }
    }
    for (const Xml::Element& set : named(document, "page-sequence-master")) {
        std::vector<Xml::Element> references;
        for (const char* local :
             {"single-page-master-reference", "repeatable-page-master-reference",
              "conditional-page-master-reference"}) {
            collect(set, local, references);
        }
        for (const Xml::Element& reference : references) {
            if (reference.get_attribute_value("master-reference") == name) {
                users << tr("the page set \"%1\"")
                             .arg(set.get_attribute_value("master-name").toQString());
                break;
            }
        }
    }
    if (users.isEmpty()) {
        return {};
    }
    return tr("The page layout \"%1\" cannot be deleted: %2 uses it.")
        .arg(name.toQString(), users.join(QStringLiteral(", ")));
}

void PageLayoutList::refill(const QString& selected)
{
    m_list->clear();
    for (const Xml::Element& layout : layoutsOf(*m_document)) {
        m_list->addItem(layout.get_attribute_value("master-name").toQString());
    }
    const QList<QListWidgetItem*> found = m_list->findItems(selected, Qt::MatchExactly);
    m_list->setCurrentRow(found.isEmpty() ? (m_list->count() > 0 ? 0 : -1)
                                          : m_list->row(found.first()));
    updateButtons();
}

void PageLayoutList::updateButtons()
{
    const bool chosen = m_list->currentRow() >= 0;
    m_edit->setEnabled(chosen);
    m_delete->setEnabled(chosen);
}

Xml::Element PageLayoutList::selectedLayout() const
{
    const std::vector<Xml::Element> layouts = layoutsOf(*m_document);
    const int row = m_list->currentRow();
    return row >= 0 && std::size_t(row) < layouts.size() ? layouts[std::size_t(row)]
                                                         : Xml::Element();
}

void PageLayoutList::onNew()
{
    std::vector<Xml::Element> layouts = layoutsOf(*m_document);
    std::vector<Core::String> names;
    for (const Xml::Element& layout : layouts) {
        names.push_back(layout.get_attribute_value("master-name"));
    }
    PageMasterNameDlg nameDialog(Core::String(tr("New Page Layout")), this);
    nameDialog.setAllMasterNames(names);
    if (nameDialog.DoModal() != Win32::IDOK) {
        return;
    }
    PageLayoutData record = newLayout(nameDialog.getMasterName());
    PageLayoutDlg layoutDialog(record, this);
    if (layoutDialog.DoModal() != Win32::IDOK) {
        return;
    }
    const std::vector<Xml::Element> sets = named(*m_document, "layout-master-set");
    if (sets.empty()) {
        UIApplication::MessageBoxW(
            Core::String(tr("The template has no layout master set to add the page layout to.")),
            Win32::MB_ICONWARNING);
        return;
    }
    // After the last layout, indented as it is; else inside the set.
    const Xml::Element anchor = layouts.empty() ? sets.front() : layouts.back();
    const QByteArray lineEnd = m_document->lineEnd();
    const Core::String indent =
        QString::fromUtf8(m_document->indentOf(anchor) + (layouts.empty() ? "  " : ""));
    const Core::String markup =
        SimplePageMasterXml::write(record, indent, QString::fromUtf8(lineEnd));
    const Xml::Element selected = m_document->selected();
    const Core::String selectedPath = TemplateDocument::pathOf(selected);
    m_document->select(anchor);
    m_document->insertMarkup(layouts.empty() ? "  " + markup + QString::fromUtf8(lineEnd) +
                                                   Core::String(indent.left(indent.length() - 2))
                                             : QString::fromUtf8(lineEnd) + indent + markup,
                             layouts.empty() ? TemplateDocument::InsertPosition::Inside
                                             : TemplateDocument::InsertPosition::After,
                             tr("New Page Layout"));
    m_document->select(m_document->elementAt(selectedPath));
    refill(record.getMasterName().toQString());
}

void PageLayoutList::onEdit()
{
    const Xml::Element layout = selectedLayout();
    if (layout.isNull()) {
        return;
    }
    const PageLayoutData original = SimplePageMasterXml::read(layout);
    // The dialog edits in place: a copy, kept only on OK.
    PageLayoutData record = original;
    PageLayoutDlg dialog(record, this);
    if (dialog.DoModal() != Win32::IDOK || record == original) {
        return;
    }
    const QByteArray lineEnd = m_document->lineEnd();
    m_document->replaceElement(
        layout,
        SimplePageMasterXml::write(record, QString::fromUtf8(m_document->indentOf(layout)),
                                   QString::fromUtf8(lineEnd)),
        tr("Page Layout"));
    refill(record.getMasterName().toQString());
}

void PageLayoutList::onDelete()
{
    const Xml::Element layout = selectedLayout();
    if (layout.isNull()) {
        return;
    }
    const Core::String name = layout.get_attribute_value("master-name");
    if (const QString why = whyInUse(*m_document, name); !why.isEmpty()) {
        UIApplication::MessageBoxW(Core::String(why), Win32::MB_ICONWARNING);
        return;
    }
    const int row = m_list->currentRow();
    m_document->replaceElement(layout, Core::String(), tr("Delete Page Layout"));
    refill(QString());
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}
