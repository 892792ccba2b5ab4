#include "frame/defaultmessageboxfactory.h"

#include "frame/win32constants.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace {

using Choice = std::pair<QMessageBox::StandardButton, int>;

std::vector<Choice> buttonsFor(unsigned type)
{
    switch (type & Win32::MB_TYPEMASK) {
    case Win32::MB_OKCANCEL:
        return {{QMessageBox::Ok, Win32::IDOK}, {QMessageBox::Cancel, Win32::IDCANCEL}};
    case Win32::MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, Win32::IDABORT}, {QMessageBox::Retry, Win32::IDRETRY}, {QMessageBox::Ignore, Win32::IDIGNORE}};
    case Win32::MB_YESNOCANCEL:
        return {{QMessageBox::Yes, Win32::IDYES}, {QMessageBox::No, Win32::IDNO}, {QMessageBox::Cancel, Win32::IDCANCEL}};
    case Win32::MB_YESNO:
        return {{QMessageBox::Yes, Win32::IDYES}, {QMessageBox::No, Win32::IDNO}};
    case Win32::MB_RETRYCANCEL:
        return {{QMessageBox::Retry, Win32::IDRETRY}, {QMessageBox::Cancel, Win32::IDCANCEL}};
    default:
        return {{QMessageBox::Ok, Win32::IDOK}};
    }
}

QMessageBox::Icon iconFor(unsigned type)
{
    switch (type & Win32::MB_ICONMASK) {
    case Win32::MB_ICONERROR:
        return QMessageBox::Critical;
    case Win32::MB_ICONQUESTION:
        return QMessageBox::Question;
    case Win32::MB_ICONWARNING:
        return QMessageBox::Warning;
    case Win32::MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int DefaultMessageBoxFactory::showMessageBox(unsigned textId, unsigned type, unsigned helpId)
{
    return showMessageBox(Core::String::formatS(textId), type, helpId);
}

int DefaultMessageBoxFactory::showMessageBox(Core::String text, unsigned type, unsigned helpId)
{
    Q_UNUSED(helpId);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return 0; // no user interface to show it in, as a failed MessageBox answers
    }
    QMessageBox box(iconFor(type), QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const std::vector<Choice> choices = buttonsFor(type);
    for (const Choice& choice : choices) {
        box.addButton(choice.first);
    }
    const size_t defaultIndex = (type & Win32::MB_DEFMASK) == Win32::MB_DEFBUTTON3   ? 2
                                : (type & Win32::MB_DEFMASK) == Win32::MB_DEFBUTTON2 ? 1
                                                                                     : 0;
    box.setDefaultButton(choices[qMin(defaultIndex, choices.size() - 1)].first);
    // Closing the box with Escape or the title bar answers like its Cancel or No button.
    box.setEscapeButton(choices.back().first);
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (const Choice& choice : choices) {
        if (choice.first == pressed) {
            return choice.second;
        }
    }
    return choices.back().second;
}
