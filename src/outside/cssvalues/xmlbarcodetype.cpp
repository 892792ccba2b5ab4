#include "outside/cssvalues/xmlbarcodetype.h"

#include <array>

namespace Xml {

namespace {

struct Symbology
{
    const char* displayName;
    const char* keyword;
};

// Indexed by code - 1.
constexpr std::array<Symbology, 18> Symbologies{{
    {"UPC-E", "UPC-E"},
    {"EAN-8", "EAN-8"},
    {"UPC-A", "UPC-A"},
    {"EAN-13", "EAN-13"},
    {"Data Matrix", "DataMatrix"},
    {"3 of 9", "3of9"},
    {"2 of 5", "2of5"},
    {"Postnet", "Postnet"},
    {"Planet", "Planet"},
    {"128", "Code128"},
    {"128 Raw", "Code128Raw"},
    {"128 UCC", "Code128UCC"},
    {"OMR", "OMR"},
    {"PDF417", "Pdf417"},
    {"Aztec", "Aztec"},
    {"Maxicode", "Maxicode"},
    {"QR Barcode", "QRBarcode"},
    {"Intelligent Mail", "IntelligentMail"},
}};

const Symbology* find(BarcodeType type)
{
    const int code = int(type);
    return code >= 1 && code <= int(Symbologies.size()) ? &Symbologies[size_t(code - 1)] : nullptr;
}

} // namespace

std::vector<BarcodeType> BarcodeTypes::all()
{
    std::vector<BarcodeType> types;
    for (int code = 1; code <= int(Symbologies.size()); ++code) {
        types.push_back(BarcodeType(code));
    }
    return types;
}

BarcodeType BarcodeTypes::fromCode(int code)
{
    return find(BarcodeType(code)) ? BarcodeType(code) : BarcodeType::None;
}

Core::String BarcodeTypes::getKeyword(BarcodeType type)
{
    const Symbology* symbology = find(type);
    return symbology ? Core::String(symbology->keyword) : Core::String();
}

Core::String BarcodeTypes::getDisplayName(BarcodeType type)
{
    const Symbology* symbology = find(type);
    return symbology ? Core::String(symbology->displayName) : Core::String();
}

BarcodeType BarcodeTypes::fromKeyword(const Core::String& keyword, Qt::CaseSensitivity cs)
{
    for (size_t i = 0; i < Symbologies.size(); ++i) {
        if (keyword.toQString().compare(QLatin1String(Symbologies[i].keyword), cs) == 0) {
            return BarcodeType(int(i) + 1);
        }
    }
    return BarcodeType::None;
}

BarcodeType BarcodeTypes::fromDisplayName(const Core::String& name)
{
    for (size_t i = 0; i < Symbologies.size(); ++i) {
        if (name == Symbologies[i].displayName) {
            return BarcodeType(int(i) + 1);
        }
    }
    return BarcodeType::None;
}

BarcodeType BarcodeTypes::fromText(const Core::String& text)
{
    for (size_t i = 0; i < Symbologies.size(); ++i) {
        if (text == Symbologies[i].displayName || text == Symbologies[i].keyword) {
            return BarcodeType(int(i) + 1);
        }
    }
    return BarcodeType::None;
}

} // namespace Xml
