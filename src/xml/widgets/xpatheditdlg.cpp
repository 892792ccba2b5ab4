#include "xml/widgets/xpatheditdlg.h"

#include "frame/uiapplication.h"
#include "frame/waitcursor.h"
#include "frame/win32constants.h"
#include "outside/core/coreexception.h"
#include "outside/core/namespaces.h"
#include "outside/dom/xmlattribute.h"
#include "outside/dom/xmlelement.h"
#include "outside/types/xpathhelpers.h"
#include "ui_xpatheditdlg.h"
#include "xml/model/samplexml.h"
#include "xml/model/xpathcheck.h"
#include "xml/widgets/xpathediticons_p.h"
#include "xml/widgets/xpathexpressionstate_p.h"
#include "xml/widgets/xpathoperators_p.h"
#include "xml/widgets/xpathundohistory_p.h"

#include <algorithm>
#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolBar>
#include <QTreeWidget>

namespace {

constexpr int KindRole = Qt::UserRole;
constexpr int PayloadRole = Qt::UserRole + 1;

// What a row of the item list stands for.
enum RowKind { UpRow, AttributeRow, ElementRow, TextRow, VariableRow, CategoryRow };

// Rows of the item list for functions.
enum FunctionCategory {
    AllFunctions,
    AllPredefined,
    NodeSetFunctions,
    StringFunctions,
    ArithmeticFunctions,
    UserDefined,
    ScriptPrefix
};

constexpr unsigned upOneLevelId = 63073;
constexpr unsigned contextNotFoundId = 63074;
constexpr unsigned introductionId = 63099;
constexpr unsigned validId = 63100;
constexpr unsigned notValidId = 63101;
constexpr unsigned keepAnywayId = 63102;
constexpr unsigned discardChangesId = 63104;
constexpr unsigned enterExpressionId = 63373;

// The operator toolbar: commands that insert their text.
struct InsertCommand
{
    int id;
    const char* text;
};
constexpr InsertCommand insertCommands[] = {
    {11217, "+"},     {11218, "-"},  {11219, "*"},  {11220, "div"}, {11221, ">"},
    {11222, "<"},     {11223, ">="}, {11224, "<="}, {11225, "and"}, {11226, "or"},
    {11227, "not()"}, {11228, "()"}, {11229, "[]"}, {11230, "="},
};
constexpr int undoCommand = 11231;
constexpr int redoCommand = 11232;
constexpr int checkCommand = 11233;
constexpr int contextCommand = 11234;

const char* const builtInVariables[] = {"$KMCrtLocalDate", "$KMCrtLocalTime", "$KMCrtLocalDateTime",
                                        "$KMCrtUTCDate",   "$KMCrtUTCTime",   "$KMCrtUTCDateTime",
                                        "$KMOutputFormat"};
const char* const constants[] = {"true()", "false()", "NaN"};

// The annotations the schema and data-aggregation samples carry for the
// designer; they are not data.
bool isAnnotation(const Xml::Attribute& attribute)
{
    if (attribute.get_namespace_uri() != Xml::Namespaces::KM) {
        return false;
    }
    const Core::String name = attribute.get_local_name();
    return name == "meta-type" || name == "ref-type" || name == "repeated-element";
}

QTreeWidgetItem* addRow(QTreeWidget* list, const QString& text, const QIcon& icon, int kind,
                        const QVariant& payload = {})
{
    auto* item = new QTreeWidgetItem(list, QStringList{text});
    item->setIcon(0, icon);
    item->setData(0, KindRole, kind);
    item->setData(0, PayloadRole, payload);
    return item;
}

void prepareList(QTreeWidget* list, const QStringList& headers)
{
    list->clear();
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
}

Core::String unescaped(const Core::String& text)
{
    return text.replaceAll("&quot;", "\"")
        .replaceAll("&apos;", "'")
        .replaceAll("&lt;", "<")
        .replaceAll("&gt;", ">");
}

} // namespace

