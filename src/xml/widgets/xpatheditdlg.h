#pragma once

#include "frame/featuredialog.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlnode.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/kmbvariable.h"
#include "outside/types/managedscript.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class QToolBar;
class XPathUndoHistory;

namespace Ui {
class XPathEditDlg;
}

/// The XPath expression editor every data-bound dialog opens: one XPath 1.0
/// expression, typed or assembled from the sample's nodes (reached by
/// navigating from the context node), functions, operators, constants and
/// variables, and checked by running it in a throw-away stylesheet.
///
/// The host constructs it with the document information, the expression and
/// the XPath of the context node, runs it and, after OK, reads getXPath().
/// Without a loaded sample the dialog ends at once as cancelled.
class UIEDITOR_EXPORT XPathEditDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 11201;
    /// The step separator of the paths the dialog builds.
    static constexpr char16_t separatorSlah = u'/';
    /// Changes of the expression closer together than this (milliseconds)
    /// make one undo step.
    static constexpr int tickEcart = 1000;

    /// What the item list shows, chosen in the working-object list.
    enum class WorkingObjectType {
        Functions = 0,
        Operators = 1,
        Constants = 2,
        Nodes = 3,
        Variables = 4
    };

    XPathEditDlg(SmartPtr<IDocumentInformation> documentInformation, const Core::String& xpath,
                 const Core::String& context, QWidget* parent = nullptr);
    ~XPathEditDlg() override;

    /// The accepted expression. With `escaped` the quotation mark,
    /// apostrophe, "<" and ">" are turned into entities (for an attribute);
    /// without, entities back into characters. The stored result itself is
    /// changed, so the last call decides its form.
    Core::String getXPath(bool escaped);

    /// The clock (milliseconds) that groups changes into undo steps; a
    /// steady clock unless a test or a replaying host sets its own.
    void setClock(std::function<qint64()> clock);

    void setVisible(bool visible) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Function
    {
        Core::String text;      ///< what a double-click inserts
        Core::String signature; ///< shown in bold
        unsigned description;   ///< string resource
    };
    enum class FunctionGroup { NodeSet, String, Arithmetic };

    void setPredefinedFunctions();
    void createToolbar();
    void fillWorkingObjectList();
    void fillNodesListByWorkingObjectType();
    void fillDatas();
    void fillProprietiesListByWorkingObjectType();
    void addFunctionRows(FunctionGroup group);
    void addScriptFunctionRows(const Core::String& prefix);
    void addOperatorRows(int group);
    void insNewVariableInCommandLine(const Core::String& text);
    void navigateNodeTree(QTreeWidgetItem* item);
    void updateNavigationStrings();
    void backToContext();
    bool CheckCommandLine();
    void showMessage(const Core::String& text, unsigned icon);

    void OnWorkingObjectChanged();
    void OnItemChanged();
    void OnItemDoubleClicked(QTreeWidgetItem* item);
    void OnDetailChanged();
    void OnDetailDoubleClicked(QTreeWidgetItem* item);
    void OnExpressionChanged();
    void OnUndo();
    void OnRedo();
    /// Steps back (or forward) through the expression's history.
    void replay(bool undo);
    void updateUndoButtons();
    /// The toolbar and the lists' wiring, made by the first run.
    void buildControls();
    Xml::Node contextElement() const;
    bool isOnNavigationIcon(QTreeWidgetItem* item, const QPoint& position) const;

    std::unique_ptr<Ui::XPathEditDlg> m_ui;
    SmartPtr<IDocumentInformation> m_documentInformation;
    Core::String m_initialXPath;
    Core::String m_context;
    Core::String m_result;
    WorkingObjectType m_type = WorkingObjectType::Nodes;

    SmartPtr<Xml::XmlDocument> m_sampleDocument;
    Xml::Node m_root;
    Xml::Node m_contextNode;
    Xml::Node m_navigationNode; ///< null above the root
    bool m_contextFound = true;
    Core::String m_startError;
    Core::String m_navigationAbsolute;
    Core::String m_navigationRelative;
    std::vector<Xml::Node> m_rowNodes; ///< the nodes behind the item list's rows

    std::vector<ManagedScript> m_scripts;
    std::vector<KMBVariable> m_variables;
    std::map<Core::String, Core::String> m_namespaces;
    int m_xsltEngine = 0;

    std::vector<Function> m_functions;
    std::vector<int> m_nodeSetFunctions;
    std::vector<int> m_stringFunctions;
    std::vector<int> m_arithmeticFunctions;
    std::vector<Core::String> m_userFunctionGroups;

    std::unique_ptr<XPathUndoHistory> m_history;
    bool m_replaying = false;
    bool m_filling = false;
    int m_savedSelectionStart = -1;
    int m_savedSelectionLength = 0;

    QToolBar* m_toolbar = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};
