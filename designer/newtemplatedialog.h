#pragma once

#include "startertemplates.h"

#include <QDialog>

class QLabel;
class QListWidget;

/// File > New: a list of the starter templates with a description of the chosen one.
class NewTemplateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NewTemplateDialog(QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    /// The starter chosen; the first when none is.
    StarterTemplates::Starter chosen() const;

private:
    QList<StarterTemplates::Starter> m_starters;
    QListWidget* m_list;
    QLabel* m_description;
};