XPathEditDlg::XPathEditDlg(SmartPtr<IDocumentInformation> documentInformation,
                           const Core::String& xpath, const Core::String& context, QWidget* parent)
    : FeatureDialog(TemplateId, parent), m_ui(std::make_unique<Ui::XPathEditDlg>()),
      m_documentInformation(std::move(documentInformation)), m_initialXPath(xpath),
      m_context(context.startsWith("/") ? context : "/" + context)
{
    m_ui->setupUi(this);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    m_history =
        std::make_unique<XPathUndoHistory>(tickEcart, [started] { return started->elapsed(); });
    setPredefinedFunctions();

    const SmartPtr<SampleXml> sample = SampleXml::loadedSample(m_documentInformation);
    if (sample) {
        m_sampleDocument = sample->getXmlDocument();
    }
    if (!m_sampleDocument) {
        return;
    }
    m_root = m_sampleDocument->getRootNode();
    if (m_context != "/") {
        Xml::Node found;
        try {
            if (!m_root.isNull()) {
                const std::vector<Xml::Node> nodes =
                    m_root.find(m_context, sample->getNamespaceMap());
                if (!nodes.empty()) {
                    found = nodes.front();
                }
            }
        } catch (const Core::Exception&) {
            // A context that is no valid path is one that cannot be found.
        }
        m_contextNode = found;
        m_contextFound = !found.isNull();
    }
    m_navigationNode = contextElement();
    if (m_contextFound) {
        updateNavigationStrings();
    } else {
        m_navigationAbsolute = "/";
        m_navigationRelative = "/";
        m_startError = Core::String::formatS(contextNotFoundId);
    }
    m_scripts = m_documentInformation->getScripts();
    m_variables = m_documentInformation->getVariables();
    m_namespaces = m_documentInformation->getNamespaces();
    m_xsltEngine = m_documentInformation->getXsltEngine();
    for (const ManagedScript& script : m_scripts) {
        if (std::find(m_userFunctionGroups.begin(), m_userFunctionGroups.end(),
                      script.getNsPrefix()) == m_userFunctionGroups.end()) {
            m_userFunctionGroups.push_back(script.getNsPrefix());
        }
    }
}

XPathEditDlg::~XPathEditDlg() = default;

void XPathEditDlg::setClock(std::function<qint64()> clock)
{
    m_history->setClock(std::move(clock));
}

void XPathEditDlg::setVisible(bool visible)
{
    const bool opening = visible && !isInitialized();
    FeatureDialog::setVisible(visible);
    if (opening && m_sampleDocument) {
        // A dialog selects the whole text of the edit it first focuses; the
        // expression opens with the caret at its end instead.
        m_ui->expressionEdit->deselect();
        m_ui->expressionEdit->setCursorPosition(m_ui->expressionEdit->text().length());
    }
}

Core::String XPathEditDlg::getXPath(bool escaped)
{
    if (escaped) {
        m_result = m_result.replaceAll("\"", "&quot;")
                       .replaceAll("'", "&apos;")
                       .replaceAll("<", "&lt;")
                       .replaceAll(">", "&gt;");
    } else {
        m_result = unescaped(m_result);
    }
    return m_result;
}

void XPathEditDlg::setPredefinedFunctions()
{
    struct Entry
    {
        FunctionGroup group;
        const char* text;
        const char* signature;
        unsigned description;
    };
    static const Entry entries[] = {
        {FunctionGroup::NodeSet, "count()", "number count( Node-Set )", 63075},
        {FunctionGroup::NodeSet, "id()", "union id( object )", 63076},
        {FunctionGroup::NodeSet, "last()", "number last( Node-Set )", 63077},
        {FunctionGroup::NodeSet, "namespace-uri()", "string namespace-uri( Node-Set? )", 63078},
        {FunctionGroup::NodeSet, "position()", "number position()", 63079},
        {FunctionGroup::NodeSet, "current()", "Node-Set current()", 63080},
        {FunctionGroup::NodeSet, "document()", "node-set document(object, node-set?)", 63081},
        {FunctionGroup::String, "concat()", "string concat( string , string , string* )", 63082},
        {FunctionGroup::String, "contains()", "boolean contains( string , string )", 63083},
        {FunctionGroup::String, "normalize-space()", "string normalize-space( string )", 63084},
        {FunctionGroup::String, "starts-with()", "boolean starts-with( string , string )", 63085},
        {FunctionGroup::String, "string()", "string string( object? )", 63086},
        {FunctionGroup::String, "string-length()", "number string-length( string )", 63087},
        {FunctionGroup::String, "substring()", "string substring( string , number , number? )",
         63088},
        {FunctionGroup::String, "substring-after()", "string substring-after( string , string )",
         63089},
        {FunctionGroup::String, "substring-before()", "string substring-before( string , string )",
         63090},
        {FunctionGroup::String, "translate()", "string translate( string , string , string )",
         63091},
        {FunctionGroup::Arithmetic, "ceiling()", "number ceiling( number )", 63092},
        {FunctionGroup::Arithmetic, "floor()", "number floor( number )", 63093},
        {FunctionGroup::Arithmetic, "number()", "number number( object? )", 63094},
        {FunctionGroup::Arithmetic, "round()", "number round( number )", 63095},
        {FunctionGroup::Arithmetic, "sum()", "number sum( Node_Set )", 63096},
        {FunctionGroup::Arithmetic, "format-number()",
         "string format-number(number, string, string?)", 63097},
    };
    m_functions.clear();
    m_nodeSetFunctions.clear();
    m_stringFunctions.clear();
    m_arithmeticFunctions.clear();
    for (const Entry& entry : entries) {
        const int index = int(m_functions.size());
        m_functions.push_back({entry.text, entry.signature, entry.description});
        switch (entry.group) {
        case FunctionGroup::NodeSet:
            m_nodeSetFunctions.push_back(index);
            break;
        case FunctionGroup::String:
            m_stringFunctions.push_back(index);
            break;
        case FunctionGroup::Arithmetic:
            m_arithmeticFunctions.push_back(index);
            break;
        }
    }
}

