#pragma once

#include "templatedocument.h"

#include <QDialog>

class QListWidget;
class QPushButton;

/// Page > Page Layouts: the template's page layouts (its simple page
/// masters), with New, Edit and Delete. Each change rewrites the layout
/// master set as one undoable step, so the preview shows it at once.
class PageLayoutList : public QDialog
{
    Q_OBJECT

public:
    explicit PageLayoutList(SmartPtr<TemplateDocument> document, QWidget* parent = nullptr);

    /// The template's simple page masters, in document order.
    static std::vector<Xml::Element> layoutsOf(const TemplateDocument& document);
    /// Why the layout `name` cannot be deleted (the page sequences and page
    /// sets that use it); empty when nothing does.
    static QString whyInUse(const TemplateDocument& document, const Core::String& name);

    QListWidget* list() const { return m_list; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }

private:
    void refill(const QString& selected);
    void updateButtons();
    void onNew();
    void onEdit();
    void onDelete();
    Xml::Element selectedLayout() const;

    SmartPtr<TemplateDocument> m_document;
    QListWidget* m_list = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};
