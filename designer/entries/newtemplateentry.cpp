#include "dialogentries.h"
#include "newtemplatedialog.h"

DialogEntry newTemplateEntry()
{
    return {QStringLiteral("NewTemplateDialog"), DialogEntry::Menu::None, {}, nullptr, nullptr,
            {{QStringLiteral("NewTemplateDialog"),
              [] { return std::unique_ptr<QWidget>(std::make_unique<NewTemplateDialog>()); }}}};
}