bool XPathEditDlg::OnInitDialog()
{
    const bool result = FeatureDialog::OnInitDialog();
    if (!m_sampleDocument) {
        // Nothing to build expressions against: end as cancelled, once the
        // modal loop runs, without ever appearing.
        setAttribute(Qt::WA_DontShowOnScreen, true);
        QMetaObject::invokeMethod(
            this, [this] { EndDialog(QDialog::Rejected); }, Qt::QueuedConnection);
        return result;
    }
    if (!m_toolbar) {
        buildControls();
    }
    m_ui->contextEdit->setText(m_context);
    m_replaying = true;
    m_ui->expressionEdit->setText(m_initialXPath);
    m_ui->expressionEdit->setCursorPosition(m_initialXPath.length());
    m_replaying = false;
    m_history->reset({m_initialXPath, m_initialXPath.length(), 0, m_initialXPath.length()});
    updateUndoButtons();
    m_savedSelectionStart = -1;
    m_ui->detailList->clear();
    m_ui->signatureLabel->clear();
    m_ui->descriptionLabel->clear();

    backToContext();
    if (m_startError.isEmpty()) {
        showMessage(Core::String::formatS(introductionId), Win32::MB_ICONINFORMATION);
    } else {
        showMessage(m_startError, Win32::MB_ICONWARNING);
    }
    m_ui->expressionEdit->setFocus();
    return result;
}

void XPathEditDlg::buildControls()
{
    createToolbar();
    QFont bold = m_ui->signatureLabel->font();
    bold.setWeight(QFont::Bold);
    m_ui->signatureLabel->setFont(bold);

    for (QTreeWidget* list : {m_ui->objectList, m_ui->itemList, m_ui->detailList}) {
        list->setIconSize(QSize(16, 16));
        list->header()->setStretchLastSection(true);
        list->header()->setSectionsMovable(false);
    }
    connect(m_ui->objectList, &QTreeWidget::currentItemChanged, this,
            &XPathEditDlg::OnWorkingObjectChanged);
    connect(m_ui->itemList, &QTreeWidget::currentItemChanged, this, &XPathEditDlg::OnItemChanged);
    connect(m_ui->itemList, &QTreeWidget::itemDoubleClicked, this,
            &XPathEditDlg::OnItemDoubleClicked);
    connect(m_ui->detailList, &QTreeWidget::currentItemChanged, this,
            &XPathEditDlg::OnDetailChanged);
    connect(m_ui->detailList, &QTreeWidget::itemDoubleClicked, this,
            &XPathEditDlg::OnDetailDoubleClicked);
    connect(m_ui->expressionEdit, &QLineEdit::textChanged, this,
            &XPathEditDlg::OnExpressionChanged);
    m_ui->expressionEdit->installEventFilter(this);
    m_ui->itemList->viewport()->installEventFilter(this);
}

