#pragma once

#include <memory>
#include <QWidget>

/// The expression editor as the gallery shows it: opened on the bundled
/// invoice, in the context of its lines.
std::unique_ptr<QWidget> makeXPathEditorSample();

/// XPath fields for the gallery: one bound to the invoice's sample data, one
/// without document information (its button disabled).
class XPathCtrlSheet : public QWidget
{
    Q_OBJECT

public:
    explicit XPathCtrlSheet(QWidget* parent = nullptr);
};
