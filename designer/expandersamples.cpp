#include "expandersamples.h"

#include "controls/textpanel.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr unsigned SampleTemplateId = 12731;
constexpr unsigned MoreButtonId = 9684;
constexpr unsigned FrameId = 12806;

template <class T> T* numbered(T* widget, unsigned id)
{
    widget->setProperty("controlId", id);
    return widget;
}

} // namespace

ExpanderSampleDlg::ExpanderSampleDlg(int initiallyExpanded, QWidget* parent)
    : DialogExpander(SampleTemplateId, MoreButtonId, FrameId, initiallyExpanded, parent)
{
    setWindowTitle(tr("Insert Building Block"));
    auto* layout = new QVBoxLayout(this);

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(tr("&File:"));
    auto* file = numbered(new QLineEdit(QStringLiteral("blocks/address-header.kmc")), 12637);
    fileLabel->setBuddy(file);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file, 1);
    fileRow->addWidget(new QPushButton(tr("&Browse...")));
    layout->addLayout(fileRow);

    auto* frame = numbered(new QFrame, FrameId);
    frame->setFrameShape(QFrame::Box);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(tr("Parameters"));
    auto* groupLayout = new QGridLayout(group);
    auto* parameters = numbered(new QTreeWidget, 12707);
    parameters->setRootIsDecorated(false);
    parameters->setHeaderLabels({tr("Name"), tr("Value")});
    parameters->addTopLevelItem(
        new QTreeWidgetItem({QStringLiteral("currency"), QStringLiteral("'EUR'")}));
    parameters->addTopLevelItem(
        new QTreeWidgetItem({QStringLiteral("customer"), QStringLiteral("/invoice/customer/@id")}));
    parameters->header()->resizeSection(0, 110);
    parameters->setMinimumHeight(110);
    groupLayout->addWidget(parameters, 0, 0, 4, 1);
    groupLayout->addWidget(new QPushButton(tr("&Add")), 0, 1);
    groupLayout->addWidget(new QPushButton(tr("&Edit")), 1, 1);
    groupLayout->addWidget(new QPushButton(tr("&Remove")), 2, 1);
    frameLayout->addWidget(group);
    layout->addWidget(frame, 1);

    auto* buttonRow = new QHBoxLayout;
    auto* more = numbered(new QPushButton, MoreButtonId);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttonRow->addWidget(more);
    buttonRow->addStretch();
    buttonRow->addWidget(box);
    layout->addLayout(buttonRow);

    connect(more, &QPushButton::clicked, this, &DialogExpander::resizeDialog);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, sizeHint().height());
}

TextPanelSampleDlg::TextPanelSampleDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Text Panels"));
    auto* layout = new QVBoxLayout(this);

    auto* plain = new TextPanel;
    plain->setText(tr("Sample text"));
    plain->setMinimumHeight(40);
    layout->addWidget(plain);

    auto* notice = new TextPanel;
    notice->setText(tr("No preview available"));
    notice->setForeColor(RGB(255, 255, 255));
    notice->setBkColor(RGB(128, 128, 128));
    notice->setFont(L"DejaVu Sans", 14);
    notice->setMinimumHeight(60);
    layout->addWidget(notice);

    auto* serif = new TextPanel;
    serif->setText(tr("The text stays centred on one line"));
    serif->setForeColor(RGB(0x80, 0x10, 0x10));
    serif->setBkColor(RGB(0xFF, 0xF4, 0xC8));
    serif->setFont(L"DejaVu Serif", 12);
    serif->setMinimumHeight(50);
    layout->addWidget(serif);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(420, sizeHint().height());
}