void XPathEditDlg::createToolbar()
{
    m_toolbar = new QToolBar(m_ui->toolbarPlaceholder);
    m_toolbar->setObjectName(QStringLiteral("operatorToolbar"));
    m_toolbar->setIconSize(QSize(16, 16));
    auto* layout = new QHBoxLayout(m_ui->toolbarPlaceholder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolbar);
    layout->addStretch();

    auto addCommand = [this](int id, const QString& text, const QIcon& icon) {
        QAction* action = m_toolbar->addAction(icon, text);
        action->setProperty("commandId", id);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        return action;
    };
    for (const InsertCommand& command : insertCommands) {
        const QString text = QString::fromLatin1(command.text);
        QAction* action = addCommand(command.id, text, QIcon());
        connect(action, &QAction::triggered, this,
                [this, text] { insNewVariableInCommandLine(text); });
    }
    m_toolbar->addSeparator();
    m_undoAction = addCommand(undoCommand, tr("Undo"), XPathEditIcons::undo());
    connect(m_undoAction, &QAction::triggered, this, &XPathEditDlg::OnUndo);
    m_redoAction = addCommand(redoCommand, tr("Redo"), XPathEditIcons::redo());
    connect(m_redoAction, &QAction::triggered, this, &XPathEditDlg::OnRedo);
    QAction* check = addCommand(checkCommand, tr("Check the expression"), XPathEditIcons::check());
    connect(check, &QAction::triggered, this, [this] { CheckCommandLine(); });
    QAction* back =
        addCommand(contextCommand, tr("Back to the context node"), XPathEditIcons::backToContext());
    connect(back, &QAction::triggered, this, &XPathEditDlg::backToContext);
    updateUndoButtons();
}

void XPathEditDlg::fillWorkingObjectList()
{
    struct Row
    {
        unsigned text;
        WorkingObjectType type;
        QIcon icon;
    };
    const Row rows[] = {
        {63106, WorkingObjectType::Nodes, XPathEditIcons::node(1)},
        {63107, WorkingObjectType::Functions, XPathEditIcons::function()},
        {63108, WorkingObjectType::Operators, XPathEditIcons::operation()},
        {63109, WorkingObjectType::Constants, XPathEditIcons::constant()},
        {63110, WorkingObjectType::Variables, XPathEditIcons::variable()},
    };
    m_filling = true;
    prepareList(m_ui->objectList, {Core::String::formatS(63105)});
    QTreeWidgetItem* current = nullptr;
    for (const Row& row : rows) {
        QTreeWidgetItem* item =
            addRow(m_ui->objectList, Core::String::formatS(row.text), row.icon, int(row.type));
        if (row.type == m_type) {
            current = item;
        }
    }
    m_ui->objectList->setCurrentItem(current);
    m_filling = false;
    fillNodesListByWorkingObjectType();
}

void XPathEditDlg::OnWorkingObjectChanged()
{
    if (m_filling) {
        return;
    }
    QTreeWidgetItem* item = m_ui->objectList->currentItem();
    if (!item) {
        return;
    }
    m_type = WorkingObjectType(item->data(0, KindRole).toInt());
    fillNodesListByWorkingObjectType();
}

void XPathEditDlg::fillNodesListByWorkingObjectType()
{
    m_filling = true;
    prepareList(m_ui->detailList, {QString()});
    m_ui->signatureLabel->clear();
    m_ui->descriptionLabel->clear();
    QTreeWidget* list = m_ui->itemList;
    auto categories = [list](const QString& header,
                             const std::vector<std::pair<unsigned, int>>& rows) {
        prepareList(list, {header});
        for (const auto& [text, category] : rows) {
            addRow(list, Core::String::formatS(text), XPathEditIcons::category(), CategoryRow,
                   category);
        }
    };
    switch (m_type) {
    case WorkingObjectType::Nodes:
        m_filling = false;
        fillDatas();
        return;
    case WorkingObjectType::Functions:
        categories(tr("Function Types"), {{63111, AllFunctions},
                                          {63112, AllPredefined},
                                          {63113, NodeSetFunctions},
                                          {63114, StringFunctions},
                                          {63115, ArithmeticFunctions},
                                          {63116, UserDefined}});
        for (const Core::String& prefix : m_userFunctionGroups) {
            addRow(list, prefix, XPathEditIcons::category(), CategoryRow, int(ScriptPrefix));
        }
        break;
    case WorkingObjectType::Operators:
        categories(Core::String::formatS(63117),
                   {{63118, -1}, {63115, 0}, {63119, 1}, {63120, 2}, {63121, 3}, {63122, 4}});
        break;
    case WorkingObjectType::Constants:
        categories(Core::String::formatS(63123), {{63124, 0}, {63115, 1}, {63119, 2}, {63120, 3}});
        break;
    case WorkingObjectType::Variables:
        prepareList(list, {Core::String::formatS(63125)});
        for (const char* name : builtInVariables) {
            addRow(list, QString::fromLatin1(name), XPathEditIcons::variable(), VariableRow);
        }
        for (const KMBVariable& variable : m_variables) {
            addRow(list, "$" + variable.getName(), XPathEditIcons::variable(), VariableRow);
        }
        break;
    }
    m_filling = false;
}

