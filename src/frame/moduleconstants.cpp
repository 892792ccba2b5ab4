#include "frame/moduleconstants.h"

#include "outside/core/coreprocess.h"

const std::vector<Core::String>& ModuleConstants::sideNames()
{
    static const std::vector<Core::String> names{"left", "right", "top", "bottom"};
    return names;
}

const std::vector<Core::String>& ModuleConstants::barcodeDisplayNames()
{
    static const std::vector<Core::String> names{
        "UPC-E", "UPC-A",   "EAN-8",   "EAN-13", "Data Matrix", "PDF417",   "3 of 9",     "2 of 5",          "Postnet",
        "Planet", "128",    "128 Raw", "128 UCC", "OMR",        "Aztec",    "Maxicode",   "QR Barcode",      "Intelligent Mail"};
    return names;
}

const std::vector<Core::String>& ModuleConstants::barcodeTexts()
{
    static const std::vector<Core::String> texts = [] {
        std::vector<Core::String> loaded;
        for (unsigned id = 63015; id <= 63028; ++id) {
            loaded.push_back(Core::String::formatS(id));
        }
        loaded.push_back(Core::String::formatS(63392));
        return loaded;
    }();
    return texts;
}

const Core::String& ModuleConstants::autoTextMarkupPrefix()
{
    static const Core::String prefix("xml:");
    return prefix;
}

const Core::String& ModuleConstants::autoTextFolder()
{
    static const Core::String folder = Core::Process::getUserAppDataFolder() + "/Varnel/";
    return folder;
}

const Core::String& ModuleConstants::dynamicBookmarkElement()
{
    static const Core::String name("dynamic-bookmark");
    return name;
}

const Core::String& ModuleConstants::bookmarkElement()
{
    static const Core::String name("bookmark");
    return name;
}

const Core::String& ModuleConstants::xpathEditorRootText()
{
    static const Core::String text = Core::String::formatS(63073);
    return text;
}