void XPathEditDlg::fillDatas()
{
    m_filling = true;
    QTreeWidget* list = m_ui->itemList;
    prepareList(list, {Core::String::formatS(63106), Core::String::formatS(63130)});
    m_rowNodes.clear();
    addRow(list, Core::String::formatS(upOneLevelId), XPathEditIcons::node(0), UpRow);
    auto addNode = [this, list](const Xml::Node& node, const QString& text, const QString& value,
                                int image, int kind) {
        QTreeWidgetItem* item =
            addRow(list, text, XPathEditIcons::node(image), kind, int(m_rowNodes.size()));
        item->setText(1, value);
        m_rowNodes.push_back(node);
    };
    auto addElement = [&addNode](const Xml::Node& node) {
        const Xml::Element element(node);
        const int image = !element.get_attribute("ref-type", Xml::Namespaces::KM).isNull() ? 5
                          : !element.get_attribute("repeated-element", Xml::Namespaces::KM).isNull()
                              ? 4
                              : 1;
        addNode(node, node.get_name(), QString(), image, ElementRow);
    };
    if (m_navigationNode.isNull()) {
        if (!m_root.isNull()) {
            addElement(m_root);
        }
    } else {
        for (const Xml::Attribute& attribute : Xml::Element(m_navigationNode).get_attributes()) {
            if (!isAnnotation(attribute)) {
                addNode(attribute, attribute.get_name(), attribute.get_value(), 2, AttributeRow);
            }
        }
        for (const Xml::Node& child : m_navigationNode.get_children()) {
            if (child.is_element()) {
                addElement(child);
            } else if (child.is_text()) {
                const QString text = child.get_content().toQString().simplified();
                if (!text.isEmpty()) {
                    addNode(child, QStringLiteral("text()"), text, 3, TextRow);
                }
            }
        }
    }
    list->resizeColumnToContents(0);
    m_filling = false;
}

void XPathEditDlg::OnItemChanged()
{
    if (m_filling) {
        return;
    }
    if (m_type == WorkingObjectType::Functions || m_type == WorkingObjectType::Operators ||
        m_type == WorkingObjectType::Constants) {
        fillProprietiesListByWorkingObjectType();
    }
}

void XPathEditDlg::fillProprietiesListByWorkingObjectType()
{
    QTreeWidgetItem* chosen = m_ui->itemList->currentItem();
    m_ui->signatureLabel->clear();
    m_ui->descriptionLabel->clear();
    switch (m_type) {
    case WorkingObjectType::Functions: {
        prepareList(m_ui->detailList, {Core::String::formatS(63107)});
        if (!chosen) {
            return;
        }
        switch (chosen->data(0, PayloadRole).toInt()) {
        case AllFunctions:
            addScriptFunctionRows(Core::String());
            addFunctionRows(FunctionGroup::NodeSet);
            addFunctionRows(FunctionGroup::String);
            addFunctionRows(FunctionGroup::Arithmetic);
            break;
        case AllPredefined:
            addFunctionRows(FunctionGroup::NodeSet);
            addFunctionRows(FunctionGroup::String);
            addFunctionRows(FunctionGroup::Arithmetic);
            break;
        case NodeSetFunctions:
            addFunctionRows(FunctionGroup::NodeSet);
            break;
        case StringFunctions:
            addFunctionRows(FunctionGroup::String);
            break;
        case ArithmeticFunctions:
            addFunctionRows(FunctionGroup::Arithmetic);
            break;
        case UserDefined:
            addScriptFunctionRows(Core::String());
            break;
        default:
            addScriptFunctionRows(chosen->text(0));
            break;
        }
        break;
    }
    case WorkingObjectType::Operators: {
        prepareList(m_ui->detailList, {Core::String::formatS(63108)});
        if (!chosen) {
            return;
        }
        const int group = chosen->data(0, PayloadRole).toInt();
        if (group < 0) {
            for (int each = 0; each < int(XPathOperators::groups().size()); ++each) {
                addOperatorRows(each);
            }
        } else {
            addOperatorRows(group);
        }
        break;
    }
    case WorkingObjectType::Constants:
        prepareList(m_ui->detailList, {Core::String::formatS(63109)});
        if (chosen) {
            for (const char* constant : constants) {
                const QString text = QString::fromLatin1(constant);
                addRow(m_ui->detailList, text, XPathEditIcons::constant(), 0, -1)
                    ->setData(0, KindRole, text);
            }
        }
        break;
    case WorkingObjectType::Nodes:
    case WorkingObjectType::Variables:
        prepareList(m_ui->detailList, {QString()});
        break;
    }
}

void XPathEditDlg::addFunctionRows(FunctionGroup group)
{
    const std::vector<int>& indexes = group == FunctionGroup::NodeSet  ? m_nodeSetFunctions
                                      : group == FunctionGroup::String ? m_stringFunctions
                                                                       : m_arithmeticFunctions;
    for (int index : indexes) {
        const QString text = m_functions[size_t(index)].text;
        addRow(m_ui->detailList, text, XPathEditIcons::function(), 0, index)
            ->setData(0, KindRole, text);
    }
}

void XPathEditDlg::addScriptFunctionRows(const Core::String& prefix)
{
    for (const ManagedScript& script : m_scripts) {
        if (!prefix.isEmpty() && script.getNsPrefix() != prefix) {
            continue;
        }
        for (const Core::String& name : script.getFunctionNames()) {
            const QString text = script.getNsPrefix() + ":" + name;
            addRow(m_ui->detailList, text, XPathEditIcons::function(), 0, -1)
                ->setData(0, KindRole, text);
        }
    }
}

void XPathEditDlg::addOperatorRows(int group)
{
    for (const XPathOperators::Row& row : XPathOperators::groups()[size_t(group)]) {
        const QString shown =
            row.shown ? tr(row.shown) : Core::String::formatS(row.shownId).toQString();
        addRow(m_ui->detailList, shown, XPathEditIcons::operation(), 0, -1)
            ->setData(0, KindRole, QString::fromLatin1(row.inserted));
    }
}

void XPathEditDlg::OnDetailChanged()
{
    QTreeWidgetItem* item = m_ui->detailList->currentItem();
    if (!item || m_type != WorkingObjectType::Functions) {
        m_ui->signatureLabel->clear();
        m_ui->descriptionLabel->clear();
        return;
    }
    const int index = item->data(0, PayloadRole).toInt();
    if (index >= 0 && index < int(m_functions.size())) {
        const Function& function = m_functions[size_t(index)];
        m_ui->signatureLabel->setText(function.signature);
        m_ui->descriptionLabel->setText(Core::String::formatS(function.description));
    } else {
        m_ui->signatureLabel->setText(item->text(0));
        m_ui->descriptionLabel->clear();
    }
}

void XPathEditDlg::OnDetailDoubleClicked(QTreeWidgetItem* item)
{
    if (item) {
        insNewVariableInCommandLine(item->data(0, KindRole).toString());
    }
}

void XPathEditDlg::OnItemDoubleClicked(QTreeWidgetItem* item)
{
    if (!item) {
        return;
    }
    const int kind = item->data(0, KindRole).toInt();
    if (m_type == WorkingObjectType::Variables && kind == VariableRow) {
        insNewVariableInCommandLine(item->text(0));
        return;
    }
    if (m_type != WorkingObjectType::Nodes ||
        (kind != ElementRow && kind != AttributeRow && kind != TextRow)) {
        return;
    }
    const Core::String path = m_navigationRelative;
    const bool here = path == "." || path == "./";
    const Core::String prefix = here                 ? Core::String()
                                : path.endsWith("/") ? path
                                                     : path + separatorSlah;
    const Xml::Node& node = m_rowNodes[size_t(item->data(0, PayloadRole).toInt())];
    switch (kind) {
    case ElementRow:
        insNewVariableInCommandLine(prefix + node.get_name());
        break;
    case AttributeRow:
        insNewVariableInCommandLine(prefix + "@" + node.get_name());
        break;
    default:
        insNewVariableInCommandLine(here ? Core::String("text()") : path + "/text()");
        break;
    }
}

void XPathEditDlg::insNewVariableInCommandLine(const Core::String& text)
{
    QLineEdit* edit = m_ui->expressionEdit;
    // The edit forgets its selection when the focus moves to a list: put
    // back what the user had selected before clicking there.
    if (!edit->hasFocus() && m_savedSelectionStart >= 0) {
        if (m_savedSelectionLength > 0) {
            edit->setSelection(m_savedSelectionStart, m_savedSelectionLength);
        } else {
            edit->setCursorPosition(m_savedSelectionStart);
        }
    }
    m_savedSelectionStart = -1;
    edit->insert(text);
    edit->setFocus();
}

bool XPathEditDlg::isOnNavigationIcon(QTreeWidgetItem* item, const QPoint& position) const
{
    const QTreeWidget* list = m_ui->itemList;
    QRect cell = list->visualItemRect(item);
    cell.setLeft(list->columnViewportPosition(0));
    cell.setWidth(list->columnWidth(0));
    // Where the item view's style puts the decoration of this cell.
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = cell;
    option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.icon = item->icon(0);
    option.text = item->text(0);
    option.decorationSize = list->iconSize().isValid() ? list->iconSize() : QSize(16, 16);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const QRect icon =
        list->style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, list);
    // A pixel of slack around a 16-pixel target.
    return icon.adjusted(-2, -1, 2, 1).contains(position);
}

void XPathEditDlg::navigateNodeTree(QTreeWidgetItem* item)
{
    const int kind = item->data(0, KindRole).toInt();
    if (kind == UpRow) {
        if (m_navigationNode.isNull()) {
            return; // nothing above the top of the document
        }
        m_navigationNode = m_navigationNode.get_parent();
    } else if (kind == ElementRow) {
        m_navigationNode = m_rowNodes[size_t(item->data(0, PayloadRole).toInt())];
    } else {
        return;
    }
    updateNavigationStrings();
    fillDatas();
}

void XPathEditDlg::updateNavigationStrings()
{
    Core::String absolute;
    for (Xml::Node node = m_navigationNode; !node.isNull(); node = node.get_parent()) {
        absolute = separatorSlah + node.get_name() + absolute;
    }
    m_navigationAbsolute = absolute.isEmpty() ? Core::String(separatorSlah) : absolute;
    if (m_contextFound && m_navigationNode == m_contextNode) {
        m_navigationRelative = ".";
        return;
    }
    if (!m_contextFound) {
        // A context the sample does not hold gives no fixed place to start
        // from: whole paths from the top still select what the user sees.
        m_navigationRelative = m_navigationAbsolute;
        return;
    }
    m_navigationRelative = XPathHelpers::getRelativeXPath(m_context, m_navigationAbsolute);
}

Xml::Node XPathEditDlg::contextElement() const
{
    // An attribute or text context has no children to list: its element
    // shows them, while paths still start from the context itself.
    if (m_contextNode.isNull() || m_contextNode.is_element()) {
        return m_contextNode;
    }
    return m_contextNode.get_parent();
}

void XPathEditDlg::backToContext()
{
    m_navigationNode = contextElement();
    if (m_contextFound) {
        updateNavigationStrings();
    } else {
        m_navigationAbsolute = "/";
        m_navigationRelative = "/";
    }
    m_type = WorkingObjectType::Nodes;
    fillWorkingObjectList();
}

bool XPathEditDlg::CheckCommandLine()
{
    WaitCursor wait;
    const XPathCheck::Result result = XPathCheck::check(m_ui->expressionEdit->text(), m_namespaces,
                                                        m_scripts, m_variables, m_xsltEngine);
    showMessage(result.message, result.valid ? Win32::MB_ICONINFORMATION : Win32::MB_ICONERROR);
    return result.valid;
}

void XPathEditDlg::showMessage(const Core::String& text, unsigned icon)
{
    const QStyle::StandardPixmap pixmap =
        icon == Win32::MB_ICONERROR     ? QStyle::SP_MessageBoxCritical
        : icon == Win32::MB_ICONWARNING ? QStyle::SP_MessageBoxWarning
                                        : QStyle::SP_MessageBoxInformation;
    m_ui->messageIcon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(16, 16));
    m_ui->messageIcon->setProperty("icon", icon);
    m_ui->messageEdit->setText(text);
    m_ui->messageEdit->setCursorPosition(0);
    m_ui->messageEdit->setToolTip(text);
}

void XPathEditDlg::OnExpressionChanged()
{
    if (m_replaying) {
        return;
    }
    m_history->record(XPathExpressionState::capture(m_ui->expressionEdit));
    updateUndoButtons();
}

void XPathEditDlg::OnUndo()
{
    replay(true);
}

void XPathEditDlg::OnRedo()
{
    replay(false);
}

void XPathEditDlg::replay(bool undo)
{
    if (undo ? !m_history->canUndo() : !m_history->canRedo()) {
        return;
    }
    const XPathUndoHistory::State current = XPathExpressionState::capture(m_ui->expressionEdit);
    // Writing the box must not record a step of its own.
    m_replaying = true;
    XPathExpressionState::restore(m_ui->expressionEdit,
                                  undo ? m_history->undo(current) : m_history->redo(current));
    m_replaying = false;
    updateUndoButtons();
}

void XPathEditDlg::updateUndoButtons()
{
    if (m_undoAction) {
        m_undoAction->setEnabled(m_history->canUndo());
        m_redoAction->setEnabled(m_history->canRedo());
    }
}

bool XPathEditDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->expressionEdit) {
        if (event->type() == QEvent::FocusOut) {
            // Seen before the edit drops its selection on losing the focus.
            const QLineEdit* edit = m_ui->expressionEdit;
            m_savedSelectionStart =
                edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
            m_savedSelectionLength = edit->hasSelectedText() ? int(edit->selectedText().size()) : 0;
        } else if (event->type() == QEvent::FocusIn) {
            m_savedSelectionStart = -1;
        }
    } else if (watched == m_ui->itemList->viewport() && m_type == WorkingObjectType::Nodes &&
               (event->type() == QEvent::MouseButtonPress ||
                event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint position = mouse->position().toPoint();
        QTreeWidgetItem* item = m_ui->itemList->itemAt(position);
        if (mouse->button() == Qt::LeftButton && item && isOnNavigationIcon(item, position)) {
            const int kind = item->data(0, KindRole).toInt();
            if (kind == UpRow || kind == ElementRow) {
                // A click on the icon moves through the sample; it never inserts.
                if (event->type() == QEvent::MouseButtonPress) {
                    navigateNodeTree(item);
                }
                return true;
            }
        }
    }
    return FeatureDialog::eventFilter(watched, event);
}

void XPathEditDlg::OnOK()
{
    QLineEdit* edit = m_ui->expressionEdit;
    if (edit->text().trimmed().isEmpty()) {
        UIApplication::MessageBoxW(enterExpressionId, Win32::MB_OK | Win32::MB_ICONINFORMATION);
        edit->setFocus();
        return;
    }
    CheckCommandLine();
    const Core::String message = m_ui->messageEdit->text();
    if (message != Core::String::formatS(validId)) {
        const Core::String question = Core::String::formatS(notValidId) + "\n" + message + "\n" +
                                      Core::String::formatS(keepAnywayId);
        if (UIApplication::MessageBoxW(question, Win32::MB_YESNO | Win32::MB_ICONWARNING) !=
            Win32::IDYES) {
            edit->setFocus();
            return;
        }
    }
    m_result = unescaped(edit->text());
    EndDialog(QDialog::Accepted);
}

void XPathEditDlg::OnCancel()
{
    if (m_sampleDocument && m_ui->expressionEdit->text() != m_initialXPath.toQString()) {
        if (UIApplication::MessageBoxW(discardChangesId,
                                       Win32::MB_YESNO | Win32::MB_ICONQUESTION) != Win32::IDYES) {
            return;
        }
    }
    EndDialog(QDialog::Rejected);
}
